#pragma once
// Children of the randomized test: a function run in a forked copy of this
// process, or a program run in a directory; both under a time limit, so a
// hang shows as a kill by SIGALRM instead of a stalled test.
#include <functional>
#include <string>
#include <vector>

namespace kirne_fuzz {

struct ChildResult {
  bool exited = false;  // false: ended by a signal
  int code = 0;         // exit code, or the signal number
  std::string out;
  std::string err;
};

// Runs body() in a forked child whose standard output goes nowhere; the
// child exits 0 when body returns.
ChildResult run_forked(const std::function<void()>& body, unsigned seconds);

// Runs the program with arguments in `dir`, feeding `input` on stdin. With
// `max_file_bytes` > 0 no file may grow past that size (RLIMIT_FSIZE), so
// a write fails there as on a full disk; the program's own output comes
// through pipes, which the limit leaves alone.
ChildResult run_in_dir(const std::string& program, const std::vector<std::string>& args,
                       const std::string& dir, const std::string& input, unsigned seconds,
                       long max_file_bytes = 0);

}  // namespace kirne_fuzz
