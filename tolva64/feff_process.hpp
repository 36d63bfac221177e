#pragma once
// FEFF runs that go on beside each other: each started in a directory of its
// own, with its console output caught in files there, and waited for as they
// end, in whatever order that is.
#include <sys/types.h>

#include <string>

namespace tolva64 {

// What FEFF writes to standard output and standard error, in its directory.
inline constexpr const char* FEFF_STDOUT_FILE = "feff_stdout.txt";
inline constexpr const char* FEFF_STDERR_FILE = "feff_stderr.txt";

// Starts `program_path` (an absolute path) without arguments, with
// `directory` as its working directory, standard input from /dev/null and its
// output into the two files above, and returns at once. The environment is
// passed on unchanged. A program that cannot be started ends the run with the
// EProcess failure report.
pid_t start_feff_in(const std::string& program_path, const std::string& directory);

// Waits without a time limit until one of the FEFF runs started here ends
// and returns its id. Its exit status is not looked at.
pid_t wait_for_any_feff();

// Passes the bytes of a file to a standard stream (1 or 2) unchanged; a
// file that is missing passes nothing.
void pass_on_file(const std::string& path, int stream);

}  // namespace tolva64
