#include "feff8l/feff_run.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "feff8l/exit_status.hpp"
#include "feff8l/leftover_scratch.hpp"
#include "feff8l/module_outcome.hpp"
#include "feff8l/module_table.hpp"
#include "feff8l/result_files.hpp"
#include "feff8l/scratch_folder.hpp"

namespace feff8l {

namespace fs = std::filesystem;

namespace {

constexpr const char* kInputFile = "feff.inp";

// The scratch folder of this run; removed when the object goes, unless kept.
class Scratch {
 public:
  explicit Scratch(const RunSetup& setup)
      : run_directory_(setup.run_directory),
        name_(scratch_folder_name(setup.host, setup.pid)),
        pid_(setup.pid) {
    make_scratch_folder(path());
  }
  ~Scratch() {
    if (!kept_) remove_scratch_folder(path());
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  fs::path path() const { return run_directory_ / name_; }

  // Keeps the folder for inspection; the line names its files as the user
  // sees them from the run directory.
  std::string keep(const ModuleFailure& failure) {
    kept_ = true;
    name_ = keep_scratch_folder(run_directory_, name_, pid_, failure_line(failure, ".", console()));
    return failure_line(failure, name_, console());
  }

 private:
  static std::string console() { return std::string(kConsoleLog); }

  fs::path run_directory_;
  std::string name_;
  long pid_;
  bool kept_ = false;
};

class ConsoleLog {
 public:
  explicit ConsoleLog(const fs::path& path)
      : fd_(open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644)) {
    if (fd_ < 0) throw FileFailure("create", path, std::error_code(errno, std::generic_category()));
  }
  ~ConsoleLog() { close(fd_); }
  ConsoleLog(const ConsoleLog&) = delete;
  ConsoleLog& operator=(const ConsoleLog&) = delete;

  int fd() const { return fd_; }
  std::uintmax_t size() const {
    const off_t end = lseek(fd_, 0, SEEK_END);
    return end < 0 ? 0 : static_cast<std::uintmax_t>(end);
  }

 private:
  int fd_;
};

RunOutcome stopped(int signal_number) { return {kExitFeffFailed, signal_number, ""}; }

// The six modules in order, each judged as soon as it has ended.
RunOutcome run_modules(const RunSetup& setup, Scratch& scratch, const RunSignals& signals) {
  ConsoleLog console(scratch.path() / kConsoleLog);
  const std::vector<FeffModule>& modules = feff_modules();
  for (std::size_t index = 0; index < modules.size(); ++index) {
    if (auto stop = take_stop_signal(signals)) return stopped(*stop);
    const std::uintmax_t console_start = console.size();
    const std::string program = (setup.module_directory / modules[index].program).string();
    const ModuleEnd end = run_module(program, scratch.path(), console.fd(), signals);
    if (end.kind == ModuleEndKind::Stopped) return stopped(end.value);
    // A stop sent to the whole process group ends the module too: its death
    // may be seen before our own signal.
    if (auto stop = take_stop_signal(signals)) return stopped(*stop);
    if (auto fault = module_fault(modules[index], program, end, scratch.path())) {
      const ModuleFailure failure = describe_failure(index, *fault, scratch.path(), console_start);
      return {kExitFeffFailed, 0, scratch.keep(failure)};
    }
  }
  return {kExitDone, 0, ""};
}

}  // namespace

RunOutcome run_feff(const RunSetup& setup, const RunSignals& signals) {
  remove_abandoned_scratch_folders(setup.run_directory, setup.host, setup.pid);
  const fs::path input = setup.run_directory / kInputFile;
  std::error_code error;
  if (!fs::is_regular_file(input, error)) {
    return {kExitWrongUse, 0, " FEFF cannot run: no feff.inp in " + setup.run_directory.string()};
  }
  try {
    remove_earlier_results(setup.run_directory);
    Scratch scratch(setup);
    if (!fs::copy_file(input, scratch.path() / kInputFile, error)) {
      throw FileFailure("copy", input, error);
    }
    RunOutcome outcome = run_modules(setup, scratch, signals);
    if (outcome.exit_status != kExitDone || outcome.stop_signal != 0) return outcome;
    if (auto stop = take_stop_signal(signals)) return stopped(*stop);
    publish_results(scratch.path(), setup.run_directory);
    return outcome;
  } catch (const FileFailure& failure) {
    return {kExitFileFailure, 0, failure.what()};
  }
}

}  // namespace feff8l
