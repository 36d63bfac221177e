// feff8l: FEFF 8.5L as one program. Started with no arguments in a directory
// holding feff.inp, as the averager starts feff.exe, it runs FEFF's six
// modules in a scratch folder and leaves chi.dat and xmu.dat, or one line on
// standard error and neither file.
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "feff8l/command_line.hpp"
#include "feff8l/exit_status.hpp"
#include "feff8l/feff_run.hpp"
#include "feff8l/install.hpp"
#include "feff8l/module_directory.hpp"
#include "feff8l/scratch_folder.hpp"

using namespace feff8l;

namespace {

const std::filesystem::path kBuiltModuleDirectory = FEFF8L_BUILT_MODULE_DIR;

// Every way out of the driver passes here.
[[noreturn]] void finish(int status, const std::string& message) {
  std::cout.flush();
  if (!message.empty()) std::cerr << message << std::endl;
  std::exit(status);
}

[[noreturn]] void run(const std::filesystem::path& own_program) {
  const ModuleDirectoryChoice modules =
      choose_module_directory(std::getenv(kModuleDirectoryVariable), own_program.parent_path(),
                              kBuiltModuleDirectory, holds_feff_modules);
  if (!modules.directory) finish(kExitWrongUse, " FEFF cannot run: " + modules.problem);

  const RunSignals signals = block_run_signals();           // 1. stops only where safe
  const RunSetup setup{std::filesystem::current_path(), *modules.directory, this_host(),
                       static_cast<long>(getpid())};
  const RunOutcome outcome = run_feff(setup, signals);      // 2. the modules, the results
  if (outcome.stop_signal != 0) end_by_signal(outcome.stop_signal);  // 3. scratch is gone
  finish(outcome.exit_status, outcome.message);
}

[[noreturn]] void install(const std::string& directory, const std::filesystem::path& own_program) {
  const auto link = install_as_feff_exe(directory, own_program);
  std::cout << " " << link.string() << " -> " << own_program.string() << "\n";
  finish(kExitDone, "");
}

}  // namespace

int main(int argc, char** argv) {
  const CommandLine line = read_command_line(std::vector<std::string>(argv + 1, argv + argc));
  if (!line.problem.empty()) {
    finish(kExitWrongUse, " feff8l: " + line.problem + "; see feff8l --help");
  }
  try {
    const std::filesystem::path own_program = own_program_file();
    switch (line.command) {
      case Command::Help:
        std::cout << help_text(kBuiltModuleDirectory.string());
        finish(kExitDone, "");
      case Command::Version:
        std::cout << version_line() << "\n";
        finish(kExitDone, "");
      case Command::Install:
        install(line.install_directory, own_program);
      case Command::Run:
        run(own_program);
    }
  } catch (const FileFailure& failure) {
    finish(kExitFileFailure, failure.what());
  } catch (const std::exception& failure) {
    // A file-system question with no answer, such as a current directory
    // that was removed.
    finish(kExitFileFailure, std::string(" feff8l: ") + failure.what());
  }
  return kExitDone;
}
