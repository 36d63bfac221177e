#pragma once
// The single-scattering sum over the atoms around the absorber.
#include <vector>

#include "feff_standin/feff_input.hpp"

namespace feff_standin {

inline constexpr double kGridStep = 0.05;  // Å^-1, the k grid of the result files

struct Scatterer {
  double distance = 0.0;  // Å from the absorber
  int z = 0;
};

// The absorber and the atoms that take part in the sum.
struct Cluster {
  int absorber_z = 0;
  std::vector<Scatterer> scatterers;
};

struct SpectrumRow {
  double k = 0.0;
  double chi = 0.0;
  double mag = 0.0;    // modulus of the complex sum whose imaginary part is chi
  double phase = 0.0;  // its argument, kept continuous from row to row
};

// Picks the absorber (the first atom of potential 0) and every other atom
// within RMAX of it. Atoms beyond RMAX are never looked at further, so
// placeholder and dummy atoms far away do no harm. Throws InputError when
// there is no absorber, when a needed potential has no POTENTIALS line, or
// when an atom sits on the absorber.
Cluster select_cluster(const FeffInput& input);

// chi(k) on the grid 0, 0.05, ... up to kmax; the k = 0 row is all zeros.
std::vector<SpectrumRow> exafs_spectrum(const Cluster& cluster, const FeffInput& input);

}  // namespace feff_standin
