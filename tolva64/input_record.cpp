#include "tolva64/input_record.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iterator>

#include "common/failure.hpp"
#include "common/file_system.hpp"
#include "common/text_input.hpp"

namespace tolva64 {

namespace {

constexpr std::uint64_t kFnvPrime = 1099511628211ULL;

// The keys of the record's lines, in the order they are written.
constexpr const char* kClusterKey = "cluster";
constexpr const char* kClusterFileKey = "cluster_file";
constexpr const char* kPotentialMapKey = "pot.dat";
constexpr const char* kFeffTemplateKey = "feff.dat";
constexpr const char* kLeftOutKey = "left_out";

std::string hex_digits(std::uint64_t value) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

[[noreturn]] void fail_reading(int error, const std::string& path) {
  common::fail_io(common::io_error_opening(error, path, false), path + ": cannot be read");
}

// A field differs when it is known now and the record holds something else.
bool differs(const std::string& recorded, const std::string& now) {
  return !now.empty() && recorded != now;
}

void store_field(const std::string& key, const std::string& value, InputRecord& record) {
  if (key == kClusterKey) record.cluster_name = value;
  if (key == kClusterFileKey) record.cluster_file = value;
  if (key == kPotentialMapKey) record.shared.potential_map = value;
  if (key == kFeffTemplateKey) record.shared.feff_template = value;
  if (key == kLeftOutKey) record.left_out = value;
}

}  // namespace

std::string record_name(const std::string& suffix) { return kRecordPrefix + suffix; }

std::uint64_t fnv1a(std::string_view bytes, std::uint64_t hash) {
  for (char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= kFnvPrime;
  }
  return hash;
}

std::optional<std::string> file_fingerprint(const std::string& path) {
  if (!common::file_exists(path)) return std::nullopt;
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) fail_reading(errno, path);
  std::uint64_t hash = kFnvOffsetBasis;
  char buffer[65536];
  for (;;) {
    ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) fail_reading(errno, path);
    if (got == 0) break;
    hash = fnv1a(std::string_view(buffer, static_cast<std::size_t>(got)), hash);
  }
  ::close(fd);
  return hex_digits(hash);
}

SharedInputs shared_inputs_of(const RunFiles& files) {
  return SharedInputs{file_fingerprint(files.potential_map).value_or(""),
                      file_fingerprint(files.feff_template).value_or("")};
}

std::string left_out_text(const std::vector<int>& potentials) {
  if (potentials.empty()) return "none";
  std::string text;
  for (int potential : potentials) text += (text.empty() ? "" : " ") + std::to_string(potential);
  return text;
}

InputRecord record_for(const std::string& cluster_name, const SharedInputs& shared,
                       const std::string& left_out) {
  return InputRecord{cluster_name, file_fingerprint(cluster_name).value_or(""), shared, left_out};
}

std::string record_text(const InputRecord& record) {
  std::string text = "# tolva64: the inputs xt.<ext> and mu.<ext> were made from "
                     "(FNV-1a, 64 bits)\r\n";
  const std::pair<const char*, const std::string*> fields[] = {
      {kClusterKey, &record.cluster_name},
      {kClusterFileKey, &record.cluster_file},
      {kPotentialMapKey, &record.shared.potential_map},
      {kFeffTemplateKey, &record.shared.feff_template},
      {kLeftOutKey, &record.left_out},
  };
  for (const auto& [key, value] : fields) text += std::string(key) + " " + *value + "\r\n";
  return text;
}

std::optional<InputRecord> read_record(const std::string& path) {
  if (!common::file_exists(path)) return std::nullopt;
  common::TextInput in = common::TextInput::open_file(path);
  InputRecord record;
  while (!in.at_eof()) {
    std::string line = in.read_until_cr_or_lf();
    in.skip_past_cr_or_lf();
    std::string::size_type blank = line.find(' ');
    if (line.empty() || line[0] == '#' || blank == std::string::npos) continue;
    store_field(line.substr(0, blank), line.substr(blank + 1), record);
  }
  in.close();
  return record;
}

std::vector<std::string> changed_inputs(const InputRecord& made_from, const InputRecord& now) {
  const bool differ[] = {
      made_from.cluster_name != now.cluster_name ||
          differs(made_from.cluster_file, now.cluster_file),
      differs(made_from.shared.potential_map, now.shared.potential_map),
      differs(made_from.shared.feff_template, now.shared.feff_template),
      differs(made_from.left_out, now.left_out),
  };
  static_assert(std::size(differ) == std::size(kInputNames));
  std::vector<std::string> changed;
  for (std::size_t i = 0; i < std::size(differ); ++i) {
    if (differ[i]) changed.push_back(kInputNames[i]);
  }
  return changed;
}

std::string inputs_text(const std::vector<std::string>& inputs) {
  std::string text;
  for (const std::string& input : inputs) text += (text.empty() ? "" : ", ") + input;
  return text;
}

}  // namespace tolva64
