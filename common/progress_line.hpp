#pragma once
// A progress line for long runs, on standard error and only when that is a
// terminal: logs, pipes and Slurm output files never see it, and standard
// output keeps exactly the run's own lines.
#include <chrono>
#include <string>

namespace common {

// " 37 of 100 clusters, 0:12 elapsed, about 0:20 left": the estimate assumes
// the remaining items take as long as the finished ones did on average.
std::string progress_text(long done, long total, double elapsed_seconds, const std::string& items);

class ProgressLine {
 public:
  // `items` names what is counted ("clusters").
  ProgressLine(long total, std::string items);
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;
  ~ProgressLine();

  // Redraws the line, at most a few times a second.
  void update(long done);
  // Clears the line, so the next output starts on a clean one.
  void finish();

 private:
  long total_;
  std::string items_;
  bool shown_ = false;
  bool on_terminal_;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point last_drawn_;
  std::size_t width_ = 0;
};

}  // namespace common
