#pragma once
// The orderly stops of a run: the user's business rather than a failed file
// operation. Steps hand a stop back to main, which ends the run through
// stop_run alone.
#include <optional>
#include <string>

namespace kirne {

// Every orderly stop ends with this code: the run did not do what it was
// asked, and a script or a batch dependency must be able to tell. (A done
// run ends with 0, the failure report with 217.)
inline constexpr int kStoppedExitCode = 1;

struct RunStop {
  // The one line written on standard output, and as well on standard
  // error, where it is not lost among the run's other lines.
  std::string line;
  // Test mode: the run waits for Enter after the line, so it can be read.
  bool pause_after = false;
};

// A step that may stop the run gives back nothing, or the stop.
using MaybeStop = std::optional<RunStop>;

// Writes the line (and pauses, if asked), flushes and closes every open
// output, and ends the program with kStoppedExitCode.
[[noreturn]] void stop_run(const RunStop& stop);

// Ends the run when a step gave back a stop.
inline void stop_if(const MaybeStop& stop) {
  if (stop) stop_run(*stop);
}

}  // namespace kirne
