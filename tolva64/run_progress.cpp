#include "tolva64/run_progress.hpp"

#include <unistd.h>

#include <cstdio>
#include <string>

namespace tolva64 {

namespace {

constexpr const char* kItems = "clusters run";

}  // namespace

RunProgress::RunProgress(long to_run)
    : to_run_(to_run),
      on_terminal_(::isatty(STDERR_FILENO) == 1),
      start_(std::chrono::steady_clock::now()),
      line_(to_run, kItems) {}

void RunProgress::print_line() const {
  if (!on_terminal_) return;
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start_;
  const std::string text = common::progress_text(done_, to_run_, elapsed.count(), kItems) + "\n";
  // A courtesy like the line itself: a failed write is not worth a stop.
  std::fputs(text.c_str(), stderr);
  std::fflush(stderr);
}

void RunProgress::show() { line_.update(done_); }

void RunProgress::hide() { line_.finish(); }

}  // namespace tolva64
