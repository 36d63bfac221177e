#include "feff8l/run_signals.hpp"

#include <cstdlib>
#include <ctime>

namespace feff8l {

RunSignals block_run_signals() {
  RunSignals signals;
  sigemptyset(&signals.stop_signals);
  for (int stop : {SIGTERM, SIGINT, SIGHUP}) {
    struct sigaction current {};
    sigaction(stop, nullptr, &current);
    if (current.sa_handler != SIG_IGN) sigaddset(&signals.stop_signals, stop);
  }
  signals.wait_signals = signals.stop_signals;
  sigaddset(&signals.wait_signals, SIGCHLD);
  signal(SIGCHLD, SIG_DFL);
  sigprocmask(SIG_BLOCK, &signals.wait_signals, &signals.original_mask);
  return signals;
}

std::optional<int> take_stop_signal(const RunSignals& signals) {
  const timespec no_wait{0, 0};
  const int taken = sigtimedwait(&signals.stop_signals, nullptr, &no_wait);
  if (taken > 0) return taken;
  return std::nullopt;
}

void end_by_signal(int signal_number) {
  signal(signal_number, SIG_DFL);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signal_number);
  raise(signal_number);  // pending until unblocked just below
  sigprocmask(SIG_UNBLOCK, &only, nullptr);
  // Not reached for the stop signals; kept for a signal that does not end us.
  std::_Exit(128 + signal_number);
}

}  // namespace feff8l
