#pragma once
// The clusters of a parallel run from the moment their input is composed to
// the moment their results are kept. Up to N FEFF runs go on at once and end
// in any order; the clusters are finished strictly in cluster order, so the
// console lines, the per-cluster files and the sums come out as in a run of
// one cluster after the other. The progress line stands only while the
// window waits for FEFF, so it never meets a line of the console.
#include <deque>
#include <string>

#include "common/cluster_list.hpp"
#include "tolva64/cluster_input.hpp"
#include "tolva64/failed_clusters.hpp"
#include "tolva64/feff_process.hpp"
#include "tolva64/input_record.hpp"
#include "tolva64/run_files.hpp"
#include "tolva64/run_progress.hpp"
#include "tolva64/spectrum_average.hpp"

namespace tolva64 {

// One cluster of the window, with the lines it prints when its turn comes.
struct WindowEntry {
  common::ClusterEntry line;
  std::string suffix;
  std::string lone_file;   // the one spectrum file of a half-done cluster
  ClusterInput input;      // warnings, notes, or why it is refused
  InputRecord made_from;   // what its results are made from
  bool run_feff = false;   // false: done already, or refused
  std::string scratch;
  FeffRun run;
  FeffEnd end;
  bool running = false;
};

class ClusterWindow {
 public:
  ClusterWindow(int jobs, bool keep_scratch, const RunFiles& files, SpectrumTotals& totals,
                FailedClusters& failed, RunProgress& progress);
  ClusterWindow(const ClusterWindow&) = delete;
  ClusterWindow& operator=(const ClusterWindow&) = delete;

  // A cluster that runs no FEFF: only its lines are due, in turn.
  void add_without_feff(WindowEntry entry);

  // Returns once another FEFF run may start, finishing what it can meanwhile.
  void make_room();

  // Starts FEFF on the input already composed in entry.scratch.
  void start(WindowEntry entry);

  // Waits for every FEFF run and finishes every cluster still held.
  void finish_all();

 private:
  void finish_ready();
  void wait_for_one();
  void finish(const WindowEntry& entry);

  int jobs_;
  bool keep_scratch_;
  const RunFiles& files_;
  SpectrumTotals& totals_;
  FailedClusters& failed_;
  RunProgress& progress_;
  std::string program_path_;
  std::deque<WindowEntry> entries_;
  int running_ = 0;
};

}  // namespace tolva64
