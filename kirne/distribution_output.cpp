#include "kirne/distribution_output.hpp"

namespace kirne {

void prdf_save(const RunState&) {}

}  // namespace kirne
