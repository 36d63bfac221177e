#pragma once
// Configuration 1 with one absorber per configuration: the bounding box of
// the atoms, its centre, the distance range of the distribution tables, and
// the absorber atom that every used configuration then keeps.
#include <cstdint>

#include "kirne/frame.hpp"
#include "kirne/run_parameters.hpp"
#include "kirne/run_stop.hpp"

namespace kirne {

// Lowers `row_limit` to the smallest half extent of the box, then sets
// `absorber_number` to the given atom number or, when none is given, to the
// atom of the absorber type nearest the box centre (the lowest number among
// equals). Stops the run when no atom of the absorber type is present or
// the given atom number is not in the configuration. Test mode writes what
// it found on the console.
MaybeStop choose_absorber(const Frame& frame, const RunParameters& parameters, double& row_limit,
                          std::int32_t& absorber_number);

}  // namespace kirne
