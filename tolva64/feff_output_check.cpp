#include "tolva64/feff_output_check.hpp"

#include <algorithm>
#include <cmath>

namespace tolva64 {

namespace {

std::string rows_problem(const char* name, std::size_t rows, std::size_t expected) {
  return std::string(name) + " has " + std::to_string(rows) + " rows where the run's first " +
         "cluster has " + std::to_string(expected);
}

std::string one_problem(const char* name, const std::vector<double>& k,
                        const std::vector<double>& reference_k) {
  if (k.size() != reference_k.size()) return rows_problem(name, k.size(), reference_k.size());
  if (k != reference_k) {
    return std::string(name) + " has another k grid than the run's first cluster";
  }
  return "";
}

}  // namespace

std::string grid_problem(const GridReference& reference, const FeffReading& chi,
                         const FeffReading& xmu) {
  if (!reference.set) return "";
  std::string problem = one_problem("chi.dat", chi.k, reference.chi_k);
  if (problem.empty()) problem = one_problem("xmu.dat", xmu.k, reference.mu_k);
  return problem;
}

void remember_energies(GridReference& reference, const std::vector<double>& energies) {
  if (reference.mu_energy.empty()) {
    reference.mu_energy = energies;
    return;
  }
  std::size_t rows = std::min(reference.mu_energy.size(), energies.size());
  for (std::size_t i = 0; i < rows; ++i) {
    double shift = std::fabs(energies[i] - reference.mu_energy[i]);
    reference.largest_energy_shift = std::max(reference.largest_energy_shift, shift);
  }
}

void remember_grids(GridReference& reference, const FeffReading& chi, const FeffReading& xmu) {
  if (!reference.set) {
    reference.set = true;
    reference.chi_k = chi.k;
    reference.mu_k = xmu.k;
  }
  remember_energies(reference, xmu.spectrum.grid);
}

}  // namespace tolva64
