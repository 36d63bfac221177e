#pragma once
// Starting the outside program FEFF and waiting for it. The plain run starts
// one FEFF in the run directory on the shared console; the parallel run
// starts several, each in a scratch directory of its own with its console
// output caught in files there, and waits for them as they end.
#include <sys/types.h>

#include <string>

namespace tolva64 {

// What FEFF writes to standard output and standard error, in its scratch
// directory.
inline constexpr const char* kFeffStdoutFile = "feff_stdout.txt";
inline constexpr const char* kFeffStderrFile = "feff_stderr.txt";

struct FeffLaunch {
  std::string program_path;  // absolute: <run directory>/feff.exe
  // Empty: FEFF inherits the current directory and the console. Otherwise it
  // runs in this directory, reads /dev/null, and writes its output into
  // kFeffStdoutFile and kFeffStderrFile there.
  std::string scratch_directory;
};

// Starts FEFF without arguments, with the environment passed on unchanged,
// and returns at once. A program that cannot be started ends the run with
// the EProcess failure report.
pid_t start_feff(const FeffLaunch& launch);

// Waits without a time limit until that FEFF run ends. Its exit status is
// not looked at.
void wait_for_feff(pid_t pid);

// Waits without a time limit until one of the FEFF runs started here ends
// and returns its id; -1 when none is left.
pid_t wait_for_any_feff();

// Passes the bytes of a file to a standard stream (1 or 2) unchanged; a
// file that is missing passes nothing.
void pass_on_file(const std::string& path, int stream);

}  // namespace tolva64
