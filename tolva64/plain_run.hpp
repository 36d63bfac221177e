#pragma once
// The plain run, without options for parallel runs: one cluster after the
// other, FEFF in the run directory on the shared console.
#include "tolva64/run_files.hpp"
#include "tolva64/run_options.hpp"

namespace tolva64 {

// Runs every cluster of the list that is not done yet, or whose results are
// stale, and writes the averages over every cluster that has results;
// returns the exit code (0, or 3 and 4 when clusters are left without
// results).
int run_plain(const RunFiles& files, const RunOptions& options);

}  // namespace tolva64
