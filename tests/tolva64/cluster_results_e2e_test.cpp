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

TEST(ClusterResultsRun, AverageDividesRowSumsByTheFilesOfTheRun) {
  RunDir dir;
  add_one_cluster(dir);
  dir.write("conf.dat", "md_1.xyz\nmd_1.xyz\n");
  dir.plan_feff({{chi_file("0.05 0.012345\n0.10 0.5\n0.15 0.25\n"), ""},
                 {chi_file("0.50 -0.0071\n0.60 0.25\n"), ""}});
  ASSERT_EQ(dir.run().exit_code, 0);
  EXPECT_EQ(dir.read("xt.002"),
            crlf("-7.1000000000000004E-003    0.50000\n 2.5000000000000000E-001    0.60000\n"));
  // Two rows, as the last file had; its grid, and every row over two files.
  EXPECT_EQ(dir.read("xt_tot.txt"),
            crlf(" 2.6224999999999998E-003    0.50000\n 3.7500000000000000E-001    0.60000\n"));
}

TEST(ClusterResultsRun, HeadingWithoutRowsGivesEmptyFilesThatStillCount) {
  RunDir dir;
  add_one_cluster(dir);
  dir.write("conf.dat", "md_1.xyz\nmd_1.xyz\n");
  dir.plan_feff({{chi_file("0.05 0.012345\n"), ""}, {chi_file(""), ""}});
  auto result = dir.run();
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(dir.read("xt.002"), "");
  EXPECT_EQ(dir.read("xt_tot.txt"), "");
  EXPECT_NE(result.out.find("See the file XT_TOT.TXT"), std::string::npos);
}

TEST(ClusterResultsRun, OlderHeadingsAndShortRowsAreRead) {
  RunDir dir;
  add_one_cluster(dir);
  // chi heading without "#"; an xmu header ending with the mu=(1+chi)*mu0 line;
  // a short row takes its missing numbers from the next line and drops the rest.
  const std::string chi =
      "  FEFF 6L chi\n       k          chi          mag           phase @#\n"
      "0.05\n0.0123 7 7\n0.10 0.5 9\n";
  const std::string xmu =
      "# mu=(1+chi)*mu0  for the edge\n8979.0 -0.5 0.0\n0.123 0.118 0.04\n"
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
  dir.plan_feff({{chi_file(rows), ""}});
  ASSERT_EQ(dir.run().exit_code, 0);
  EXPECT_EQ(dir.read("xt.001"), expected);
  EXPECT_EQ(dir.read("xt_tot.txt"), expected);
}

TEST(ClusterResultsRun, BadRowsStopTheRunWithoutResultFiles) {
  for (const std::string& rows : {std::string("0.05 0.1\n# a second comment\n"),
                                  std::string("0.05 0.1\n\n"), std::string("0.05 0,1\n")}) {
    RunDir dir;
    add_one_cluster(dir);
    dir.plan_feff({{chi_file(rows), ""}});
    auto result = dir.run();
    EXPECT_EQ(result.exit_code, 217) << rows;
    EXPECT_NE(result.err.find("EInOutError: Invalid input"), std::string::npos) << rows;
    EXPECT_FALSE(dir.exists("xt.001"));
    EXPECT_FALSE(dir.exists("xt_tot.txt"));
  }
}

TEST(ClusterResultsRun, FileWithoutHeadingKeepsTheClusterForALaterRun) {
  RunDir dir;
  add_one_cluster(dir);
  dir.plan_feff({{"# no heading here\n0.05 0.1\n", xmu_file("8979 0 0 0.123\n")},
                 {chi_file("0.05 0.012345\n"), xmu_file("8979 0 0 0.123\n")}});
  auto first = dir.run();
  EXPECT_EQ(first.exit_code, 0);
  EXPECT_EQ(first.out, banner() + file_lines("md_1.xyz") + feff_lines(1, "md_1.xyz", 1) +
                           crlf(" The file \"chi.dat\" has no column heading; no result is kept"
                                " for this cluster.\n") +
                           closing(false, false));
  for (const char* name : {"xt.001", "mu.001", "xt_tot.txt", "mu_tot.txt", "chi.dat", "xmu.dat",
                           ".xt.001.partial", ".mu.001.partial"}) {
    EXPECT_FALSE(dir.exists(name)) << name;
  }
  auto second = dir.run();
  EXPECT_EQ(second.out, banner() + file_lines("md_1.xyz") + feff_lines(1, "md_1.xyz", 2) +
                            closing(true, true));
  EXPECT_EQ(dir.read("xt.001"), crlf(" 1.2345000000000000E-002    0.05000\n"));
}

TEST(ClusterResultsRun, ClusterStoppedDuringConversionIsRedoneByTheNextRun) {
  RunDir dir;
  add_one_cluster(dir);
  // The chi file converts; the xmu file then stops the run with a bad number.
  dir.plan_feff({{chi_file("0.05 0.1\n"), xmu_file("8979 0 0 0.1.2\n")},
                 {chi_file("0.05 0.012345\n"), xmu_file("8979 0 0 0.123\n")}});
  auto stopped = dir.run();
  EXPECT_EQ(stopped.exit_code, 217);
  EXPECT_FALSE(dir.exists("xt.001"));
  EXPECT_FALSE(dir.exists("mu.001"));
  // The converted chi(k) waits under its temporary name, which is no result;
  // 0.1 is the double 0.1000000000000000055..., hence the 1 in the 17th digit.
  EXPECT_EQ(dir.read(".xt.001.partial"), crlf(" 1.0000000000000001E-001    0.05000\n"));

  auto resumed = dir.run();
  EXPECT_EQ(resumed.exit_code, 0);
  EXPECT_EQ(resumed.out, banner() + file_lines("md_1.xyz") + feff_lines(1, "md_1.xyz", 2) +
                             closing(true, true));
  EXPECT_EQ(dir.read("xt.001"), crlf(" 1.2345000000000000E-002    0.05000\n"));
  EXPECT_EQ(dir.read("mu.001"), crlf(" 1.2300000000000000E-001 8979.00000\n"));
  EXPECT_FALSE(dir.exists(".xt.001.partial"));
  EXPECT_FALSE(dir.exists(".mu.001.partial"));
}

TEST(ClusterResultsRun, OverflowingSumStopsTheRun) {
  RunDir dir;
  add_one_cluster(dir);
  dir.write("conf.dat", "md_1.xyz\nmd_1.xyz\n");
  dir.plan_feff({{chi_file("0.05 1e308\n"), ""}});
  auto result = dir.run();
  EXPECT_EQ(result.exit_code, 217);
  EXPECT_NE(result.err.find("EOverflow: Floating point overflow"), std::string::npos);
  EXPECT_FALSE(dir.exists("xt_tot.txt"));
}

}  // namespace
