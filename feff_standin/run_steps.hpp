#pragma once
// The steps of one run that touch the outside world: reading feff.inp, the
// optional delay, the absorber's edge energy.
#include <string>

#include "feff_standin/feff_input.hpp"

namespace feff_standin {

// The whole text of the file; throws InputError when it cannot be read.
std::string read_input_text(const std::string& path);

// E0 of the absorber's edge from the built-in table; throws InputError when
// the table has none.
double absorber_edge_energy(int absorber_z, Edge edge);

// Seconds asked for by FEFF_STANDIN_DELAY_SECONDS: 0 when unset, not a
// number, or not positive.
double requested_delay(const char* value);

void sleep_seconds(double seconds);

}  // namespace feff_standin
