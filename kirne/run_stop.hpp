#pragma once
// The orderly stops of a run: the user's business rather than a failed file
// operation. Steps hand a stop back to main, which ends the run through
// stop_run alone.
#include <optional>
#include <string>

namespace kirne {

struct RunStop {
  // The one line written on standard output; a stop whose exit code is not
  // 0 writes it on standard error as well.
  std::string line;
  int exit_code = 0;
  // Test mode: the run waits for Enter after the line, so it can be read.
  bool pause_after = false;
};

// A step that may stop the run gives back nothing, or the stop.
using MaybeStop = std::optional<RunStop>;

// Writes the line (and pauses, if asked), flushes and closes every open output, and ends the
// program with the stop's exit code.
[[noreturn]] void stop_run(const RunStop& stop);

// Ends the run when a step gave back a stop.
inline void stop_if(const MaybeStop& stop) {
  if (stop) stop_run(*stop);
}

}  // namespace kirne
