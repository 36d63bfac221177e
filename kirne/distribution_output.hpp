#pragma once
#include "kirne/run_state.hpp"

namespace kirne {

// PRDFSAVE: writes g2_tot.txt, g3_tot.txt, g4_tot.txt and the partial RDFs
// chosen by the flags, normalised by NCL (used configurations) and NCL3.
void prdf_save(const RunState& state);

}  // namespace kirne
