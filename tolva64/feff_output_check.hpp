#pragma once
// The grids of the first cluster a run converts, against which every later
// cluster is held while the averages are taken row by row: row I of every
// cluster must then be the same point of the spectrum. chi(k) must match
// row for row in k; mu(E) must match in k, and its energies may be shifted
// by each cluster's own Fermi level, which the run measures and reports.
#include <string>
#include <vector>

#include "tolva64/feff_output.hpp"

namespace tolva64 {

struct GridReference {
  bool set = false;
  std::vector<double> chi_k;
  std::vector<double> mu_k;
  std::vector<double> mu_energy;
  double largest_energy_shift = 0.0;  // eV, over the clusters converted so far
};

// Empty when both readings fit the reference (or there is none yet);
// otherwise what differs.
std::string grid_problem(const GridReference& reference, const FeffReading& chi,
                         const FeffReading& xmu);

// Takes the first cluster's grids as the reference; for each later one,
// notes how far its energies lie from the reference's.
void remember_grids(GridReference& reference, const FeffReading& chi, const FeffReading& xmu);

// The energy part of remember_grids alone, for spectra read back from
// tolva64's own files, which keep no k.
void remember_energies(GridReference& reference, const std::vector<double>& energies);

}  // namespace tolva64
