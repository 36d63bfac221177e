// End-to-end runs of tolva64 about the walk of conf.dat: the console, the
// required files, the missing clusters, the suffixes and resuming.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "tolva64_test_run.hpp"

namespace {

using test_support::crlf;
using namespace tolva64_test;

const std::string CHI_ROW = "    0.0500    1.234500E-02    2.0E-02    1.0\n";
const std::string XMU_ROW =
    "    8979.000   -0.500   0.050  1.23000E-01  1.18000E-01  4.00000E-02\n";
const std::string XT_ROW = crlf(" 1.2345000000000000E-002    0.05000\n");
const std::string MU_ROW = crlf(" 1.2300000000000000E-001 8979.00000\n");

TEST(PlainRun, ReportsTheFirstMissingRequiredFileInOrder) {
  const std::vector<std::string> required = {"conf.dat", "pot.dat", "feff.dat", "feff.exe"};
  for (std::size_t missing = 0; missing < required.size(); ++missing) {
    RunDir dir;
    for (std::size_t i = missing; i < required.size(); ++i) {
      std::filesystem::remove(dir / required[i]);
    }
    auto result = dir.run();
    EXPECT_EQ(result.exit_code, 1) << required[missing];
    EXPECT_EQ(result.out, banner() + crlf(" The file \"" + required[missing] + "\" is absent!\n"));
    EXPECT_FALSE(dir.exists("feff.inp"));
  }
}

TEST(PlainRun, EmptyClusterListLeavesOldAveragesAlone) {
  RunDir dir;
  dir.write("xt_tot.txt", "from an earlier run\r\n");
  auto result = dir.run();
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.out, banner() + closing(false, false));
  EXPECT_EQ(dir.read("xt_tot.txt"), "from an earlier run\r\n");
  EXPECT_FALSE(dir.exists("mu_tot.txt"));
  EXPECT_EQ(result.err, "");
}

TEST(PlainRun, RunsEveryClusterAndAnnouncesFeffBeforeItsOwnOutput) {
  RunDir dir;
  dir.write_cluster("md_1.xyz", "0 0 0 0\n");
  dir.write_cluster("md_2.xyz", "0 0 0 0\n");
  dir.write("conf.dat", "md_1.xyz\r\nmd_2.xyz\r\n");
  dir.plan_feff({{chi_file(CHI_ROW), xmu_file(XMU_ROW)}});
  auto result = dir.run();
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.out, banner() + file_lines("md_1.xyz") + feff_lines(1, "md_1.xyz", 1) +
                            file_lines("md_2.xyz") + feff_lines(2, "md_2.xyz", 2) +
                            closing(true, true));
  for (const char* name : {"xt.001", "xt.002", "xt_tot.txt"}) EXPECT_EQ(dir.read(name), XT_ROW);
  for (const char* name : {"mu.001", "mu.002", "mu_tot.txt"}) EXPECT_EQ(dir.read(name), MU_ROW);
  EXPECT_FALSE(dir.exists("chi.dat"));
  EXPECT_FALSE(dir.exists("xmu.dat"));
  EXPECT_EQ(dir.read("feff.inp"), dir.read("seen_feff_2.inp"));
}

TEST(PlainRun, MissingClusterFileStopsWithItsLineNumberEvenWhenDone) {
  RunDir dir;
  dir.write_cluster("md_1.xyz", "0 0 0 0\n");
  dir.write("conf.dat", "md_1.xyz\nmd_1.xyz\nmd_9.xyz\nmd_1.xyz\n");
  for (const char* done : {"xt.001", "mu.001", "xt.002", "mu.002", "xt.003", "mu.003"}) {
    dir.write(done, "");
  }
  auto result = dir.run();
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out, banner() +
                            crlf(" 3 of 4 clusters have results without a record of their "
                                 "inputs, from an older tolva64; they are taken as they are.\n") +
                            file_lines("md_1.xyz") + file_lines("md_1.xyz") +
                            crlf(" Error at line     3 in file conf.dat\n"));
  EXPECT_FALSE(dir.exists("fake_feff.count"));
}

TEST(PlainRun, BlankLinesArePassedOverAndNamesAreTakenWhole) {
  // Blank lines name no cluster, but count: md_1.xyz on line 3 writes xt.003.
  // A trailing empty line is passed over as well, so the run ends normally.
  RunDir dir;
  dir.write_cluster("md_1.xyz", "0 0 0 0\n");
  dir.write("conf.dat", "\r\n \t\r\nmd_1.xyz\r\n\r\n");
  dir.plan_feff({{chi_file(CHI_ROW), xmu_file(XMU_ROW)}});
  auto result = dir.run();
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.out, banner() + file_lines("md_1.xyz") + feff_lines(3, "md_1.xyz", 1) +
                            closing(true, true));
  EXPECT_EQ(dir.read("xt.003"), XT_ROW);
  EXPECT_EQ(dir.read("xt_tot.txt"), XT_ROW);
  // A trailing blank is part of the name: no such file.
  dir.write("conf.dat", "md_1.xyz \n");
  EXPECT_EQ(dir.run().out, banner() + crlf(" Error at line     1 in file conf.dat\n"));
}

TEST(PlainRun, ResumedRunAveragesEveryClusterThatHasResults) {
  // Cluster 1 is done, by a tolva64 that kept no records; cluster 2 has only
  // mu.002, left by a run stopped between its two renames: it is run again,
  // and says so. The averages take in cluster 1 as well.
  RunDir dir;
  dir.write_cluster("md_1.xyz", "0 0 0 0\n");
  dir.write("conf.dat", "md_1.xyz\nmd_1.xyz\nmd_1.xyz\n");
  dir.write("xt.001", crlf(" 1.0000000000000000E+000    0.05000\n"));
  dir.write("mu.001", crlf(" 2.0000000000000000E+000 8979.00000\n"));
  dir.write("mu.002", "half\r\n");
  dir.plan_feff({{chi_file("0.05 0.25\n"), xmu_file("8979.0 -0.5 0.05 0.5\n")}});
  const std::string unrecorded = crlf(
      " 1 of 3 clusters has results without a record of their inputs, from an older tolva64; "
      "they are taken as they are.\n");
  auto first = dir.run();
  EXPECT_EQ(first.exit_code, 0);
  EXPECT_EQ(first.out,
            banner() + unrecorded + file_lines("md_1.xyz") + file_lines("md_1.xyz") +
                crlf(" Cluster   2, md_1.xyz: only mu.002 is there; the cluster is run again.\n") +
                feff_lines(2, "md_1.xyz", 1) + file_lines("md_1.xyz") +
                feff_lines(3, "md_1.xyz", 2) +
                closing(true, true, " Averaged 3 clusters: 2 run now, 1 from an earlier run."));
  EXPECT_EQ(dir.read("mu.002"), crlf(" 5.0000000000000000E-001 8979.00000\n"));
  EXPECT_EQ(dir.read("xt.002"), crlf(" 2.5000000000000000E-001    0.05000\n"));
  // (1 + 0.25 + 0.25) / 3 and (2 + 0.5 + 0.5) / 3.
  const std::string xt_tot = crlf(" 5.0000000000000000E-001    0.05000\n");
  const std::string mu_tot = crlf(" 1.0000000000000000E+000 8979.00000\n");
  EXPECT_EQ(dir.read("xt_tot.txt"), xt_tot);
  EXPECT_EQ(dir.read("mu_tot.txt"), mu_tot);

  // Everything done: nothing runs, and the averages are written again from
  // the files, the same as before.
  dir.write("xt_tot.txt", "overwritten\r\n");
  auto again = dir.run();
  EXPECT_EQ(again.exit_code, 0);
  EXPECT_EQ(again.out, banner() + unrecorded + file_lines("md_1.xyz") + file_lines("md_1.xyz") +
                           file_lines("md_1.xyz") +
                           closing(true, true, " Averaged 3 clusters, all from earlier runs."));
  EXPECT_EQ(dir.read("fake_feff.count"), "2");
  EXPECT_EQ(dir.read("xt_tot.txt"), xt_tot);
  EXPECT_EQ(dir.read("mu_tot.txt"), mu_tot);
}

TEST(PlainRun, ClusterWithoutFeffResultsIsNamedCountedAndTriedAgain) {
  // FEFF 8.5L's silent failure first (no files, exit 0), then a FEFF that
  // leaves xmu.dat alone, then one that writes both.
  RunDir dir;
  dir.write_cluster("md_1.xyz", "0 0 0 0\n");
  dir.write("conf.dat", "md_1.xyz\n");
  dir.write("mu_tot.txt", "kept\r\n");
  dir.plan_feff({{"", ""}, {"", xmu_file(XMU_ROW)}, {chi_file(CHI_ROW), xmu_file(XMU_ROW)}});
  const std::string summary = crlf(" 1 of 1 cluster has no FEFF result: md_1.xyz\n");
  auto nothing = dir.run();
  const std::string failed =
      " Cluster   1, md_1.xyz: no FEFF result: FEFF wrote neither chi.dat nor xmu.dat.\n";
  EXPECT_EQ(nothing.exit_code, 4);
  EXPECT_EQ(nothing.out, banner() + file_lines("md_1.xyz") + feff_lines(1, "md_1.xyz", 1) +
                             crlf(failed) + closing(false, false) + summary);
  EXPECT_EQ(nothing.err, failed + " 1 of 1 cluster has no FEFF result: md_1.xyz\n");
  EXPECT_EQ(dir.read("tolva64.failed"), "md_1.xyz\r\n");

  auto only_xmu = dir.run();
  EXPECT_EQ(only_xmu.exit_code, 4);
  EXPECT_EQ(only_xmu.out,
            banner() + file_lines("md_1.xyz") + feff_lines(1, "md_1.xyz", 2) +
                crlf(" Cluster   1, md_1.xyz: no FEFF result: FEFF wrote no chi.dat.\n") +
                closing(false, false) + summary);
  for (const char* name : {"xt.001", "mu.001", "xmu.dat", "xt_tot.txt"}) {
    EXPECT_FALSE(dir.exists(name)) << name;
  }
  EXPECT_EQ(dir.read("mu_tot.txt"), "kept\r\n");

  auto both = dir.run();
  EXPECT_EQ(both.exit_code, 0);
  EXPECT_EQ(both.out, banner() + file_lines("md_1.xyz") + feff_lines(1, "md_1.xyz", 3) +
                          closing(true, true));
  EXPECT_EQ(both.err, "");
  EXPECT_EQ(dir.read("mu_tot.txt"), MU_ROW);
  EXPECT_FALSE(dir.exists("tolva64.failed"));
}

TEST(PlainRun, SuffixIsTheLineNumberPaddedToThreeDigits) {
  RunDir dir;
  dir.write_cluster("md_1.xyz", "0 0 0 0\n");
  std::string list;
  for (int line = 1; line <= 1234; ++line) {
    list += "md_1.xyz\n";
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "%03d", line);
    if (line != 7 && line != 1234) {
      dir.write("xt." + std::string(suffix), "");
      dir.write("mu." + std::string(suffix), "");
    }
  }
  dir.write("conf.dat", list);
  dir.plan_feff({{chi_file(CHI_ROW), xmu_file(XMU_ROW)}});
  auto result = dir.run();
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_NE(result.out.find(feff_lines(7, "md_1.xyz", 1)), std::string::npos);
  EXPECT_NE(result.out.find("*** Cluster #1234. FEFF started"), std::string::npos);
  EXPECT_EQ(dir.read("xt.007"), XT_ROW);
  EXPECT_EQ(dir.read("xt.1234"), XT_ROW);
  EXPECT_EQ(dir.read("fake_feff.count"), "2");
}

TEST(PlainRun, FeffThatCannotBeStartedEndsTheRunWithTheProcessReport) {
  RunDir dir;
  dir.write_cluster("md_1.xyz", "0 0 0 0\n");
  dir.write("conf.dat", "md_1.xyz\n");
  std::filesystem::remove(dir / "feff.exe");
  dir.write("feff.exe", "not a program\n");
  std::filesystem::permissions(dir / "feff.exe", std::filesystem::perms::owner_read);
  auto result = dir.run();
  EXPECT_EQ(result.exit_code, 217);
  EXPECT_EQ(result.out, banner() + file_lines("md_1.xyz") +
                            crlf("*** Cluster #  1. FEFF started for the file: md_1.xyz.\n"));
  EXPECT_EQ(result.err.rfind("An unhandled exception occurred at $", 0), 0u);
  EXPECT_NE(result.err.find("EProcess: Failed to execute  : 13"), std::string::npos);
  EXPECT_TRUE(dir.exists("feff.inp"));
}

TEST(PlainRun, PlantedLinksAreReplacedNotWrittenThrough) {
  RunDir dir;
  dir.write_cluster("md_1.xyz", "0 0 0 0\n");
  dir.write("conf.dat", "md_1.xyz\n");
  dir.write("victim_input", "kept\n");
  dir.write("victim_average", "kept\n");
  std::filesystem::create_symlink("victim_input", dir / "feff.inp");
  std::filesystem::create_symlink("victim_average", dir / "xt_tot.txt");
  dir.plan_feff({{chi_file(CHI_ROW), xmu_file(XMU_ROW)}});
  ASSERT_EQ(dir.run().exit_code, 0);
  EXPECT_EQ(dir.read("victim_input"), "kept\n");
  EXPECT_EQ(dir.read("victim_average"), "kept\n");
  EXPECT_FALSE(std::filesystem::is_symlink(dir / "feff.inp"));
  EXPECT_EQ(dir.read("xt_tot.txt"), XT_ROW);
}

}  // namespace
