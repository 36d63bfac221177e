#include "common/progress_line.hpp"

#include <unistd.h>

#include <cmath>

namespace common {

namespace {

std::string minutes_and_seconds(double seconds) {
  long whole = std::lround(seconds);
  std::string text = std::to_string(whole / 60) + ":";
  long rest = whole % 60;
  return text + (rest < 10 ? "0" : "") + std::to_string(rest);
}

void write_to_stderr(const std::string& text) {
  // The line is a courtesy: a failed write is not worth stopping a run for.
  std::size_t done = 0;
  while (done < text.size()) {
    ssize_t n = ::write(STDERR_FILENO, text.data() + done, text.size() - done);
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

}  // namespace

std::string progress_text(long done, long total, double elapsed_seconds,
                          const std::string& items) {
  std::string text = " " + std::to_string(done) + " of " + std::to_string(total) + " " + items +
                     ", " + minutes_and_seconds(elapsed_seconds) + " elapsed";
  if (done <= 0 || done >= total) return text;
  double left = elapsed_seconds / static_cast<double>(done) * static_cast<double>(total - done);
  return text + ", about " + minutes_and_seconds(left) + " left";
}

ProgressLine::ProgressLine(long total, std::string items)
    : total_(total),
      items_(std::move(items)),
      on_terminal_(::isatty(STDERR_FILENO) == 1),
      start_(std::chrono::steady_clock::now()),
      last_drawn_(start_) {}

ProgressLine::~ProgressLine() { finish(); }

void ProgressLine::update(long done) {
  if (!on_terminal_) return;
  const auto now = std::chrono::steady_clock::now();
  if (shown_ && now - last_drawn_ < std::chrono::milliseconds(250) && done < total_) return;
  const std::chrono::duration<double> elapsed = now - start_;
  std::string text = progress_text(done, total_, elapsed.count(), items_);
  std::size_t width = text.size();
  if (text.size() < width_) text.append(width_ - text.size(), ' ');
  write_to_stderr("\r" + text);
  width_ = width;
  shown_ = true;
  last_drawn_ = now;
}

void ProgressLine::finish() {
  if (!shown_) return;
  write_to_stderr("\r" + std::string(width_, ' ') + "\r");
  shown_ = false;
}

}  // namespace common
