#pragma once
// Starting the outside program FEFF and waiting for it. The plain run starts
// one FEFF in the run directory on the shared console; the parallel run
// starts several, each in a scratch directory of its own with its console
// output caught in files there, and waits for them as they end.
//
// Each FEFF runs in a process group of its own. While it runs, its group id
// stands in a small record file beside it, so that a later run can find and
// stop a FEFF that a killed tolva64 left behind (leftovers.hpp).
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
  std::string group_record;  // where the group id is kept while FEFF runs
};

// The record of a FEFF run's process group: in its scratch directory, or in
// the run directory for the plain run's FEFF.
inline constexpr const char* kFeffGroupRecord = "feff.pgid";
inline constexpr const char* kPlainFeffGroupRecord = "tolva64.feff.pgid";

struct FeffRun {
  pid_t pid = -1;  // also the id of its process group
  std::string group_record;
};

// How a FEFF run ended: only a normal exit with status 0 is a success.
struct FeffEnd {
  int wait_status = 0;
  bool succeeded() const;
  // "FEFF exited with status 1", "FEFF was ended by signal 9".
  std::string description() const;
};

// Starts FEFF without arguments, with the environment passed on unchanged,
// and returns at once. A program that cannot be started ends the run with
// the EProcess failure report.
FeffRun start_feff(const FeffLaunch& launch);

// Waits without a time limit until that FEFF run ends.
FeffEnd wait_for_feff(const FeffRun& run);

// Waits without a time limit until one of the FEFF runs started here ends;
// its id, or -1 when none is left. Call feff_run_ended for it.
pid_t wait_for_any_feff(FeffEnd& end);

// Drops the record and the tracking of a run that has ended.
void feff_run_ended(const FeffRun& run);

// Passes the bytes of a file to a standard stream (1 or 2) unchanged; a
// file that is missing passes nothing.
void pass_on_file(const std::string& path, int stream);

}  // namespace tolva64
