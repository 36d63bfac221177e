#pragma once
// What becomes of FEFF's result files for one cluster: checked, converted
// into the per-cluster spectra, published together, and added to the run's
// sums. The plain and the parallel run both finish each cluster here.
#include <string>

#include "tolva64/feff_process.hpp"
#include "tolva64/input_record.hpp"
#include "tolva64/run_files.hpp"
#include "tolva64/spectrum_average.hpp"

namespace tolva64 {

// Converts files.chi_result into xt.<suffix> and files.xmu_result into
// mu.<suffix>, with the record of what they were made from beside them, and
// deletes what FEFF left. The cluster keeps a result only when FEFF ended
// with status 0 and left both files, each whole and readable, with rows that
// match the run's first cluster (unless the averages are taken on a common
// grid). Returns what kept it from a result, or nothing when it has one.
std::string convert_cluster_results(const RunFiles& files, const std::string& suffix,
                                    const FeffEnd& end, const InputRecord& made_from,
                                    SpectrumTotals& totals);

}  // namespace tolva64
