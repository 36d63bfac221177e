#pragma once
// The clusters of a parallel run from the moment their input is composed to
// the moment their results are kept. Up to N FEFF runs go on at once and end
// in any order; the clusters are finished strictly in cluster order, so the
// console lines, the per-cluster files and the sums come out as in a run of
// one cluster after the other.
#include <sys/types.h>

#include <deque>
#include <string>

#include "tolva64/run_files.hpp"
#include "tolva64/spectrum_average.hpp"

namespace tolva64 {

class ClusterWindow {
 public:
  ClusterWindow(int jobs, bool keep_scratch, const RunFiles& files, SpectrumTotals& totals);
  ClusterWindow(const ClusterWindow&) = delete;
  ClusterWindow& operator=(const ClusterWindow&) = delete;

  // A cluster whose results exist: only its console lines are due, in turn.
  void add_done(int number, const std::string& name);

  // Returns once another FEFF run may start, finishing what it can meanwhile.
  void make_room();

  // Starts FEFF on the input already composed in the scratch directory.
  void start(int number, const std::string& name, const std::string& suffix,
             const std::string& scratch);

  // Waits for every FEFF run and finishes every cluster still held.
  void finish_all();

 private:
  struct Entry {
    int number = 0;
    std::string name;
    std::string suffix;
    std::string scratch;   // empty for a cluster that was done already
    pid_t pid = -1;        // the FEFF run, until it has ended
  };

  void finish_ready();
  void wait_for_one();
  void finish(const Entry& entry);

  int jobs_;
  bool keep_scratch_;
  const RunFiles& files_;
  SpectrumTotals& totals_;
  std::string program_path_;
  std::deque<Entry> entries_;
  int running_ = 0;
};

}  // namespace tolva64
