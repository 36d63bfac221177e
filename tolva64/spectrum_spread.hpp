#pragma once
// How far the spectra of the clusters scatter about their mean, row by row:
// the standard deviation and the standard error of the mean, written in the
// layout of the averages.
#include <vector>

#include "tolva64/spectrum.hpp"

namespace tolva64 {

// Row I gathers the files that have a row I, one at a time (Welford's
// update, which keeps its accuracy when the spread is small beside the mean).
struct SpectrumSpread {
  std::vector<int> files;     // files that reached the row
  std::vector<double> mean;
  std::vector<double> squares;  // sum of squared deviations from the mean
  std::vector<double> grid;   // the grid of the file added last; its size is the row count
};

void add_to_spread(SpectrumSpread& spread, const Spectrum& spectrum);

// Adds one value to row I alone; the rows must already be there.
void add_to_spread_row(SpectrumSpread& spread, std::size_t row, double value);

// Makes room for `rows` rows.
void size_spread(SpectrumSpread& spread, std::size_t rows);

// The sample standard deviation (divisor n - 1) of each row of the file
// added last, and the standard error of the mean, deviation / sqrt(n). A row
// that only one file reaches has 0 for both.
Spectrum standard_deviation(const SpectrumSpread& spread);
Spectrum standard_error(const SpectrumSpread& spread);

}  // namespace tolva64
