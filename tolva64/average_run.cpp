#include "tolva64/average_run.hpp"

#include "common/cluster_list.hpp"
#include "common/file_system.hpp"
#include "tolva64/console.hpp"
#include "tolva64/failed_clusters.hpp"
#include "tolva64/orderly_stop.hpp"
#include "tolva64/result_survey.hpp"
#include "tolva64/result_totals.hpp"
#include "tolva64/spectrum_average.hpp"
#include "tolva64/spectrum_files.hpp"

namespace tolva64 {

namespace {

// "no mu.002", "no xt.003 and no mu.003"; empty when both are there.
std::string missing_results(const std::string& chi_name, const std::string& mu_name) {
  bool chi = common::file_exists(chi_name);
  bool mu = common::file_exists(mu_name);
  if (chi && mu) return "";
  if (!chi && !mu) return "no " + chi_name + " and no " + mu_name;
  return "no " + (chi ? mu_name : chi_name);
}

// "xt.003 and mu.003 made from other inputs (changed: pot.dat)"; empty when
// the results are not stale.
std::string stale_results(const SurveyedCluster& cluster, const std::string& suffix) {
  if (cluster.state != ResultState::Stale) return "";
  return chi_spectrum_name(suffix) + " and " + mu_spectrum_name(suffix) +
         " made from other inputs (changed: " + inputs_text(cluster.changed) + ")";
}

// A cluster enters both averages or neither, so they cover the same clusters.
void gather_cluster_results(const RunFiles& files, const ResultSurvey& survey,
                            SpectrumTotals& totals, FailedClusters& failed) {
  common::ClusterListReader list(files.cluster_list);
  while (std::optional<common::ClusterEntry> line = list.next()) {
    failed.count_cluster();
    std::string suffix = common::cluster_suffix(line->number);
    std::string missing = missing_results(chi_spectrum_name(suffix), mu_spectrum_name(suffix));
    if (missing.empty()) missing = stale_results(survey.at(line->number), suffix);
    if (!missing.empty()) {
      report_missing_results(line->number, line->name, missing);
      failed.add(line->name);
      continue;
    }
    add_cluster_files(totals, suffix);
  }
  list.close();
}

}  // namespace

int run_average(const RunFiles& files, const RunOptions& options) {
  SpectrumTotals totals;
  totals.mode = options.averaging;
  FailedClusters failed(kFailedListName);

  print_banner();                                   // 1. banner
  check_cluster_list(files);                        // 2. only conf.dat is needed
  // 3. the records against the inputs that are there
  ResultSurvey survey = survey_results(files, shared_inputs_of(files), std::nullopt, {});
  if (survey.count(ResultState::Unrecorded) > 0) say(unrecorded_line(survey));
  gather_cluster_results(files, survey, totals, failed);  // 4. xt.<n>, mu.<n> in list order
  write_averages(totals, true);                     // 5. averages and spread
  print_averaging_warnings(totals);
  print_average_closing_lines(totals.chi.files(), totals.mu.files());  // 6. closing lines
  failed.close();                                   // 7. what has no result
  return failed.exit_code();
}

}  // namespace tolva64
