#include "tolva64/spectrum_spread.hpp"

#include <cmath>

#include "common/checked_real.hpp"

namespace tolva64 {

void size_spread(SpectrumSpread& spread, std::size_t rows) {
  if (spread.files.size() >= rows) return;
  spread.files.resize(rows, 0);
  spread.mean.resize(rows, 0.0);
  spread.squares.resize(rows, 0.0);
}

void add_to_spread_row(SpectrumSpread& spread, std::size_t row, double value) {
  using common::checked_add;
  using common::checked_sub;
  int n = ++spread.files[row];
  double delta = checked_sub(value, spread.mean[row]);
  spread.mean[row] = checked_add(spread.mean[row], common::checked_div(delta, n));
  double after = checked_sub(value, spread.mean[row]);
  spread.squares[row] = checked_add(spread.squares[row], common::checked_mul(delta, after));
}

void add_to_spread(SpectrumSpread& spread, const Spectrum& spectrum) {
  size_spread(spread, spectrum.rows());
  for (std::size_t i = 0; i < spectrum.rows(); ++i) add_to_spread_row(spread, i, spectrum.value[i]);
  spread.grid = spectrum.grid;
}

Spectrum standard_deviation(const SpectrumSpread& spread) {
  Spectrum deviation;
  deviation.grid = spread.grid;
  for (std::size_t i = 0; i < spread.grid.size(); ++i) {
    int n = spread.files[i];
    double variance = n < 2 ? 0.0 : common::checked_div(spread.squares[i], n - 1);
    deviation.value.push_back(std::sqrt(variance));
  }
  return deviation;
}

Spectrum standard_error(const SpectrumSpread& spread) {
  Spectrum error = standard_deviation(spread);
  for (std::size_t i = 0; i < error.rows(); ++i) {
    error.value[i] = common::checked_div(error.value[i], std::sqrt(spread.files[i]));
  }
  return error;
}

}  // namespace tolva64
