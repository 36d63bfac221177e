#pragma once
// Binding energies of the K and L shells, the absorption edge energies E0.
#include "feff_standin/feff_input.hpp"

namespace feff_standin {

inline constexpr int kMaxTabulatedZ = 92;

// Edge energy in eV of element z (1..92), or 0.0 when the element has no such
// shell or lies outside the table.
double edge_energy(int z, Edge edge);

}  // namespace feff_standin
