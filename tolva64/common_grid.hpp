#pragma once
// Averages on one common grid (--common-grid): every spectrum is carried by
// linear interpolation onto the grid of the first spectrum averaged, and a
// row of the average covers only the grid points that every spectrum
// reaches, so nothing is extrapolated. chi(k) of FEFF shares one k grid, on
// which interpolation gives back the values as they are. mu(E) is either
// taken at the same photon energies, or, aligned on the edge, at the same
// energy above each cluster's edge: the energy of its first row, where FEFF
// puts k = 0. The aligned grid is then placed at the clusters' mean edge.
#include <optional>
#include <vector>

#include "tolva64/spectrum.hpp"
#include "tolva64/spectrum_spread.hpp"

namespace tolva64 {

struct GridAverage {
  std::vector<double> grid;  // the first spectrum's, less its edge when aligned
  SpectrumSpread rows;       // count, mean and spread of each grid point
  int files = 0;
  double edge_total = 0.0;   // sum of the edges, when aligned
};

// The value of the spectrum at x by linear interpolation between the rows
// around it (the grid rising); nothing outside the spectrum's range.
std::optional<double> interpolate(const Spectrum& spectrum, double x);

// Adds one spectrum; with align_edge, its grid is taken relative to its edge.
void add_on_common_grid(GridAverage& average, const Spectrum& spectrum, bool align_edge);

// The mean, deviation and error at each grid point that every spectrum
// reached; the grid placed at the mean edge when aligned.
SpectrumStatistics common_grid_statistics(const GridAverage& average, bool align_edge);

}  // namespace tolva64
