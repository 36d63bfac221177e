#include "tolva64/interruption.hpp"

#include <signal.h>

#include <atomic>

#include "common/failure.hpp"
#include "tolva64/run_options.hpp"

namespace tolva64 {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler reads the table while the run writes it: slots are atomics
// without locks, 0 when free. A parallel run holds at most kMaxJobs groups.
std::atomic<pid_t> tracked_groups[kMaxJobs];
static_assert(std::atomic<pid_t>::is_always_lock_free);

void on_interruption(int signal_number) {
  for (std::atomic<pid_t>& group : tracked_groups) {
    pid_t id = group.load();
    if (id > 0) killpg(id, SIGKILL);
  }
  // Ends as the signal would have ended it, so the caller sees which one.
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  sigaction(signal_number, &fallback, nullptr);
  raise(signal_number);
}

sigset_t interruption_signals() {
  sigset_t set;
  sigemptyset(&set);
  for (int signal_number : kSignals) sigaddset(&set, signal_number);
  return set;
}

}  // namespace

void stop_feff_runs_on_interruption() {
  struct sigaction action {};
  action.sa_handler = on_interruption;
  action.sa_mask = interruption_signals();
  for (int signal_number : kSignals) {
    struct sigaction before {};
    sigaction(signal_number, nullptr, &before);
    // A signal the caller chose to ignore (nohup) stays ignored.
    if (before.sa_handler == SIG_IGN) continue;
    sigaction(signal_number, &action, nullptr);
  }
}

InterruptionHold::InterruptionHold() {
  sigset_t set = interruption_signals();
  sigprocmask(SIG_BLOCK, &set, nullptr);
}

InterruptionHold::~InterruptionHold() {
  sigset_t set = interruption_signals();
  sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

void track_feff_group(pid_t group) {
  for (std::atomic<pid_t>& slot : tracked_groups) {
    pid_t free_slot = 0;
    if (slot.compare_exchange_strong(free_slot, group)) return;
  }
  common::program_fault("more FEFF runs at once than --jobs allows");
}

void forget_feff_group(pid_t group) {
  for (std::atomic<pid_t>& slot : tracked_groups) {
    pid_t held = group;
    if (slot.compare_exchange_strong(held, 0)) return;
  }
}

}  // namespace tolva64
