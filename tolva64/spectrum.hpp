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

}  // namespace tolva64
