#include "tolva64/result_totals.hpp"

#include "common/cluster_list.hpp"
#include "tolva64/spectrum_files.hpp"

namespace tolva64 {

namespace {

// Every cluster of the list with both files, read back in list order. A
// plain or parallel run has redone or withdrawn every stale result by now,
// so the files there are the ones to average.
SpectrumTotals totals_from_cluster_files(const RunFiles& files, const AveragingMode& mode) {
  SpectrumTotals totals;
  totals.mode = mode;
  common::ClusterListReader list(files.cluster_list);
  while (std::optional<common::ClusterEntry> line = list.next()) {
    std::string suffix = common::cluster_suffix(line->number);
    if (cluster_done(suffix)) add_cluster_files(totals, suffix);
  }
  list.close();
  return totals;
}

}  // namespace

void add_cluster_files(SpectrumTotals& totals, const std::string& suffix) {
  add_chi(totals, read_spectrum_file(chi_spectrum_name(suffix)));
  Spectrum mu = read_spectrum_file(mu_spectrum_name(suffix));
  add_mu(totals, mu);
  remember_energies(totals.grids, mu.grid);
}

AveragedClusters write_list_averages(const RunFiles& files, const SpectrumTotals& run_totals,
                                     int from_earlier_runs) {
  const int run_now = run_totals.chi.files();
  if (from_earlier_runs == 0) {
    write_averages(run_totals, false);
    print_averaging_warnings(run_totals);
    return AveragedClusters{run_now, run_now};
  }
  SpectrumTotals totals = totals_from_cluster_files(files, run_totals.mode);
  write_averages(totals, false);
  print_averaging_warnings(totals);
  return AveragedClusters{totals.chi.files(), run_now};
}

}  // namespace tolva64
