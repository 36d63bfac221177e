// Reading FEFF's chi.dat and xmu.dat: the header up to the column heading,
// the columns taken, and a file without its heading.
#include <gtest/gtest.h>

#include "test_support.hpp"
#include "tolva64/feff_output.hpp"

namespace {

using test_support::TempDir;
using test_support::write_file;
using namespace tolva64;

TEST(FeffOutput, ChiRowsFollowTheHeadingWithKThenChi) {
  TempDir dir;
  write_file(dir / "chi.dat",
             "#  S02=1.000   k chi mag phase, but not the heading\n"
             "#       k          chi          mag           phase @#\n"
             "     0.0500    1.234500E-02  2.0E-02  1.0\n"
             "     0.1000   -7.100000E-03  2.0E-02  1.0\n");
  auto chi = read_chi_file((dir / "chi.dat").string());
  ASSERT_TRUE(chi);
  EXPECT_EQ(chi->grid, (std::vector<double>{0.05, 0.1}));
  EXPECT_EQ(chi->value, (std::vector<double>{0.012345, -0.0071}));
}

TEST(FeffOutput, XmuTakesTheFourthColumnAfterEitherHeading) {
  TempDir dir;
  const std::string row = "8979.0 -0.5 0.0 0.123 0.118 0.04\n";
  for (const std::string& heading : {std::string("#  omega    e    k    mu    mu0     chi     @#"),
                                     std::string("# mu=(1+chi)*mu0  for the edge")}) {
    write_file(dir / "xmu.dat", "# title\n" + heading + "\n" + row);
    auto mu = read_xmu_file((dir / "xmu.dat").string());
    ASSERT_TRUE(mu) << heading;
    EXPECT_EQ(mu->grid, std::vector<double>{8979.0});
    EXPECT_EQ(mu->value, std::vector<double>{0.123});
  }
}

TEST(FeffOutput, FileWithoutHeadingGivesNothing) {
  TempDir dir;
  write_file(dir / "chi.dat", "# no heading here\n0.05 0.1\n");
  EXPECT_FALSE(read_chi_file((dir / "chi.dat").string()));
  write_file(dir / "xmu.dat", "");
  EXPECT_FALSE(read_xmu_file((dir / "xmu.dat").string()));
}

}  // namespace
