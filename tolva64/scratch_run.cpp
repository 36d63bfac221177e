#include "tolva64/scratch_run.hpp"

#include <csignal>

#include "common/cluster_list.hpp"
#include "common/file_system.hpp"
#include "tolva64/cluster_window.hpp"
#include "tolva64/console.hpp"
#include "tolva64/feff_input.hpp"
#include "tolva64/interruption.hpp"
#include "tolva64/leftovers.hpp"
#include "tolva64/orderly_stop.hpp"
#include "tolva64/result_survey.hpp"
#include "tolva64/result_totals.hpp"
#include "tolva64/run_progress.hpp"
#include "tolva64/scratch_directory.hpp"
#include "tolva64/spectrum_files.hpp"

namespace tolva64 {

namespace {

struct ScratchRun {
  const RunFiles& files;
  const RunOptions& options;
  SharedInputs shared;  // what every cluster's record holds besides its own file
  ResultSurvey survey;  // the results of the list or shard there before the run
  InputSettings input_settings;
  PotentialMap map;
  ClusterAtoms atoms;
  SpectrumTotals totals;
  FailedClusters failed;
};

// What composing the cluster's input would do to the marks, for a cluster
// whose input is not written here. Once every entry is met, nothing can
// change, and the file is not even read. A refused cluster composes nothing
// and marks nothing.
void mark_types_of(const std::string& cluster_name, ScratchRun& run) {
  if (every_entry_met(run.map)) return;
  if (!read_cluster_atoms(cluster_name, run.atoms)) stop_on_cluster_size(cluster_name);
  if (cluster_refusal(cluster_name, run.atoms).empty()) mark_types_met(run.atoms, run.map);
}

// A cluster to run: its scratch directory made, its input composed there
// (in cluster order, as the marks need), and FEFF started unless refused.
void start_cluster(WindowEntry entry, ScratchRun& run, ClusterWindow& window) {
  window.make_room();
  entry.scratch = scratch_directory_for(entry.suffix);
  prepare_scratch_directory(entry.scratch);
  const std::string input_path = entry.scratch + "/" + run.files.feff_input;
  entry.input = prepare_feff_input(entry.line, run.files, input_path, run.input_settings, run.map,
                                   run.atoms);
  if (entry.input.status == InputStatus::TooManyAtoms) {
    // The clusters before it end, and it shows its lines, as in a plain run.
    window.finish_all();
    print_cluster_lines(entry.line.name);
    stop_on_cluster_size(entry.line.name);
  }
  if (entry.input.status == InputStatus::Refused) {
    remove_scratch_directory(entry.scratch);
    window.add_without_feff(std::move(entry));
    return;
  }
  entry.made_from = record_for(entry.line.name, run.shared, entry.input.left_out);
  entry.run_feff = true;
  window.start(std::move(entry));
}

void handle_cluster(const common::ClusterEntry& line, ScratchRun& run, ClusterWindow& window) {
  const std::optional<Shard>& shard = run.options.shard;
  bool ours = !shard || shard->holds(line.number);
  WindowEntry entry;
  entry.line = line;
  entry.suffix = common::cluster_suffix(line.number);
  // A stale result goes before its cluster is run again, as in a plain run.
  if (ours && run.survey.at(line.number).state == ResultState::Stale) {
    withdraw_cluster_spectra(entry.suffix);
  }
  ClusterState state = cluster_state(entry.suffix);
  if (!ours || state == ClusterState::Done) {
    if (shard) mark_types_of(line.name, run);
    if (!ours) return;
    run.failed.count_cluster();
    window.add_without_feff(std::move(entry));
    return;
  }
  run.failed.count_cluster();
  if (state == ClusterState::HalfDone) entry.lone_file = lone_spectrum_file(entry.suffix);
  start_cluster(std::move(entry), run, window);
}

void walk_cluster_list(ScratchRun& run) {
  // FEFF runs are waited for one by one; an inherited "ignore" would let
  // them vanish unseen.
  std::signal(SIGCHLD, SIG_DFL);
  common::ClusterListReader list(run.files.cluster_list);
  run.input_settings = input_settings_for(run.files, run.options);
  if (!read_potential_map(run.files.potential_map, run.map)) {
    stop_on_map_size(run.files.potential_map);
  }
  run.shared = shared_inputs_of(run.files);
  run.survey = survey_results(run.files, run.shared, run.options.shard,
                              [&](const std::string& name) {
                                return left_out_now(name, run.input_settings, run.map, run.atoms);
                              });
  print_survey_lines(run.survey);
  RunProgress progress(run.survey.clusters() - run.survey.kept());
  ClusterWindow window(run.options.jobs, run.options.keep_scratch, run.files, run.totals,
                       run.failed, progress);
  while (std::optional<common::ClusterEntry> line = list.next()) {
    if (!common::file_exists(line->name)) {
      // The clusters before it end as they would have in a plain run.
      window.finish_all();
      check_cluster_file(line->number, line->name, run.files);
    }
    handle_cluster(*line, run, window);
  }
  list.close();
  window.finish_all();
}

}  // namespace

int run_in_scratch(const RunFiles& files, const RunOptions& options) {
  ScratchRun run{files, options, {}, {}, {}, {}, {}, {},
                 FailedClusters(failed_list_name(options.shard))};
  run.totals.mode = options.averaging;

  print_banner();                                           // 1. banner
  check_required_files(files);                              // 2. the required files
  stop_feff_runs_on_interruption();                         // 3. no FEFF outlives us,
  clean_up_and_report_leftovers(files, options.shard, options.keep_scratch);  // nor ours
  walk_cluster_list(run);                                   // 4. the clusters, N at a time
  if (options.shard) {
    print_shard_closing_lines(*options.shard);              // 5. a shard leaves the totals
  } else {                                                  // 5. the averages over
    AveragedClusters averaged =                             //    every result there
        write_list_averages(files, run.totals, run.survey.kept());
    print_closing_lines(averaged.total, averaged.run_now);
  }
  run.failed.close();                                       // 6. what has no result
  return run.failed.exit_code();
}

}  // namespace tolva64
