#pragma once
// The smooth atomic absorption mu0 that the fine structure rides on.

namespace feff_standin {

// Energy above E0 (eV) at which mu0 is 1.
inline constexpr double kNormalisationEnergy = 50.0;

// mu0 at e eV above the edge energy e0: an edge step broadened to a width of
// a couple of eV, falling as the photon energy to the power -3 above it, and
// normalised to 1 at e = 50 eV.
double atomic_background(double e, double e0);

}  // namespace feff_standin
