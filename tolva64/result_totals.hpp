#pragma once
// The averages over every cluster of the list that has results, not only
// over those run now, so that a resumed run writes the averages of an
// uninterrupted one. The per-cluster files hold every value to 17 digits,
// which read back as the very doubles that were written, so their sums are
// the sums a run adds as it goes; --average takes its totals the same way.
#include <string>

#include "tolva64/run_files.hpp"
#include "tolva64/spectrum_average.hpp"

namespace tolva64 {

// Adds a cluster's xt.<ext> and mu.<ext>, read back, to the totals.
void add_cluster_files(SpectrumTotals& totals, const std::string& suffix);

// How many clusters the averages of a run cover, and how many of them ran in
// the run itself.
struct AveragedClusters {
  int total = 0;
  int run_now = 0;
};

// At the end of a plain or parallel run: the averages over every cluster of
// the list that has results, in list order, and the warnings about them.
// When none of them comes from an earlier run the run's own sums are those
// averages; otherwise every cluster's files are read back. Nothing is
// written when no cluster has results.
AveragedClusters write_list_averages(const RunFiles& files, const SpectrumTotals& run_totals,
                                     int from_earlier_runs);

}  // namespace tolva64
