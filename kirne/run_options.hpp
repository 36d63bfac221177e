#pragma once
// The options in front of the positional arguments: --pbc, --cell and
// --type-map. They are taken out before the usual argument rules apply,
// mode keywords included.
#include <string>
#include <vector>

#include "kirne/run_parameters.hpp"
#include "kirne/run_stop.hpp"

namespace kirne {

// Moves every leading argument that starts with "--" (and the values it
// takes) into the parameters and leaves the rest in `args`. "--" alone
// ends the options. An option that is unknown or whose value cannot be
// read stops the run.
MaybeStop take_options(std::vector<std::string>& args, RunParameters& parameters);

}  // namespace kirne
