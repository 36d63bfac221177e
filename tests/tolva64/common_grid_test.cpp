// Averages on a common grid, against interpolations worked by hand.
#include <gtest/gtest.h>

#include "tolva64/common_grid.hpp"

namespace {

using namespace tolva64;

TEST(CommonGrid, InterpolatesLinearlyInsideTheGridOnly) {
  Spectrum spectrum{{0.0, 1.0, 2.0}, {0.0, 10.0, 40.0}};
  EXPECT_EQ(interpolate(spectrum, 0.5), 5.0);
  EXPECT_EQ(interpolate(spectrum, 1.5), 25.0);
  EXPECT_EQ(interpolate(spectrum, 1.0), 10.0);
  EXPECT_EQ(interpolate(spectrum, 2.0), 40.0);
  EXPECT_EQ(interpolate(spectrum, 0.0), 0.0);
  EXPECT_FALSE(interpolate(spectrum, -0.1));
  EXPECT_FALSE(interpolate(spectrum, 2.1));
  EXPECT_FALSE(interpolate(Spectrum{}, 0.0));
}

TEST(CommonGrid, AveragesOnTheFirstGridWhereEverySpectrumReaches) {
  // B lies half a step off A's grid and starts later: at 1 it is 3 (between
  // 2 and 4), at 2 it is 5, and at 0 it has nothing, so that row goes.
  GridAverage average;
  add_on_common_grid(average, Spectrum{{0.0, 1.0, 2.0}, {0.0, 10.0, 40.0}}, false);
  add_on_common_grid(average, Spectrum{{0.5, 1.5, 2.5}, {2.0, 4.0, 6.0}}, false);
  SpectrumStatistics result = common_grid_statistics(average, false);
  EXPECT_EQ(result.average.grid, (std::vector<double>{1.0, 2.0}));
  EXPECT_EQ(result.average.value, (std::vector<double>{6.5, 22.5}));
  // 10 and 3: deviation sqrt(2 * 3.5^2) = 4.9497..., error 3.5; 40 and 5: 17.5.
  EXPECT_DOUBLE_EQ(result.deviation.value[0], 4.9497474683058327);
  EXPECT_DOUBLE_EQ(result.error.value[0], 3.5);
  EXPECT_DOUBLE_EQ(result.error.value[1], 17.5);
  EXPECT_EQ(result.error.grid, result.average.grid);
}

TEST(CommonGrid, AlignedSpectraMeetAboveTheirEdgesAtTheMeanEdge) {
  // Edges 100 and 100.5: relative to them both grids are 0, 1, 2, so no
  // value is interpolated; the grid then stands at the mean edge 100.25.
  GridAverage average;
  add_on_common_grid(average, Spectrum{{100.0, 101.0, 102.0}, {0.0, 10.0, 40.0}}, true);
  add_on_common_grid(average, Spectrum{{100.5, 101.5, 102.5}, {1.0, 11.0, 41.0}}, true);
  SpectrumStatistics result = common_grid_statistics(average, true);
  EXPECT_EQ(result.average.grid, (std::vector<double>{100.25, 101.25, 102.25}));
  EXPECT_EQ(result.average.value, (std::vector<double>{0.5, 10.5, 40.5}));

  // The same spectra at the same photon energies meet only from 100.5 on.
  GridAverage absolute;
  add_on_common_grid(absolute, Spectrum{{100.0, 101.0, 102.0}, {0.0, 10.0, 40.0}}, false);
  add_on_common_grid(absolute, Spectrum{{100.5, 101.5, 102.5}, {1.0, 11.0, 41.0}}, false);
  result = common_grid_statistics(absolute, false);
  EXPECT_EQ(result.average.grid, (std::vector<double>{101.0, 102.0}));
  // At 101 the second is 6 (between 1 and 11), at 102 it is 26.
  EXPECT_EQ(result.average.value, (std::vector<double>{8.0, 33.0}));
}

}  // namespace
