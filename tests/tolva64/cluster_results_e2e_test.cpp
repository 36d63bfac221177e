// End-to-end runs of tolva64 about FEFF's result files: the per-cluster
// spectra, the averages, real FEFF 8.5L output and malformed files.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "tolva64_test_run.hpp"

namespace {

using test_support::crlf;
using test_support::read_file;
using namespace tolva64_test;

const std::string FEO = std::string(FEFF8L_DATA) + "/feo_md/";
const std::string CU = std::string(FEFF8L_DATA) + "/cu/";

// The per-cluster file a FEFF file should give, built with the C library's
// own conversions: 17 significant digits with a three-digit exponent, and the
// grid in %10.5f (the grids here have at most three decimals, so no half
// cases arise). `column` is the 1-based column of the spectrum value.
std::string expected_rows(const std::string& feff_text, const std::string& heading, int column) {
  std::istringstream in(feff_text);
  std::string line;
  while (std::getline(in, line) && line.find(heading) == std::string::npos) {
  }
  std::string rows;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::vector<double> numbers;
    for (std::string token; fields >> token;) {
      numbers.push_back(std::strtod(token.c_str(), nullptr));
    }
    char value[40];
    char grid[40];
    std::snprintf(value, sizeof value, "%.16E", numbers.at(column - 1));
    std::string v(value);
    std::string::size_type e = v.find('E');
    int exponent = std::atoi(v.c_str() + e + 1);
    char tail[16];
    std::snprintf(tail, sizeof tail, "%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
    std::snprintf(grid, sizeof grid, "%10.5f", numbers.at(0));
    rows += (v[0] == '-' ? "" : " ") + v.substr(0, e + 1) + tail + " " + grid + "\r\n";
  }
  return rows;
}

void add_one_cluster(RunDir& dir) {
  dir.write_cluster("md_1.xyz", "0 0 0 0\n");
  dir.write("conf.dat", "md_1.xyz\n");
}

TEST(ClusterResultsRun, RealFeoRunReproducesItsFeffInputAndConvertsEveryRow) {
  RunDir dir;
  for (const char* name : {"conf.dat", "pot.dat", "feff.dat", "md_1.xyz"}) {
    dir.write(name, read_file(std::string(TOLVA64_TEST_DATA) + "/feo_md/" + name));
  }
  dir.plan_feff({{read_file(FEO + "chi.dat"), read_file(FEO + "xmu.dat")}});
  auto result = dir.run();
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(dir.read("feff.inp"), read_file(FEO + "feff.inp"));
  std::string xt = dir.read("xt.001");
  std::string mu = dir.read("mu.001");
  EXPECT_EQ(xt.rfind(" 4.3022319999999997E-001    0.00000\r\n", 0), 0u);
  EXPECT_EQ(mu.rfind(" 8.1545599999999996E-001 7117.27200\r\n", 0), 0u);
  EXPECT_EQ(xt, expected_rows(read_file(FEO + "chi.dat"), "phase @#", 2));
  EXPECT_EQ(mu, expected_rows(read_file(FEO + "xmu.dat"), "#  omega", 4));
  EXPECT_EQ(dir.read("xt_tot.txt"), xt);  // the average of one file is the file
  EXPECT_EQ(dir.read("mu_tot.txt"), mu);
}

TEST(ClusterResultsRun, EnergiesFromTenThousandWidenTheirField) {
  RunDir dir;
  add_one_cluster(dir);
  dir.plan_feff({{read_file(CU + "chi.dat"), read_file(CU + "xmu.dat")}});
  ASSERT_EQ(dir.run().exit_code, 0);
  std::string mu = dir.read("mu.001");
  EXPECT_EQ(mu, expected_rows(read_file(CU + "xmu.dat"), "#  omega", 4));
  const std::string last = " 6.9846200000000003E-001 10512.43500\r\n";
  EXPECT_EQ(mu.substr(mu.size() - last.size()), last);
  EXPECT_EQ(dir.read("xt.001"), expected_rows(read_file(CU + "chi.dat"), "phase @#", 2));
}

const std::string XMU_ROW = "8979.0 -0.5 0.05 0.123 0.118 0.04\n";

std::string failure(int cluster, const std::string& why) {
  char number[8];
  std::snprintf(number, sizeof number, "%3d", cluster);
  return " Cluster " + std::string(number) + ", md_1.xyz: no FEFF result: " + why + ".\n";
}

TEST(ClusterResultsRun, AverageDividesRowSumsByTheClustersOfTheRun) {
  RunDir dir;
  add_one_cluster(dir);
  dir.write("conf.dat", "md_1.xyz\nmd_1.xyz\n");
  dir.plan_feff({{chi_file("0.05 0.012345\n0.10 0.5\n"), xmu_file(XMU_ROW)},
                 {chi_file("0.05 -0.0071\n0.10 0.25\n"), xmu_file(XMU_ROW)}});
  ASSERT_EQ(dir.run().exit_code, 0);
  EXPECT_EQ(dir.read("xt.002"),
            crlf("-7.1000000000000004E-003    0.05000\n 2.5000000000000000E-001    0.10000\n"));
  // (0.012345 - 0.0071) / 2 and (0.5 + 0.25) / 2.
  EXPECT_EQ(dir.read("xt_tot.txt"),
            crlf(" 2.6224999999999998E-003    0.05000\n 3.7500000000000000E-001    0.10000\n"));
}

TEST(ClusterResultsRun, OutputThatDoesNotMatchTheFirstClusterIsNeverAveragedIn) {
  // Cluster 2 stops after one row of two; cluster 3 has another k grid.
  // Averaged row by row, either would skew the totals, so both fail.
  RunDir dir;
  add_one_cluster(dir);
  dir.write("conf.dat", "md_1.xyz\nmd_1.xyz\nmd_1.xyz\n");
  const std::string two_rows = xmu_file(XMU_ROW + XMU_ROW);
  dir.plan_feff({{chi_file("0.05 0.5\n0.10 0.25\n"), two_rows},
                 {chi_file("0.05 9\n"), two_rows},
                 {chi_file("0.05 9\n0.15 9\n"), two_rows}});
  auto result = dir.run();
  EXPECT_EQ(result.exit_code, 3);
  const std::string failures =
      failure(2, "chi.dat has 1 rows where the run's first cluster has 2") +
      failure(3, "chi.dat has another k grid than the run's first cluster");
  EXPECT_EQ(result.err, failures + " 2 of 3 clusters have no FEFF result: md_1.xyz, md_1.xyz\n");
  EXPECT_EQ(dir.read("xt_tot.txt"),
            crlf(" 5.0000000000000000E-001    0.05000\n 2.5000000000000000E-001    0.10000\n"));
  EXPECT_FALSE(dir.exists("xt.002"));
  EXPECT_FALSE(dir.exists("mu.003"));
  EXPECT_EQ(dir.read("tolva64.failed"), "md_1.xyz\r\nmd_1.xyz\r\n");
}

TEST(ClusterResultsRun, OlderHeadingsAreRead) {
  RunDir dir;
  add_one_cluster(dir);
  // chi heading without "#"; an xmu header ending with the mu=(1+chi)*mu0 line.
  const std::string chi =
      "  FEFF 6L chi\n       k          chi          mag           phase @#\n"
      "0.05 0.0123 7 7\n0.10 0.5 9\n";
  const std::string xmu = "# mu=(1+chi)*mu0  for the edge\n8979.0 -0.5 0.0 0.123 0.118 0.04\n"
                          "9000 1 2 0.25\n";
  dir.plan_feff({{chi, xmu}});
  ASSERT_EQ(dir.run().exit_code, 0);
  EXPECT_EQ(dir.read("xt.001"),
            crlf(" 1.2300000000000000E-002    0.05000\n 5.0000000000000000E-001    0.10000\n"));
  EXPECT_EQ(dir.read("mu.001"),
            crlf(" 1.2300000000000000E-001 8979.00000\n 2.5000000000000000E-001 9000.00000\n"));
}

TEST(ClusterResultsRun, SpectraLongerThanAThousandRowsAreKeptWhole) {
  RunDir dir;
  add_one_cluster(dir);
  std::string rows;
  std::string expected;
  for (int i = 1; i <= 1200; ++i) {
    rows += std::to_string(i) + " 0.5\n";
    char grid[16];
    std::snprintf(grid, sizeof grid, "%10.5f", static_cast<double>(i));
    expected += std::string(" 5.0000000000000000E-001 ") + grid + "\r\n";
  }
  dir.plan_feff({{chi_file(rows), xmu_file(XMU_ROW)}});
  ASSERT_EQ(dir.run().exit_code, 0);
  EXPECT_EQ(dir.read("xt.001"), expected);
  EXPECT_EQ(dir.read("xt_tot.txt"), expected);
}

TEST(ClusterResultsRun, BadFeffOutputFailsTheClusterWithoutResultFiles) {
  // A FEFF that exits non-zero although it wrote both files; chi.dat cut in
  // the middle of a number; NaN; a short row; a second comment line; an
  // empty last line; a heading without rows; no heading at all.
  const std::vector<std::pair<RunDir::FeffRun, std::string>> cases = {
      {{chi_file("0.05 0.1\n"), xmu_file(XMU_ROW), 1}, "FEFF exited with status 1"},
      {{chi_file("0.05 0.1\n0.10 0.0"), xmu_file(XMU_ROW)}, "chi.dat is cut short in line 5"},
      {{chi_file("0.05 0.1\n"), xmu_file("8979.0 -0.5 0.05 NaN\n")},
       "xmu.dat line 5 has a missing, unreadable or non-finite number"},
      {{chi_file("0.05\n0.1 7\n"), xmu_file(XMU_ROW)},
       "chi.dat line 4 has a missing, unreadable or non-finite number"},
      {{chi_file("0.05 0.1\n# a second comment\n"), xmu_file(XMU_ROW)},
       "chi.dat line 5 has a missing, unreadable or non-finite number"},
      {{chi_file("0.05 0.1\n\n"), xmu_file(XMU_ROW)},
       "chi.dat line 5 has a missing, unreadable or non-finite number"},
      {{chi_file(""), xmu_file(XMU_ROW)}, "chi.dat has no rows after its column heading"},
      {{"# no heading here\n0.05 0.1\n", xmu_file(XMU_ROW)}, "chi.dat has no column heading"},
  };
  for (const auto& [feff, why] : cases) {
    RunDir dir;
    add_one_cluster(dir);
    dir.plan_feff_runs({feff});
    auto result = dir.run();
    EXPECT_EQ(result.exit_code, 4) << why;
    EXPECT_EQ(result.out, banner() + file_lines("md_1.xyz") + feff_lines(1, "md_1.xyz", 1) +
                              crlf(failure(1, why)) + closing(false, false) +
                              crlf(" 1 of 1 cluster has no FEFF result: md_1.xyz\n"));
    for (const char* name : {"xt.001", "mu.001", "xt_tot.txt", "mu_tot.txt", "chi.dat",
                             "xmu.dat", ".xt.001.partial", ".mu.001.partial"}) {
      EXPECT_FALSE(dir.exists(name)) << why << ": " << name;
    }
  }
}

TEST(ClusterResultsRun, FailedClusterIsRunAgainByTheNextRun) {
  RunDir dir;
  add_one_cluster(dir);
  dir.plan_feff({{chi_file("0.05 0.1\n"), xmu_file("8979 0 0 0.1.2\n")},
                 {chi_file("0.05 0.012345\n"), xmu_file("8979 0 0 0.123\n")}});
  EXPECT_EQ(dir.run().exit_code, 4);
  auto resumed = dir.run();
  EXPECT_EQ(resumed.exit_code, 0);
  EXPECT_EQ(resumed.out, banner() + file_lines("md_1.xyz") + feff_lines(1, "md_1.xyz", 2) +
                             closing(true, true));
  EXPECT_EQ(dir.read("xt.001"), crlf(" 1.2345000000000000E-002    0.05000\n"));
  EXPECT_EQ(dir.read("mu.001"), crlf(" 1.2300000000000000E-001 8979.00000\n"));
}

TEST(ClusterResultsRun, OverflowingSumStopsTheRun) {
  RunDir dir;
  add_one_cluster(dir);
  dir.write("conf.dat", "md_1.xyz\nmd_1.xyz\n");
  dir.plan_feff({{chi_file("0.05 1e308\n"), xmu_file(XMU_ROW)}});
  auto result = dir.run();
  EXPECT_EQ(result.exit_code, 217);
  EXPECT_NE(result.err.find("EOverflow: Floating point overflow"), std::string::npos);
  EXPECT_FALSE(dir.exists("xt_tot.txt"));
}

}  // namespace
