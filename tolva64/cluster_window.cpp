#include "tolva64/cluster_window.hpp"

#include "common/file_system.hpp"
#include "tolva64/cluster_results.hpp"
#include "tolva64/console.hpp"
#include "tolva64/feff_process.hpp"
#include "tolva64/scratch_directory.hpp"

namespace tolva64 {

namespace {

// Results that wait behind a slow cluster are held up to this many times the
// number of FEFF runs, so their scratch directories do not pile up.
constexpr std::size_t kHeldPerJob = 4;

}  // namespace

ClusterWindow::ClusterWindow(int jobs, bool keep_scratch, const RunFiles& files,
                             SpectrumTotals& totals)
    : jobs_(jobs),
      keep_scratch_(keep_scratch),
      files_(files),
      totals_(totals),
      program_path_(common::current_directory() + "/" + files.feff_program) {}

void ClusterWindow::add_done(int number, const std::string& name) {
  entries_.push_back(Entry{number, name, "", "", -1});
  finish_ready();
}

void ClusterWindow::make_room() {
  std::size_t most_held = kHeldPerJob * static_cast<std::size_t>(jobs_);
  while (running_ >= jobs_ || entries_.size() >= most_held) wait_for_one();
}

void ClusterWindow::start(int number, const std::string& name, const std::string& suffix,
                          const std::string& scratch) {
  pid_t pid = start_feff({program_path_, common::current_directory() + "/" + scratch});
  entries_.push_back(Entry{number, name, suffix, scratch, pid});
  ++running_;
}

void ClusterWindow::finish_all() {
  while (!entries_.empty()) wait_for_one();
}

// Every entry held is either running or waits for one in front of it that
// runs, so there is always a FEFF run to wait for.
void ClusterWindow::wait_for_one() {
  finish_ready();
  if (running_ == 0) return;
  pid_t pid = wait_for_any_feff();
  if (pid < 0) {
    // No child is left to wait for: they have all ended unseen.
    for (Entry& entry : entries_) entry.pid = -1;
    running_ = 0;
  }
  for (Entry& entry : entries_) {
    if (entry.pid == pid) {
      entry.pid = -1;
      --running_;
    }
  }
  finish_ready();
}

void ClusterWindow::finish_ready() {
  while (!entries_.empty() && entries_.front().pid < 0) {
    finish(entries_.front());
    entries_.pop_front();
  }
}

// The lines a plain run prints for the cluster, FEFF's own output where FEFF
// would have printed it, then the conversion into the run directory.
void ClusterWindow::finish(const Entry& entry) {
  print_cluster_lines(entry.name);
  if (entry.scratch.empty()) return;
  announce_feff(entry.number, entry.name);
  pass_on_file(entry.scratch + "/" + kFeffStdoutFile, 1);
  pass_on_file(entry.scratch + "/" + kFeffStderrFile, 2);
  RunFiles in_scratch = files_;
  in_scratch.chi_result = entry.scratch + "/" + files_.chi_result;
  in_scratch.xmu_result = entry.scratch + "/" + files_.xmu_result;
  convert_cluster_results(in_scratch, entry.suffix, totals_);
  if (!keep_scratch_) remove_scratch_directory(entry.scratch);
}

}  // namespace tolva64
