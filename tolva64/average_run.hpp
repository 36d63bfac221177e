#pragma once
// The averaging run (--average): the averages over every cluster of the list
// from the per-cluster files alone, without FEFF; the last step after the
// shards of a job array.
#include "tolva64/run_files.hpp"
#include "tolva64/run_options.hpp"

namespace tolva64 {

// Reads xt.<ext> and mu.<ext> of every line of the cluster list, in list
// order, and writes the averages as the plain run writes them, then the
// standard deviation and the standard error. A cluster without both files,
// or whose record shows them made from other inputs than the cluster file,
// pot.dat and feff.dat there now, is reported and left out of both
// averages. An input that is absent is not compared, nor are the potentials
// left out, which --average, given no options, cannot know. Returns the exit
// code: 0, or 3 and 4 when some or all clusters have no results to average.
int run_average(const RunFiles& files, const RunOptions& options);

}  // namespace tolva64
