#pragma once
// SIGTERM, SIGINT and SIGHUP stop a run: the running module is ended and the
// scratch folder removed before the driver ends by the same signal. They stay
// blocked for the whole run and are taken only where the run can stop
// cleanly; SIGCHLD too, so that one wait sees a module end or a stop.
#include <signal.h>

#include <optional>

namespace feff8l {

struct RunSignals {
  sigset_t stop_signals;      // those of SIGTERM, SIGINT, SIGHUP not ignored at start
  sigset_t wait_signals;      // stop_signals and SIGCHLD
  sigset_t original_mask;     // what the modules start with
};

// Blocks the run's signals. A signal that the parent left ignored stays
// ignored (a run under nohup goes on after a hangup), and SIGCHLD gets its
// default action back so that ended modules can be waited for.
RunSignals block_run_signals();

// A stop signal that has arrived and not been taken yet.
std::optional<int> take_stop_signal(const RunSignals& signals);

// Ends the driver by the signal, as if it had not been blocked.
[[noreturn]] void end_by_signal(int signal_number);

}  // namespace feff8l
