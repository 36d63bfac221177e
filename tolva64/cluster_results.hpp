#pragma once
// What becomes of FEFF's result files for one cluster: the per-cluster
// spectra, published together, and their share of the run's sums. The plain
// and the parallel run both finish each cluster here.
#include <string>

#include "tolva64/run_files.hpp"
#include "tolva64/spectrum_average.hpp"

namespace tolva64 {

// Converts files.chi_result into xt.<suffix> and files.xmu_result into
// mu.<suffix>, each only if FEFF left it, and deletes what FEFF left. The
// spectra enter the sums and appear under their final names only after both
// inputs have been read: a cluster stopped half-way has no result file, so
// the next run does it again. A FEFF file without its column heading is
// reported and keeps the whole cluster out of the sums and out of the
// finished clusters.
void convert_cluster_results(const RunFiles& files, const std::string& suffix,
                             SpectrumTotals& totals);

}  // namespace tolva64
