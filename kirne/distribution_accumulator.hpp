#pragma once
#include "kirne/run_state.hpp"

namespace kirne {

// PRDFCALC: adds the current absorber's contributions (atom NAT0 of the
// current configuration, types in POTI) to the histograms chosen by
// FL_G2, FL_G3 and FL_G4.
void prdf_calc(RunState& state);

}  // namespace kirne
