#pragma once
// The run with FEFF in scratch directories (--jobs, --shard): up to N
// clusters at once, all of the list or one shard of it.
#include "tolva64/run_files.hpp"
#include "tolva64/run_options.hpp"

namespace tolva64 {

// Walks the cluster list as the plain run does, with the same checks, stops,
// console lines, per-cluster files and sums, but composes each input into the
// cluster's scratch directory and keeps up to options.jobs FEFF runs going.
// Inputs are composed in cluster order, so the dummy-atom marks are those of
// the plain run.
//
// With a shard, only the shard's clusters print lines and run FEFF. Every
// other cluster before them, and every one already done, still marks the
// potential map, so each input is the one a plain run from a fresh start
// would write whichever clusters are done. A shard redoes the stale results
// of its own clusters only, and writes no averages.
// Returns the exit code (0, or 3 and 4 when clusters of the list or shard
// are left without results).
int run_in_scratch(const RunFiles& files, const RunOptions& options);

}  // namespace tolva64
