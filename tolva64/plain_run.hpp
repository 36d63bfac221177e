#pragma once
// The plain run, without options: one cluster after the other, FEFF in the
// run directory on the shared console.
#include "tolva64/run_files.hpp"

namespace tolva64 {

// Runs every cluster of the list that is not done yet and writes the
// averages over them; returns the exit code.
int run_plain(const RunFiles& files);

}  // namespace tolva64
