#pragma once
// The model functions of the single-scattering EXAFS equation. Lengths in Å,
// wave numbers in Å^-1, phases in radians, energies in eV.

namespace feff_standin {

// hbar^2 / 2m for the photoelectron, in eV Å^2: E = kHbar2Over2m * k^2.
inline constexpr double kHbar2Over2m = 3.80998;

// |f(k)| of a backscatterer with atomic number z, in Å.
double backscattering_amplitude(int z, double k);

// Phase of the backscattering amplitude of atomic number z.
double backscattering_phase(int z, double k);

// Phase shift of the outgoing p wave in the absorber of atomic number z.
double central_phase(int z, double k);

// Mean free path (Å) of the photoelectron with wave number k > 0: inelastic
// losses and the core-hole lifetime together.
double mean_free_path(double k);

}  // namespace feff_standin
