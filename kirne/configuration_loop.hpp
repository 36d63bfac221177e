#pragma once
// The walk over the trajectory: read each configuration, fix the absorber in
// the first one, use the configurations the two skips select, write a
// cluster (and add to the histograms) for every absorber of a used one, and
// finish with the statistics and the distribution output.
#include "kirne/run_state.hpp"

namespace kirne {

// Runs from the open trajectory to the end of the run; closes FV, conf.dat
// and, in test mode, ttt.xyz.
void run_configuration_loop(RunState& state);

// Counts the skips down; true when the configuration just read is used.
bool configuration_used(RunState& state);

}  // namespace kirne
