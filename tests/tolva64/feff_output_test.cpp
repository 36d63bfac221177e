// Reading FEFF's chi.dat and xmu.dat: the header up to the column heading,
// the columns taken, and every fault that makes a file no result.
#include <gtest/gtest.h>

#include "test_support.hpp"
#include "tolva64/feff_output.hpp"

namespace {

using test_support::TempDir;
using test_support::write_file;
using namespace tolva64;

const std::string kChiHeader =
    "#  S02=1.000   k chi mag phase, but not the heading\n"
    "#       k          chi          mag           phase @#\n";

FeffReading chi_of(const TempDir& dir, const std::string& text) {
  write_file(dir / "chi.dat", text);
  return read_chi_file((dir / "chi.dat").string());
}

TEST(FeffOutput, ChiRowsFollowTheHeadingWithKThenChi) {
  TempDir dir;
  FeffReading chi = chi_of(dir, kChiHeader +
                                    "     0.0500    1.234500E-02  2.0E-02  1.0\n"
                                    "     0.1000   -7.100000E-03  2.0E-02  zero\r\n");
  ASSERT_TRUE(chi.good()) << chi.problem;
  EXPECT_EQ(chi.spectrum.grid, (std::vector<double>{0.05, 0.1}));
  EXPECT_EQ(chi.spectrum.value, (std::vector<double>{0.012345, -0.0071}));
  EXPECT_EQ(chi.k, chi.spectrum.grid);
}

TEST(FeffOutput, XmuTakesEnergyKAndMuAfterEitherHeading) {
  TempDir dir;
  const std::string row = "8979.0 -0.5 0.05 0.123 0.118 0.04\n";
  for (const std::string& heading : {std::string("#  omega    e    k    mu    mu0     chi     @#"),
                                     std::string("# mu=(1+chi)*mu0  for the edge")}) {
    write_file(dir / "xmu.dat", "# title\n" + heading + "\n" + row);
    FeffReading mu = read_xmu_file((dir / "xmu.dat").string());
    ASSERT_TRUE(mu.good()) << heading << mu.problem;
    EXPECT_EQ(mu.spectrum.grid, std::vector<double>{8979.0});
    EXPECT_EQ(mu.k, std::vector<double>{0.05});
    EXPECT_EQ(mu.spectrum.value, std::vector<double>{0.123});
  }
}

TEST(FeffOutput, EveryFaultOfAFileIsNamed) {
  TempDir dir;
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"# no heading here\n0.05 0.1\n", "chi.dat has no column heading"},
      {"", "chi.dat has no column heading"},
      {kChiHeader, "chi.dat has no rows after its column heading"},
      {kChiHeader + "0.05 0.1\n0.10 0.2", "chi.dat is cut short in line 4"},
      {kChiHeader + "0.05 0.1\n0.10 0.", "chi.dat is cut short in line 4"},
      {"# title\n#       k          chi          mag", "chi.dat is cut short in line 2"},
      {kChiHeader + "0.05 0.1\n0.10\n0.2 7\n",
       "chi.dat line 4 has a missing, unreadable or non-finite number"},
      {kChiHeader + "0.05 NaN\n", "chi.dat line 3 has a missing, unreadable or non-finite number"},
      {kChiHeader + "inf 0.1\n", "chi.dat line 3 has a missing, unreadable or non-finite number"},
      {kChiHeader + "0.05 1e999\n",
       "chi.dat line 3 has a missing, unreadable or non-finite number"},
      {kChiHeader + "0.05 0,1\n", "chi.dat line 3 has a missing, unreadable or non-finite number"},
      {kChiHeader + "0.05 0.1\n# a second comment\n",
       "chi.dat line 4 has a missing, unreadable or non-finite number"},
      {kChiHeader + "0.05 0.1\n\n",
       "chi.dat line 4 has a missing, unreadable or non-finite number"},
  };
  for (const auto& [text, problem] : cases) EXPECT_EQ(chi_of(dir, text).problem, problem) << text;
  write_file(dir / "xmu.dat", "#  omega\n8979.0 -0.5 0.05\n");
  EXPECT_EQ(read_xmu_file((dir / "xmu.dat").string()).problem,
            "xmu.dat line 2 has a missing, unreadable or non-finite number");
}

}  // namespace
