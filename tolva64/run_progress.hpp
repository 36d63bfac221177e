#pragma once
// How far a run has got, on standard error and only when that is a
// terminal: the clusters run of those the run has to run, the time since the
// start and an estimate of the time left. Logs, pipes and Slurm output files
// never see it, and standard output keeps exactly the run's own lines.
//
// It must never run into the lines of the console. A parallel run holds
// FEFF's output in files and prints every line itself, so it draws one line
// that it redraws while it waits for FEFF, and clears before it prints. In a
// plain run FEFF writes to the console itself, at any moment, so there the
// progress goes out as a whole line of its own before each FEFF run starts.
//
//    3 of 8 clusters run, 0:12 elapsed, about 0:20 left
#include <chrono>

#include "common/progress_line.hpp"

namespace tolva64 {

class RunProgress {
 public:
  // `to_run`: the clusters of the list, or of the shard, that have no
  // results to keep.
  explicit RunProgress(long to_run);

  // One more cluster has run, with a result or without.
  void cluster_done() { ++done_; }

  // Plain run: the progress as a line of its own.
  void print_line() const;

  // Parallel run: draws the line while the run waits, and clears it.
  void show();
  void hide();

 private:
  long to_run_;
  long done_ = 0;
  bool on_terminal_;
  std::chrono::steady_clock::time_point start_;
  common::ProgressLine line_;
};

}  // namespace tolva64
