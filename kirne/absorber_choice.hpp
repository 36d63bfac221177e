#pragma once
// Configuration 1 with one absorber per configuration: the bounding box of
// the atoms, its centre, the distance range of the distribution output, and
// the absorber atom that every used configuration then keeps.
#include "kirne/run_state.hpp"

namespace kirne {

// Sets MAXR to the smaller of 500000 and the smallest half extent of the box,
// X0/Y0/Z0 to the box centre, and NAT0 to ICENTATOM or, when that is 0, to
// the atom of the absorber type nearest the centre (the lowest number among
// equals). Stops the run when no atom of the absorber type is present or
// the given atom number is not in the configuration.
void choose_absorber(RunState& state);

}  // namespace kirne
