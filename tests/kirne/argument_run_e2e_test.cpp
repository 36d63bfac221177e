// Whole runs in argument-list mode: console transcript, conf.dat and every
// cluster file compared byte for byte, CR LF included.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "kirne_e2e_support.hpp"

using namespace kirne_e2e;
using test_support::crlf;
using test_support::read_file;
using test_support::TempDir;
using test_support::write_file;

namespace {

// Configuration 1 spans x 0..4 and y 0..2, so its centre is (2, 1, 0) and
// the iron atoms 1, 3 and 4 all lie sqrt(5) from it: atom 1 wins the tie.
// Atom 3 sits exactly at Rmax = 2 from atom 1, atom 4 beyond it.
const char* const TWO_FRAMES =
    "4\n"
    " frame one\n"
    "Fe 0.0 0.0 0.0\n"
    "O 1.0 0.0 0.0\n"
    "Fe 0.0 2.0 0.0\n"
    "17 Fe 4.0 0.0 0.0\n"
    "4\n"
    "t=1.5 ps\n"
    "Fe 0.5 0.0 0.0\n"
    "O   -0.5 0.0 0.0\n"
    "Fe 0.5 2.0 0.0\n"
    "Fe 4.5 0.0 0.0\n";

}  // namespace

TEST(ArgumentRun, WritesListClustersAndTranscript) {
  TempDir dir;
  write_file(dir / "md.xyz", TWO_FRAMES);
  auto run = run_kirne(dir, {"md", "0", "0", "2.0", "Fe", "0", "O"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, crlf(banner() + type_table(2, "FE O  ", "FE") +
                          parameter_echo("md", 0, 0, " 2.0000000000000000E+000") +
                          statistics(2, 2, 1) + SAVING_G2));
  EXPECT_EQ(read_file(dir / "conf.dat"), crlf("md_1.xyz\nmd_2.xyz\n"));
  EXPECT_EQ(
      read_file(dir / "md_1.xyz"),
      crlf("# Cluster: 1.  frame one\n" + atom(0, ZERO, ZERO, ZERO) + atom(2, ONE, ZERO, ZERO) +
           atom(1, ZERO, TWO, ZERO) + "1 100 100 10\n2 100 100 20\n"));
  EXPECT_EQ(
      read_file(dir / "md_2.xyz"),
      crlf("# Cluster: 2. t=1.5 ps\n" + atom(0, ZERO, ZERO, ZERO) + atom(2, MINUS_ONE, ZERO, ZERO) +
           atom(1, ZERO, TWO, ZERO) + "1 100 100 10\n2 100 100 20\n"));
  EXPECT_TRUE(std::filesystem::exists(dir / "g2_tot.txt"));
}

TEST(ArgumentRun, SkipsSelectConfigurationsAndTrailingBlankLinesAreNoConfiguration) {
  TempDir dir;
  std::string frames;
  for (int i = 1; i <= 5; ++i) frames += "1\nframe " + std::to_string(i) + "\nO 0 0 0\n";
  write_file(dir / "five.xyz", frames + "\n\n  \n");
  auto run = run_kirne(dir, {"five.xyz", "0", "1", "1", "O", "0"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(read_file(dir / "conf.dat"), crlf("five_2.xyz\nfive_4.xyz\n"));
  EXPECT_EQ(read_file(dir / "five_4.xyz"),
            crlf("# Cluster: 4. frame 4\n" + atom(0, ZERO, ZERO, ZERO) + "1 100 100 10\n"));
  EXPECT_NE(run.out.find(crlf(statistics(5, 2, 1))), std::string::npos) << run.out;

  TempDir late;
  write_file(late / "five.xyz", frames);
  run = run_kirne(late, {"five", "7", "0", "1", "O", "0"});
  EXPECT_EQ(read_file(late / "conf.dat"), "");
  EXPECT_NE(run.out.find(crlf(statistics(5, 0, 0))), std::string::npos) << run.out;
}

// Atoms 1..4 are Fe O Fe O; atom 5 is iron but beyond n = 4. In each
// cluster only its own absorber has index 0; the other iron atoms have 1.
TEST(ArgumentRun, SeveralAbsorbersGetTheirOwnLabelledClusters) {
  const char* const MINUS_TWO = "-2.0000000000000000E+000";
  TempDir dir;
  write_file(dir / "md.xyz", "5\n\nFe 0 0 0\nO 1 0 0\nFe 2 0 0\nO 3 0 0\nFe 1 1 0\n");
  auto run = run_kirne(dir, {"md", "0", "0", "2.0", "Fe", "-4", "O"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(read_file(dir / "conf.dat"), crlf("md_1_1.xyz\nmd_1_3.xyz\n"));
  EXPECT_EQ(
      read_file(dir / "md_1_1.xyz"),
      crlf("# Cluster: 1_1. \n" + atom(0, ZERO, ZERO, ZERO) + atom(2, ONE, ZERO, ZERO) +
           atom(1, TWO, ZERO, ZERO) + atom(1, ONE, ONE, ZERO) + "1 100 100 10\n2 100 100 20\n"));
  EXPECT_EQ(
      read_file(dir / "md_1_3.xyz"),
      crlf("# Cluster: 1_3. \n" + atom(1, MINUS_TWO, ZERO, ZERO) + atom(2, MINUS_ONE, ZERO, ZERO) +
           atom(0, ZERO, ZERO, ZERO) + atom(2, ONE, ZERO, ZERO) + atom(1, MINUS_ONE, ONE, ZERO) +
           "1 100 100 10\n2 100 100 20\n"));
  EXPECT_NE(run.out.find(crlf(statistics(1, 1, 2))), std::string::npos) << run.out;
}

// Rmax 0 keeps the absorber and an atom on the same spot; the doubled Fe
// entry gives iron the higher index 3; atom 2 is named as the absorber
// though it is oxygen.
TEST(ArgumentRun, GivenAbsorberZeroRmaxAndDoubledType) {
  TempDir dir;
  write_file(dir / "md.xyz", "3\nc\nFe 1 1 1\nO 2 2 2\nFe 2 2 2\n");
  auto run = run_kirne(dir, {"md", "0", "0", "0", "Fe", "2", "O", "Fe"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(read_file(dir / "md_1.xyz"),
            crlf("# Cluster: 1. c\n" + atom(0, ZERO, ZERO, ZERO) + atom(3, ZERO, ZERO, ZERO) +
                 "1 100 100 10\n2 100 100 20\n3 100 100 30\n"));
}

// The trajectory is found through the directory part, which never reaches
// the cluster names: conf.dat and md_1.xyz are written where kirne runs.
TEST(ArgumentRun, TrajectoryNamedWithADirectoryPart) {
  TempDir dir;
  std::filesystem::create_directories(dir / "runs.v2");
  std::filesystem::create_directories(dir / "work");
  write_file(dir / "runs.v2" / "md.xyz", "2\nc\nFe 0 0 0\nO 0 0 1\n");
  auto run = test_support::run_program(
      KIRNE_BINARY, {"../runs.v2/md", "0", "0", "2", "Fe", "0", "O"}, dir / "work");
  EXPECT_EQ(run.exit_code, 0) << run.out;
  EXPECT_EQ(run.out,
            crlf(banner() + type_table(2, "FE O  ", "FE") +
                 parameter_echo("../runs.v2/md", 0, 0, TWO) + statistics(1, 1, 1) + SAVING_G2));
  EXPECT_EQ(read_file(dir / "work" / "conf.dat"), crlf("md_1.xyz\n"));
  EXPECT_EQ(read_file(dir / "work" / "md_1.xyz"),
            crlf("# Cluster: 1. c\n" + atom(0, ZERO, ZERO, ZERO) + atom(2, ZERO, ZERO, ONE) +
                 "1 100 100 10\n2 100 100 20\n"));
  EXPECT_EQ(std::filesystem::directory_iterator(dir / "runs.v2")->path().filename(), "md.xyz");
}

// "abc" as Rmax is 0, echoed so, and each unreadable number is warned of on
// standard error only; a negative Rmax acts by its square.
TEST(ArgumentRun, UnreadableNumbersBecomeZero) {
  TempDir dir;
  write_file(dir / "md.xyz", "2\nc\nFe 0 0 0\nO 0 0 1\n");
  auto run = run_kirne(dir, {"md", "x", "", "abc", "Fe", "zz", "O"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, crlf(banner() + type_table(2, "FE O  ", "FE") +
                          parameter_echo("md", 0, 0, ZERO) + statistics(1, 1, 1) + SAVING_G2));
  EXPECT_EQ(run.err,
            " Warning: SKIPFIRST (argument 2) \"x\" is not a whole number; 0 is used.\n"
            " Warning: SKIP (argument 3) \"\" is not a whole number; 0 is used.\n"
            " Warning: RMAX (argument 4) \"abc\" is not a number; 0 is used.\n"
            " Warning: CHOICE (argument 6) \"zz\" is not a whole number; 0 is used.\n");
  EXPECT_EQ(read_file(dir / "md_1.xyz"),
            crlf("# Cluster: 1. c\n" + atom(0, ZERO, ZERO, ZERO) + "1 100 100 10\n2 100 100 20\n"));
  TempDir negative;
  write_file(negative / "md.xyz", "2\nc\nFe 0 0 0\nO 0 0 1\n");
  run_kirne(negative, {"md", "0", "0", "-1", "Fe", "0", "O"});
  EXPECT_EQ(read_file(negative / "md_1.xyz"),
            crlf("# Cluster: 1. c\n" + atom(0, ZERO, ZERO, ZERO) + atom(2, ZERO, ZERO, ONE) +
                 "1 100 100 10\n2 100 100 20\n"));
  // The rows stop at MAXR, which Rmax -1 has clipped below the first length:
  // the tables are written, with no row.
  for (const char* table : {"g2_tot.txt", "g2_FE-FE.txt", "g2_FE-O.txt"}) {
    EXPECT_TRUE(std::filesystem::exists(negative / table)) << table;
    EXPECT_EQ(read_file(negative / table), "") << table;
  }
}

// The distance range of the distribution tables (one row per 0.01 A up to
// MAXR): the smallest half extent of configuration 1 (here 5 of 5, 10, 15)
// when that is the only configuration, Rmax once a second one is read, and
// Rmax from the start with several absorbers per configuration.
TEST(ArgumentRun, DistanceRangeOfTheDistributionTables) {
  auto g2_rows = [](const std::string& trajectory, const std::string& choice) {
    TempDir dir;
    write_file(dir / "md.xyz", trajectory);
    run_kirne(dir, {"md", "0", "0", "8", "Fe", choice, "O"});
    std::string table = read_file(dir / "g2_tot.txt");
    return std::count(table.begin(), table.end(), '\n');
  };
  const std::string frame = "2\n\nFe 0 0 0\nO 10 20 30\n";
  EXPECT_EQ(g2_rows(frame, "0"), 500);
  EXPECT_EQ(g2_rows(frame + frame, "0"), 800);
  EXPECT_EQ(g2_rows(frame, "-2"), 800);
}
