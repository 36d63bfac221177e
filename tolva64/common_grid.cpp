#include "tolva64/common_grid.hpp"

#include <algorithm>

#include "common/checked_real.hpp"

namespace tolva64 {

namespace {

// The energy of the first row, where FEFF's k is 0.
double edge_of(const Spectrum& spectrum) {
  return spectrum.rows() == 0 ? 0.0 : spectrum.grid.front();
}

}  // namespace

std::optional<double> interpolate(const Spectrum& spectrum, double x) {
  if (spectrum.rows() == 0 || x < spectrum.grid.front() || x > spectrum.grid.back()) {
    return std::nullopt;
  }
  auto above = std::lower_bound(spectrum.grid.begin(), spectrum.grid.end(), x);
  std::size_t j = static_cast<std::size_t>(above - spectrum.grid.begin());
  if (spectrum.grid[j] == x) return spectrum.value[j];
  using common::checked_add;
  using common::checked_mul;
  using common::checked_sub;
  double fraction = common::checked_div(checked_sub(x, spectrum.grid[j - 1]),
                                        checked_sub(spectrum.grid[j], spectrum.grid[j - 1]));
  double rise = checked_sub(spectrum.value[j], spectrum.value[j - 1]);
  return checked_add(spectrum.value[j - 1], checked_mul(rise, fraction));
}

void add_on_common_grid(GridAverage& average, const Spectrum& spectrum, bool align_edge) {
  double edge = align_edge ? edge_of(spectrum) : 0.0;
  Spectrum placed = spectrum;
  for (double& x : placed.grid) x = common::checked_sub(x, edge);
  if (average.files == 0) {
    average.grid = placed.grid;
    size_spread(average.rows, average.grid.size());
  }
  for (std::size_t i = 0; i < average.grid.size(); ++i) {
    std::optional<double> value = interpolate(placed, average.grid[i]);
    if (value) add_to_spread_row(average.rows, i, *value);
  }
  average.files += 1;
  average.edge_total = common::checked_add(average.edge_total, edge);
}

SpectrumStatistics common_grid_statistics(const GridAverage& average, bool align_edge) {
  double mean_edge = 0.0;
  if (align_edge && average.files > 0) {
    mean_edge = common::checked_div(average.edge_total, average.files);
  }
  SpectrumSpread covered;
  for (std::size_t i = 0; i < average.grid.size(); ++i) {
    if (average.rows.files[i] != average.files) continue;
    covered.grid.push_back(common::checked_add(average.grid[i], mean_edge));
    covered.files.push_back(average.rows.files[i]);
    covered.mean.push_back(average.rows.mean[i]);
    covered.squares.push_back(average.rows.squares[i]);
  }
  SpectrumStatistics statistics;
  statistics.average = Spectrum{covered.grid, covered.mean};
  statistics.deviation = standard_deviation(covered);
  statistics.error = standard_error(covered);
  return statistics;
}

}  // namespace tolva64
