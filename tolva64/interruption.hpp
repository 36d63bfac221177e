#pragma once
// Stops of tolva64 from outside. SIGTERM, SIGINT and SIGHUP stop every FEFF
// run it has going before tolva64 itself ends by the same signal: each FEFF
// runs in a process group of its own, which the handler kills whole, so a
// FEFF made of several programs goes with it. (SIGKILL cannot be caught; the
// next run cleans up after it, see leftovers.hpp.)
#include <sys/types.h>

namespace tolva64 {

// Installs the handlers once; the FEFF runs are tracked from then on.
void stop_feff_runs_on_interruption();

// Holds off the three signals while a FEFF run is started and registered,
// so none can slip between the two and leave it running.
class InterruptionHold {
 public:
  InterruptionHold();
  ~InterruptionHold();
  InterruptionHold(const InterruptionHold&) = delete;
  InterruptionHold& operator=(const InterruptionHold&) = delete;
};

// The process group of a FEFF run that has started, and its end.
void track_feff_group(pid_t group);
void forget_feff_group(pid_t group);

}  // namespace tolva64
