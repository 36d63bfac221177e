#include "tolva64/average_run.hpp"

#include "common/cluster_list.hpp"
#include "common/file_system.hpp"
#include "tolva64/console.hpp"
#include "tolva64/orderly_stop.hpp"
#include "tolva64/spectrum_average.hpp"
#include "tolva64/spectrum_files.hpp"
#include "tolva64/spectrum_spread.hpp"

namespace tolva64 {

namespace {

struct ResultTotals {
  SpectrumTotals sums;  // the same sums a plain run over all the clusters builds
  SpectrumSpread chi_spread;
  SpectrumSpread mu_spread;
};

void gather_one(const common::ClusterEntry& line, const std::string& path,
                const char* average_name, SpectrumSum& sum, SpectrumSpread& spread) {
  if (!common::file_exists(path)) {
    report_missing_result(line.number, line.name, path, average_name);
    return;
  }
  Spectrum spectrum = read_spectrum_file(path);
  add_spectrum(sum, spectrum);
  add_to_spread(spread, spectrum);
}

void gather_cluster_results(const RunFiles& files, ResultTotals& totals) {
  common::ClusterListReader list(files.cluster_list);
  while (std::optional<common::ClusterEntry> line = list.next()) {
    std::string suffix = common::cluster_suffix(line->number);
    gather_one(*line, chi_spectrum_name(suffix), "chi(k)", totals.sums.chi, totals.chi_spread);
    gather_one(*line, mu_spectrum_name(suffix), "mu(E)", totals.sums.mu, totals.mu_spread);
  }
  list.close();
}

// The averages as the plain run writes them, then the deviation and the
// error files, each kind only when a file of it was read.
void write_result_averages(const ResultTotals& totals) {
  write_averages(totals.sums);
  if (totals.sums.chi.files > 0) {
    publish_spectrum_file(standard_deviation(totals.chi_spread), kChiDeviationName);
    publish_spectrum_file(standard_error(totals.chi_spread), kChiErrorName);
  }
  if (totals.sums.mu.files > 0) {
    publish_spectrum_file(standard_deviation(totals.mu_spread), kMuDeviationName);
    publish_spectrum_file(standard_error(totals.mu_spread), kMuErrorName);
  }
}

}  // namespace

int run_average(const RunFiles& files) {
  ResultTotals totals;

  print_banner();                                   // 1. banner
  check_cluster_list(files);                        // 2. only conf.dat is needed
  gather_cluster_results(files, totals);            // 3. xt.<n>, mu.<n> in list order
  write_result_averages(totals);                    // 4. averages and spread
  print_average_closing_lines(totals.sums.chi.files, totals.sums.mu.files);  // 5. closing
  return kExitDone;
}

}  // namespace tolva64
