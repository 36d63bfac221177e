#pragma once
// The averaging run (--average): the averages over every cluster of the list
// from the per-cluster files alone, without FEFF; the last step after the
// shards of a job array.
#include "tolva64/run_files.hpp"

namespace tolva64 {

// Reads xt.<ext> and mu.<ext> of every line of the cluster list, in list
// order, and writes the averages as the plain run writes them, then the
// standard deviation and the standard error of each kind that was found.
// Each missing file is reported and left out of its count. Returns the exit
// code.
int run_average(const RunFiles& files);

}  // namespace tolva64
