// End-to-end runs with mu(E) grids shifted against each other, as each
// cluster's Fermi level shifts them: the warning of the row-by-row average,
// and --common-grid with and without --align-edge, worked by hand.
#include <gtest/gtest.h>

#include "tolva64_test_run.hpp"

namespace {

using test_support::crlf;
using namespace tolva64_test;

// Cluster 2's energies lie 0.5 eV above cluster 1's, on the same k grid.
void set_up(RunDir& dir) {
  dir.write_cluster("md_1.xyz", "0 0 0 0\n");
  dir.write("conf.dat", "md_1.xyz\nmd_1.xyz\n");
  const std::string chi = chi_file("0.00 1.0\n0.05 2.0\n0.10 3.0\n");
  dir.plan_feff({{chi, xmu_file("8979.0 0 0.00 1.0\n8980.0 1 0.05 2.0\n8981.0 2 0.10 3.0\n")},
                 {chi, xmu_file("8979.5 0 0.00 2.0\n8980.5 1 0.05 3.0\n8981.5 2 0.10 4.0\n")}});
}

const std::string kWarning =
    " Warning: the mu(E) energy grids of the clusters differ by up to 0.500 eV; mu_tot.txt "
    "averages them row by row (--common-grid takes them onto one grid).\n";

TEST(CommonGridRun, RowByRowAverageWarnsOfTheShift) {
  RunDir dir;
  set_up(dir);
  auto result = dir.run();
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.err, kWarning);
  EXPECT_NE(result.out.find(crlf(kWarning) + " \r\n___"), std::string::npos);
  // The specified average: row by row, on the last cluster's energies.
  EXPECT_EQ(dir.read("mu_tot.txt"), crlf(" 1.5000000000000000E+000 8979.50000\n"
                                         " 2.5000000000000000E+000 8980.50000\n"
                                         " 3.5000000000000000E+000 8981.50000\n"));
}

TEST(CommonGridRun, SamePhotonEnergiesCoverWhereBothClustersReach) {
  RunDir dir;
  set_up(dir);
  auto result = dir.run({"--common-grid"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.err, "");
  // On cluster 1's grid: 8979 is below cluster 2's first energy and goes; at
  // 8980 cluster 2 is 2.5 (between 2 and 3), at 8981 3.5.
  EXPECT_EQ(dir.read("mu_tot.txt"), crlf(" 2.2500000000000000E+000 8980.00000\n"
                                         " 3.2500000000000000E+000 8981.00000\n"));
  // chi(k) shares one grid: the same values as row by row.
  EXPECT_EQ(dir.read("xt_tot.txt"), crlf(" 1.0000000000000000E+000    0.00000\n"
                                         " 2.0000000000000000E+000    0.05000\n"
                                         " 3.0000000000000000E+000    0.10000\n"));
  // --average over the per-cluster files gives the same.
  const std::string mu_tot = dir.read("mu_tot.txt");
  dir.write("mu_tot.txt", "");
  EXPECT_EQ(dir.run({"--average", "--common-grid"}).exit_code, 0);
  EXPECT_EQ(dir.read("mu_tot.txt"), mu_tot);
}

TEST(CommonGridRun, AlignedOnTheEdgesTheGridsMeetWithoutInterpolation) {
  RunDir dir;
  set_up(dir);
  ASSERT_EQ(dir.run({"--common-grid", "--align-edge"}).exit_code, 0);
  // Mean of 1 and 2, 2 and 3, 3 and 4, at the mean edge 8979.25 and up.
  EXPECT_EQ(dir.read("mu_tot.txt"), crlf(" 1.5000000000000000E+000 8979.25000\n"
                                         " 2.5000000000000000E+000 8980.25000\n"
                                         " 3.5000000000000000E+000 8981.25000\n"));
  const std::string mu_avg = dir.read("mu_avg.dat");
  EXPECT_NE(mu_avg.find("\n# grid: common, interpolated; each cluster aligned on its edge (the "
                        "energy of its k = 0 row), placed at the clusters' mean edge\n"
                        "# E(eV)  mu  std_dev  std_error\n"
                        "     8979.250000   1.5000000000E+00   7.0710678119E-01   "
                        "5.0000000000E-01\n"),
            std::string::npos)
      << mu_avg;
}

}  // namespace
