#include "tolva64/spectrum_spread.hpp"

#include <cmath>

#include "common/checked_real.hpp"

namespace tolva64 {

void add_to_spread(SpectrumSpread& spread, const Spectrum& spectrum) {
  std::size_t rows = spectrum.rows();
  if (spread.files.size() < rows) {
    spread.files.resize(rows, 0);
    spread.mean.resize(rows, 0.0);
    spread.squares.resize(rows, 0.0);
  }
  using common::checked_add;
  using common::checked_mul;
  using common::checked_sub;
  for (std::size_t i = 0; i < rows; ++i) {
    int n = ++spread.files[i];
    double delta = checked_sub(spectrum.value[i], spread.mean[i]);
    spread.mean[i] = checked_add(spread.mean[i], common::checked_div(delta, n));
    double after = checked_sub(spectrum.value[i], spread.mean[i]);
    spread.squares[i] = checked_add(spread.squares[i], checked_mul(delta, after));
  }
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
