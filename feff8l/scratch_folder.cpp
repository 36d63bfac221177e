#include "feff8l/scratch_folder.hpp"

#include <unistd.h>

#include <cctype>
#include <charconv>
#include <climits>
#include <fstream>
#include <system_error>

#include "feff8l/exit_status.hpp"

namespace feff8l {

namespace fs = std::filesystem;

namespace {

// Past this many failed runs of one process id, the folder keeps its name.
constexpr int kMaxKeptNameTries = 1000;

bool kept_name_free(const fs::path& path) {
  std::error_code error;
  return !fs::exists(fs::symlink_status(path, error));
}

}  // namespace

std::string scratch_folder_name(const std::string& host, long pid) {
  return std::string(kScratchPrefix) + host + "-" + std::to_string(pid);
}

std::string host_for_folder_name(const std::string& host) {
  std::string name = host.empty() ? "localhost" : host;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-') c = '_';
  }
  return name;
}

std::string this_host() {
  char name[HOST_NAME_MAX + 1] = {};
  if (gethostname(name, sizeof name - 1) != 0) name[0] = '\0';
  return host_for_folder_name(name);
}

std::optional<ScratchOwner> scratch_folder_owner(std::string_view name) {
  if (name.substr(0, kScratchPrefix.size()) != kScratchPrefix) return std::nullopt;
  name.remove_prefix(kScratchPrefix.size());
  const std::size_t dash = name.rfind('-');
  if (dash == std::string_view::npos || dash == 0) return std::nullopt;
  const std::string_view digits = name.substr(dash + 1);
  ScratchOwner owner{std::string(name.substr(0, dash)), 0};
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), owner.pid);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
      owner.pid <= 0) {
    return std::nullopt;
  }
  return owner;
}

void make_scratch_folder(const fs::path& folder) {
  std::error_code error;
  if (!fs::create_directory(folder, error)) {
    if (!error) error = std::make_error_code(std::errc::file_exists);
    throw FileFailure("make the folder", folder, error);
  }
}

void remove_scratch_folder(const fs::path& folder) {
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}

std::string keep_scratch_folder(const fs::path& run_directory, const std::string& scratch_name,
                                long pid, const std::string& failure_line) {
  {
    std::ofstream note(run_directory / scratch_name / kFailureNote);
    note << failure_line << "\n";
  }
  const std::string base = std::string(kKeptPrefix) + std::to_string(pid);
  for (int attempt = 1; attempt <= kMaxKeptNameTries; ++attempt) {
    const std::string name = attempt == 1 ? base : base + "-" + std::to_string(attempt);
    if (!kept_name_free(run_directory / name)) continue;
    std::error_code error;
    fs::rename(run_directory / scratch_name, run_directory / name, error);
    return error ? scratch_name : name;
  }
  return scratch_name;
}

}  // namespace feff8l
