// The running sums of a run and the averages made from them: row by row over
// the files of the run, on the grid of the file added last.
#include <gtest/gtest.h>

#include "tolva64/spectrum_average.hpp"

namespace {

using namespace tolva64;

TEST(SpectrumAverage, RowsAreSummedAndDividedByTheFilesOfTheRun) {
  SpectrumSum sum;
  add_spectrum(sum, Spectrum{{0.05, 0.10, 0.15}, {0.012345, 0.5, 0.25}});
  add_spectrum(sum, Spectrum{{0.50, 0.60}, {-0.0071, 0.25}});
  EXPECT_EQ(sum.files, 2);
  // 0.012345 - 0.0071 lands on the double nearest 0.005245.
  EXPECT_EQ(sum.sum, (std::vector<double>{0.005245, 0.75, 0.25}));
  Spectrum average = average_of(sum);
  // Two rows, as the last file had, on its grid, each over both files.
  EXPECT_EQ(average.grid, (std::vector<double>{0.50, 0.60}));
  // Written out, the first is 2.6224999999999998E-003.
  EXPECT_EQ(average.value, (std::vector<double>{0.0026225, 0.375}));
}

TEST(SpectrumAverage, RowsPastAShorterLastFileKeepTheirSums) {
  SpectrumSum sum;
  add_spectrum(sum, Spectrum{{1.0}, {4.0}});
  add_spectrum(sum, Spectrum{{1.0, 2.0}, {2.0, 6.0}});
  add_spectrum(sum, Spectrum{{1.0}, {3.0}});
  EXPECT_EQ(sum.sum, (std::vector<double>{9.0, 6.0}));
  EXPECT_EQ(average_of(sum).value, std::vector<double>{3.0});
}

TEST(SpectrumAverage, EmptySpectrumStillCountsAsAFile) {
  SpectrumSum sum;
  add_spectrum(sum, Spectrum{});
  EXPECT_EQ(sum.files, 1);
  EXPECT_EQ(average_of(sum).rows(), 0u);
}

}  // namespace
