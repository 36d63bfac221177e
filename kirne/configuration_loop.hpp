#pragma once
// The walk over the trajectory: read each configuration, fix the absorber in
// the first one, use the configurations the two skips select, and for every
// absorber of a used one write its cluster and add to the histograms.
#include "kirne/histograms.hpp"
#include "kirne/run_counts.hpp"
#include "kirne/run_files.hpp"
#include "kirne/run_parameters.hpp"
#include "kirne/run_stop.hpp"

namespace kirne {

// Reads from the open trajectory to its end (or the configuration limit).
// Leaves the counts, the histograms with their row limit, and the symbol
// the partial tables are named by: that of the last absorber's atom number
// in the last configuration holding it.
MaybeStop walk_configurations(const RunParameters& parameters, RunFiles& files, RunCounts& counts,
                              Histograms& histograms, Symbol& absorber_symbol);

// The end-of-run statistics: configurations read and used, absorbers in
// the last used one.
void print_statistics(const RunCounts& counts);

}  // namespace kirne
