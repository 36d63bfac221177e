// End-to-end runs of tolva64 --average on per-cluster files written by hand:
// the averages, the spread, and the clusters that lack a file.
#include <gtest/gtest.h>

#include "tolva64_test_run.hpp"

namespace {

using test_support::crlf;
using namespace tolva64_test;

std::string rows(const std::string& lf_rows) { return crlf(lf_rows); }

class AverageRun : public ::testing::Test {
 protected:
  // Four clusters; cluster 3 has mu.003 only, so it enters neither average.
  // The mu files differ in length, so the grid and the row count come from
  // mu.004, and their energies are shifted against each other.
  void SetUp() override {
    dir.write("conf.dat", "a.xyz\nb.xyz\nc.xyz\nd.xyz\n");
    dir.write("xt.001", rows(" 1.0000000000000000E+000    0.05000\n"
                             " 4.0000000000000000E+000    0.10000\n"));
    dir.write("xt.002", rows(" 2.0000000000000000E+000    0.05000\n"
                             " 6.0000000000000000E+000    0.10000\n"));
    dir.write("xt.004", rows(" 3.0000000000000000E+000    0.05000\n"
                             " 8.0000000000000000E+000    0.10000\n"));
    dir.write("mu.001", rows(" 5.0000000000000000E+000 8979.00000\n"
                             " 9.0000000000000000E+000 8980.00000\n"));
    dir.write("mu.002", rows(" 7.0000000000000000E+000 8979.50000\n"));
    dir.write("mu.003", rows(" 1.0000000000000000E+003 8979.50000\n"));
    dir.write("mu.004", rows(" 6.0000000000000000E+000 8979.25000\n"));
  }
  RunDir dir;
};

TEST_F(AverageRun, WritesAveragesAndSpreadAndNamesTheMissingFiles) {
  auto result = test_support::run_program(TOLVA64_BIN, {"--average"}, dir.path());
  EXPECT_EQ(result.exit_code, 3);
  const std::string warning =
      " Warning: the mu(E) energy grids of the clusters differ by up to 0.500 eV; mu_tot.txt "
      "averages them row by row (--common-grid takes them onto one grid).\n";
  EXPECT_EQ(result.out,
            banner() + crlf(" 3 of 4 clusters have results without a record of their inputs, from "
                            "an older tolva64; they are taken as they are.\n"
                            " Line     3, c.xyz: no xt.003, left out of the averages.\n" + warning +
                            " \n" + std::string(65, '_') + "\n"
                            "Averaged 3 chi(k) and 3 mu(E) files.\n"
                            "See the file XT_TOT.TXT for the result.\n"
                            "See XT_STD.TXT for the standard deviation and XT_SEM.TXT for the "
                            "standard error of the mean.\n"
                            "See the file MU_TOT.TXT for the result.\n"
                            "See MU_STD.TXT for the standard deviation and MU_SEM.TXT for the "
                            "standard error of the mean.\n"
                            " 1 of 4 clusters have no FEFF result: c.xyz\n"));
  EXPECT_EQ(result.err, warning + " 1 of 4 clusters have no FEFF result: c.xyz\n");
  EXPECT_EQ(dir.read("tolva64.failed"), "c.xyz\r\n");
  // Rows 1,2,3 and 4,6,8: means 2 and 6, deviations 1 and 2, errors 1/sqrt(3)
  // and 2/sqrt(3).
  EXPECT_EQ(dir.read("xt_tot.txt"), rows(" 2.0000000000000000E+000    0.05000\n"
                                         " 6.0000000000000000E+000    0.10000\n"));
  EXPECT_EQ(dir.read("xt_std.txt"), rows(" 1.0000000000000000E+000    0.05000\n"
                                         " 2.0000000000000000E+000    0.10000\n"));
  EXPECT_EQ(dir.read("xt_sem.txt"), rows(" 5.7735026918962584E-001    0.05000\n"
                                         " 1.1547005383792517E+000    0.10000\n"));
  // Row 1 of mu: 5, 7 and 6, mean 6, deviation 1, error 1/sqrt(3); the
  // energy of mu.004, the last file read.
  EXPECT_EQ(dir.read("mu_tot.txt"), rows(" 6.0000000000000000E+000 8979.25000\n"));
  EXPECT_EQ(dir.read("mu_std.txt"), rows(" 1.0000000000000000E+000 8979.25000\n"));
  EXPECT_EQ(dir.read("mu_sem.txt"), rows(" 5.7735026918962584E-001 8979.25000\n"));
  const std::string feff = std::filesystem::canonical(FAKE_FEFF_BIN).string();
  EXPECT_EQ(dir.read("chi_avg.dat"),
            "# chi(k) averaged over 3 clusters by tolva64\n"
            "# FEFF: " + feff + "\n"
            "# grid: row by row; FEFF's k grid of the clusters\n"
            "# k(1/Angstrom)  chi  std_dev  std_error\n"
            "        0.050000   2.0000000000E+00   1.0000000000E+00   5.7735026919E-01\n"
            "        0.100000   6.0000000000E+00   2.0000000000E+00   1.1547005384E+00\n");
  EXPECT_EQ(dir.read("mu_avg.dat"),
            "# mu(E) averaged over 3 clusters by tolva64\n"
            "# FEFF: " + feff + "\n"
            "# grid: row by row; energies of the last cluster, the clusters' grids differ by "
            "up to 0.500 eV\n"
            "# E(eV)  mu  std_dev  std_error\n"
            "     8979.250000   6.0000000000E+00   1.0000000000E+00   5.7735026919E-01\n");
  EXPECT_FALSE(dir.exists("fake_feff.count"));
}

TEST_F(AverageRun, SingleFileHasNoSpreadAndNoFilesLeaveTheTotalsAlone) {
  dir.write("conf.dat", "a.xyz\n");
  dir.write("xt_tot.txt", "earlier\r\n");
  auto result = test_support::run_program(TOLVA64_BIN, {"--average"}, dir.path());
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(dir.read("xt_std.txt"), rows(" 0.0000000000000000E+000    0.05000\n"
                                         " 0.0000000000000000E+000    0.10000\n"));
  EXPECT_EQ(dir.read("mu_tot.txt"), dir.read("mu.001"));

  dir.write("conf.dat", "x.xyz\nx.xyz\n");
  dir.write("xt_tot.txt", "earlier\r\n");
  for (const char* name : {"xt.001", "mu.001", "xt.002", "mu.002"}) {
    std::filesystem::remove(dir / name);
  }
  result = test_support::run_program(TOLVA64_BIN, {"--average"}, dir.path());
  EXPECT_EQ(result.exit_code, 4);
  EXPECT_NE(result.out.find("Averaged 0 chi(k) and 0 mu(E) files.\r\n"), std::string::npos);
  EXPECT_EQ(result.out.find("See "), std::string::npos);
  EXPECT_EQ(dir.read("xt_tot.txt"), "earlier\r\n");
}

TEST_F(AverageRun, NeedsOnlyTheClusterList) {
  for (const char* name : {"pot.dat", "feff.dat", "feff.exe"}) std::filesystem::remove(dir / name);
  EXPECT_EQ(test_support::run_program(TOLVA64_BIN, {"--average"}, dir.path()).exit_code, 3);
  const std::string head =
      "# chi(k) averaged over 3 clusters by tolva64\n"
      "# FEFF: not known (no feff.exe in the run directory)\n";
  EXPECT_EQ(dir.read("chi_avg.dat").substr(0, head.size()), head);
  std::filesystem::remove(dir / "conf.dat");
  auto result = test_support::run_program(TOLVA64_BIN, {"--average"}, dir.path());
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out, banner() + crlf(" The file \"conf.dat\" is absent!\n"));
}

}  // namespace
