#pragma once
// What becomes of FEFF's result files for one cluster: the per-cluster
// spectra, published together, and their share of the run's sums.
#include <string>

#include "tolva64/run_files.hpp"
#include "tolva64/spectrum_average.hpp"

namespace tolva64 {

// Converts chi_result into chi_spectrum and xmu_result into mu_spectrum,
// each only if FEFF left it, and deletes what FEFF left. The spectra enter
// the sums and appear under their final names only after both inputs have
// been read: a cluster stopped half-way has no result file, so the next run
// does it again. A FEFF file without its column heading is reported and
// keeps the whole cluster out of the sums and out of the finished clusters.
void convert_cluster_results(const RunFiles& files, const std::string& chi_spectrum,
                             const std::string& mu_spectrum, SpectrumTotals& totals);

}  // namespace tolva64
