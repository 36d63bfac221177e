#pragma once
// The texts of chi.dat and xmu.dat, laid out like the real program's files:
// a few "#" lines, the column heading, then one row per k point, LF line ends.
#include <string>
#include <vector>

#include "feff_standin/exafs_sum.hpp"

namespace feff_standin {

// What the header lines report about the run.
struct RunSummary {
  std::vector<std::string> titles;
  int absorber_z = 0;
  Edge edge = Edge::K;
  double edge_energy = 0.0;  // E0, eV
  double s02 = 1.0;
  double sig2 = 0.0;
  double rmax = 0.0;
  int scatterers = 0;
};

inline constexpr const char* kChiHeading = "#       k          chi          mag           phase @#";
inline constexpr const char* kXmuHeading = "#  omega    e    k    mu    mu0     chi     @#";

// Rows "%11.4f %15.6E %13.6E %13.6E": k, chi, mag, phase.
std::string chi_dat_text(const RunSummary& run, const std::vector<SpectrumRow>& rows);

// Rows "%12.3f %10.3f %7.3f %12.5E %12.5E %12.5E": omega = E0 + e, e = hbar^2 k^2 / 2m,
// k, mu = mu0 (1 + chi), mu0, chi.
std::string xmu_dat_text(const RunSummary& run, const std::vector<SpectrumRow>& rows);

}  // namespace feff_standin
