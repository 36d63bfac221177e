#include "kirne/distribution_accumulator.hpp"

namespace kirne {

void prdf_calc(RunState&) {}

}  // namespace kirne
