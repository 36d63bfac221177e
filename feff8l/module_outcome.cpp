#include "feff8l/module_outcome.hpp"

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "feff8l/scratch_folder.hpp"

namespace feff8l {

namespace fs = std::filesystem;

namespace {

// The text of a log from `start` on; empty when it cannot be read.
std::string read_log(const fs::path& path, std::uintmax_t start = 0) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  in.seekg(static_cast<std::streamoff>(start));
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

std::optional<std::string> module_fault(const FeffModule& module, const std::string& program,
                                        const ModuleEnd& end, const fs::path& scratch) {
  switch (end.kind) {
    case ModuleEndKind::NotStarted:
      return "cannot start " + program + " (" + std::strerror(end.value) + ")";
    case ModuleEndKind::Killed:
      return "killed by signal " + std::to_string(end.value) + " (" + strsignal(end.value) + ")";
    case ModuleEndKind::Exited:
      if (end.value != 0) return "exit status " + std::to_string(end.value);
      break;
    case ModuleEndKind::Stopped:
      return std::nullopt;
  }
  if (auto missing = first_missing_output(module, scratch)) return "no " + *missing;
  return std::nullopt;
}

ModuleFailure describe_failure(std::size_t index, const std::string& fault,
                               const fs::path& scratch, std::uintmax_t console_start) {
  const std::vector<FeffModule>& modules = feff_modules();
  std::vector<LogText> earlier_logs;
  for (std::size_t earlier = 0; earlier < index; ++earlier) {
    const std::string file(modules[earlier].log_file);
    earlier_logs.push_back({file, read_log(scratch / file)});
  }
  const FeffModule& module = modules[index];
  const std::string log_file(module.log_file);
  const LogText module_log{log_file, read_log(scratch / log_file)};
  const LogText console{std::string(kConsoleLog),
                        read_log(scratch / kConsoleLog, console_start)};
  return {std::string(module.name), fault, log_file,
          find_failure_reason(earlier_logs, module_log, console)};
}

}  // namespace feff8l
