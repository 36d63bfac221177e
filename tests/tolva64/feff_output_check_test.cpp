// Holding each cluster's grids against the run's first cluster.
#include <gtest/gtest.h>

#include "tolva64/feff_output_check.hpp"

namespace {

using namespace tolva64;

FeffReading reading(std::vector<double> grid, std::vector<double> k) {
  FeffReading result;
  result.spectrum.grid = std::move(grid);
  result.spectrum.value.assign(result.spectrum.grid.size(), 1.0);
  result.k = std::move(k);
  return result;
}

TEST(FeffOutputCheck, LaterClustersMustMatchTheFirstInRowsAndK) {
  GridReference reference;
  FeffReading chi = reading({0.0, 0.05, 0.1}, {0.0, 0.05, 0.1});
  FeffReading xmu = reading({8979.1, 8979.2, 8979.4}, {0.0, 0.05, 0.1});
  EXPECT_EQ(grid_problem(reference, chi, xmu), "");
  remember_grids(reference, chi, xmu);
  EXPECT_EQ(grid_problem(reference, chi, xmu), "");
  FeffReading short_chi = reading({0.0, 0.05}, {0.0, 0.05});
  EXPECT_EQ(grid_problem(reference, short_chi, xmu),
            "chi.dat has 2 rows where the run's first cluster has 3");
  FeffReading other_k = reading({8979.1, 8979.2, 8979.4}, {0.0, 0.05, 0.15});
  EXPECT_EQ(grid_problem(reference, chi, other_k),
            "xmu.dat has another k grid than the run's first cluster");
}

TEST(FeffOutputCheck, EnergyShiftsAreMeasuredRowByRow) {
  GridReference reference;
  FeffReading chi = reading({0.0, 0.05}, {0.0, 0.05});
  remember_grids(reference, chi, reading({8979.0, 8980.0}, {0.0, 0.05}));
  remember_grids(reference, chi, reading({8979.25, 8980.5}, {0.0, 0.05}));
  remember_grids(reference, chi, reading({8978.875, 8980.0}, {0.0, 0.05}));
  EXPECT_EQ(reference.largest_energy_shift, 0.5);
  EXPECT_EQ(reference.mu_energy, (std::vector<double>{8979.0, 8980.0}));
}

}  // namespace
