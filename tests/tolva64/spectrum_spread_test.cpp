// The spread of the spectra about their mean, row by row: the sample standard
// deviation and the standard error of the mean.
#include <gtest/gtest.h>

#include "tolva64/spectrum_spread.hpp"

namespace {

using namespace tolva64;

TEST(SpectrumSpread, DeviationUsesTheDivisorNMinusOne) {
  SpectrumSpread spread;
  for (double v : {1.0, 2.0, 3.0}) add_to_spread(spread, Spectrum{{0.5}, {v}});
  EXPECT_EQ(standard_deviation(spread).value, std::vector<double>{1.0});
  EXPECT_EQ(standard_error(spread).value, std::vector<double>{0.57735026918962584});
  EXPECT_EQ(standard_error(spread).grid, std::vector<double>{0.5});
}

TEST(SpectrumSpread, SmallSpreadBesideALargeMeanStaysExact) {
  // A sum of squares would lose the spread of 1 in the squares of 1e9.
  SpectrumSpread spread;
  for (double v : {1e9 + 1, 1e9 + 2, 1e9 + 3}) add_to_spread(spread, Spectrum{{0.0}, {v}});
  EXPECT_EQ(standard_deviation(spread).value, std::vector<double>{1.0});
}

TEST(SpectrumSpread, RowReachedByOneFileHasNoSpread) {
  SpectrumSpread spread;
  add_to_spread(spread, Spectrum{{1.0, 2.0}, {5.0, 9.0}});
  add_to_spread(spread, Spectrum{{1.5}, {7.0}});
  // The grid and row count of the file added last; row 2 was reached by one
  // file only, which the deviation of the last file's rows no longer shows.
  EXPECT_EQ(standard_deviation(spread).grid, std::vector<double>{1.5});
  // 5 and 7 about 6: sqrt((1 + 1) / 1).
  EXPECT_EQ(standard_deviation(spread).value, std::vector<double>{1.4142135623730951});
  EXPECT_EQ(spread.files, (std::vector<int>{2, 1}));
  SpectrumSpread single;
  add_to_spread(single, Spectrum{{1.0}, {5.0}});
  EXPECT_EQ(standard_error(single).value, std::vector<double>{0.0});
}

}  // namespace
