#pragma once
// One spectrum: row I holds grid[I], the k or energy value, and value[I],
// the chi or mu value. The row count is not limited.
#include <cstddef>
#include <vector>

namespace tolva64 {

struct Spectrum {
  std::vector<double> grid;   // EK or EE
  std::vector<double> value;  // CX
  std::size_t rows() const { return grid.size(); }
};

// What an averaging gives for one kind of spectrum, row by row on one grid.
struct SpectrumStatistics {
  Spectrum average;
  Spectrum deviation;  // sample standard deviation, divisor n - 1
  Spectrum error;      // standard error of the mean, deviation / sqrt(n)
};

}  // namespace tolva64
