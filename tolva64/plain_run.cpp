#include "tolva64/plain_run.hpp"

#include "common/cluster_list.hpp"
#include "common/file_system.hpp"
#include "tolva64/cluster_input.hpp"
#include "tolva64/cluster_results.hpp"
#include "tolva64/console.hpp"
#include "tolva64/failed_clusters.hpp"
#include "tolva64/feff_process.hpp"
#include "tolva64/interruption.hpp"
#include "tolva64/leftovers.hpp"
#include "tolva64/orderly_stop.hpp"
#include "tolva64/result_survey.hpp"
#include "tolva64/result_totals.hpp"
#include "tolva64/run_progress.hpp"
#include "tolva64/spectrum_files.hpp"

namespace tolva64 {

namespace {

struct PlainRun {
  const RunFiles& files;
  SharedInputs shared;    // what every cluster's record holds besides its own file
  ResultSurvey survey;    // the results there before the run
  InputSettings input_settings;
  PotentialMap map;
  ClusterAtoms atoms;
  SpectrumTotals totals;  // the sums of the clusters run now
  FailedClusters failed{failed_list_name(std::nullopt)};
};

// RUNFEFF: the announcement, then FEFF in the run directory, waited for.
// FEFF files of an earlier cluster must not pass for this one's.
FeffEnd run_feff(const common::ClusterEntry& line, const RunFiles& files,
                 const RunProgress& progress) {
  announce_feff(line.number, line.name);
  progress.print_line();
  common::delete_file(files.chi_result);
  common::delete_file(files.xmu_result);
  FeffLaunch launch{common::current_directory() + "/" + files.feff_program, "",
                    kPlainFeffGroupRecord};
  return wait_for_feff(start_feff(launch));
}

void run_cluster(const common::ClusterEntry& line, const std::string& suffix, PlainRun& run,
                 const RunProgress& progress) {
  if (cluster_state(suffix) == ClusterState::HalfDone) {
    report_half_done(line.number, line.name, lone_spectrum_file(suffix));
  }
  ClusterInput input =
      prepare_feff_input(line, run.files, run.files.feff_input, run.input_settings, run.map,
                         run.atoms);
  if (input.status == InputStatus::TooManyAtoms) stop_on_cluster_size(line.name);
  print_input_lines(input);
  if (input.status == InputStatus::Refused) {
    run.failed.report(line.number, line.name, input.refusal);
    return;
  }
  const InputRecord made_from = record_for(line.name, run.shared, input.left_out);
  FeffEnd end = run_feff(line, run.files, progress);
  std::string problem = convert_cluster_results(run.files, suffix, end, made_from, run.totals);
  if (!problem.empty()) run.failed.report(line.number, line.name, problem);
}

// The potential map is read while the list is already open; each line names
// a cluster file, which must exist, and clusters not done yet are run. A
// stale result goes before its cluster is run again, so that a failure
// leaves no result rather than the stale one.
void walk_cluster_list(PlainRun& run, const RunOptions& options) {
  common::ClusterListReader list(run.files.cluster_list);
  run.input_settings = input_settings_for(run.files, options);
  if (!read_potential_map(run.files.potential_map, run.map)) {
    stop_on_map_size(run.files.potential_map);
  }
  run.shared = shared_inputs_of(run.files);
  run.survey = survey_results(run.files, run.shared, std::nullopt, [&](const std::string& name) {
    return left_out_now(name, run.input_settings, run.map, run.atoms);
  });
  print_survey_lines(run.survey);
  RunProgress progress(run.survey.clusters() - run.survey.kept());
  while (std::optional<common::ClusterEntry> line = list.next()) {
    check_cluster_file(line->number, line->name, run.files);
    print_cluster_lines(line->name);
    run.failed.count_cluster();
    std::string suffix = common::cluster_suffix(line->number);
    if (run.survey.at(line->number).state == ResultState::Stale) withdraw_cluster_spectra(suffix);
    if (cluster_done(suffix)) continue;
    run_cluster(*line, suffix, run, progress);
    progress.cluster_done();
  }
  list.close();
}

}  // namespace

int run_plain(const RunFiles& files, const RunOptions& options) {
  PlainRun run{files, {}, {}, {}, {}, {}, {}};
  run.totals.mode = options.averaging;

  print_banner();                                                  // 1. banner
  check_required_files(files);                                     // 2. the required files
  stop_feff_runs_on_interruption();                                // 3. no FEFF outlives us,
  clean_up_and_report_leftovers(files, std::nullopt, false);       //    nor a killed run's
  walk_cluster_list(run, options);                                 // 4. cluster by cluster
  AveragedClusters averaged =                                      // 5. the averages over
      write_list_averages(files, run.totals, run.survey.kept());   //    every result there
  print_closing_lines(averaged.total, averaged.run_now);           // 6. closing lines
  run.failed.close();                                              // 7. what has no result
  return run.failed.exit_code();
}

}  // namespace tolva64
