#pragma once
// The averages over every cluster of the list from the per-cluster files
// alone, without FEFF: the last step after the shards of a job array.
#include "tolva64/run_files.hpp"
#include "tolva64/spectrum_average.hpp"
#include "tolva64/spectrum_spread.hpp"

namespace tolva64 {

struct ResultTotals {
  SpectrumTotals sums;   // the same sums a plain run over all the clusters builds
  SpectrumSpread chi_spread;
  SpectrumSpread mu_spread;
};

// The files of the spread: "xt_std.txt", "xt_sem.txt", "mu_std.txt", "mu_sem.txt".
struct SpreadFiles {
  std::string chi_deviation = "xt_std.txt";
  std::string chi_error = "xt_sem.txt";
  std::string mu_deviation = "mu_std.txt";
  std::string mu_error = "mu_sem.txt";
};

// Reads xt.<ext> and mu.<ext> of every line of the cluster list, in list
// order, into the sums and the spreads. Each missing file is reported with
// its line number and cluster name and left out of its count.
void gather_cluster_results(const RunFiles& files, ResultTotals& totals);

// The averages as the plain run writes them, then the deviation and the
// error files, each kind only when a file of it was read.
void write_result_averages(const RunFiles& files, const SpreadFiles& spread_files,
                           const ResultTotals& totals);

void print_average_closing_lines(const RunFiles& files, const SpreadFiles& spread_files,
                                 const ResultTotals& totals);

}  // namespace tolva64
