#include "tolva64/cluster_window.hpp"

#include "common/file_system.hpp"
#include "tolva64/cluster_results.hpp"
#include "tolva64/console.hpp"
#include "tolva64/scratch_directory.hpp"

namespace tolva64 {

namespace {

// Results that wait behind a slow cluster are held up to this many times the
// number of FEFF runs, so their scratch directories do not pile up.
constexpr std::size_t kHeldPerJob = 4;

}  // namespace

ClusterWindow::ClusterWindow(int jobs, bool keep_scratch, const RunFiles& files,
                             SpectrumTotals& totals, FailedClusters& failed,
                             RunProgress& progress)
    : jobs_(jobs),
      keep_scratch_(keep_scratch),
      files_(files),
      totals_(totals),
      failed_(failed),
      progress_(progress),
      program_path_(common::current_directory() + "/" + files.feff_program) {}

void ClusterWindow::add_without_feff(WindowEntry entry) {
  entries_.push_back(std::move(entry));
  finish_ready();
}

void ClusterWindow::make_room() {
  std::size_t most_held = kHeldPerJob * static_cast<std::size_t>(jobs_);
  while (running_ >= jobs_ || entries_.size() >= most_held) wait_for_one();
}

void ClusterWindow::start(WindowEntry entry) {
  std::string directory = common::current_directory() + "/" + entry.scratch;
  entry.run = start_feff({program_path_, directory, directory + "/" + kFeffGroupRecord});
  entry.running = true;
  entries_.push_back(std::move(entry));
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
  FeffEnd end;
  progress_.show();
  pid_t pid = wait_for_any_feff(end);
  progress_.hide();
  for (WindowEntry& entry : entries_) {
    // No child left to wait for: they have all ended unseen.
    if (!entry.running || (pid >= 0 && entry.run.pid != pid)) continue;
    entry.end = end;
    entry.running = false;
    feff_run_ended(entry.run);
    --running_;
  }
  finish_ready();
}

void ClusterWindow::finish_ready() {
  while (!entries_.empty() && !entries_.front().running) {
    finish(entries_.front());
    entries_.pop_front();
  }
}

// The lines a plain run prints for the cluster, FEFF's own output where FEFF
// would have printed it, then the conversion into the run directory.
void ClusterWindow::finish(const WindowEntry& entry) {
  print_cluster_lines(entry.line.name);
  if (!entry.lone_file.empty()) {
    report_half_done(entry.line.number, entry.line.name, entry.lone_file);
  }
  print_input_lines(entry.input);
  if (entry.input.status == InputStatus::Refused) {
    failed_.report(entry.line.number, entry.line.name, entry.input.refusal);
    progress_.cluster_done();
  }
  if (!entry.run_feff) return;
  progress_.cluster_done();
  announce_feff(entry.line.number, entry.line.name);
  pass_on_file(entry.scratch + "/" + kFeffStdoutFile, 1);
  pass_on_file(entry.scratch + "/" + kFeffStderrFile, 2);
  RunFiles in_scratch = files_;
  in_scratch.chi_result = entry.scratch + "/" + files_.chi_result;
  in_scratch.xmu_result = entry.scratch + "/" + files_.xmu_result;
  std::string problem =
      convert_cluster_results(in_scratch, entry.suffix, entry.end, entry.made_from, totals_);
  if (problem.empty()) {
    forget_kept_scratch_directory(entry.suffix);
  } else {
    // FEFF's logs say why; they go with the directory unless it is kept here.
    const std::string kept =
        keep_scratch_ ? "" : keep_failed_scratch_directory(entry.scratch, entry.suffix);
    if (!kept.empty()) problem += "; its files are kept in " + kept;
    failed_.report(entry.line.number, entry.line.name, problem);
  }
  if (!keep_scratch_) remove_scratch_directory(entry.scratch);
}

}  // namespace tolva64
