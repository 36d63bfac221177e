// End-to-end runs of tolva64 about its inputs besides conf.dat: the limits of
// pot.dat and of a cluster file, bad cluster files, and the dummy-atom marks
// that last for the whole run.
#include <gtest/gtest.h>

#include "tolva64_test_run.hpp"

namespace {

using test_support::crlf;
using namespace tolva64_test;

TEST(FeffInputRun, MoreThanTwentyMapEntriesStopBeforeAnyCluster) {
  RunDir dir;
  std::string map = "Type -> potential\n";
  for (int j = 0; j <= 20; ++j) map += " " + std::to_string(j) + " 1\n";
  dir.write("pot.dat", map);
  dir.write_cluster("md_1.xyz", "0 0 0 0\n");
  dir.write("conf.dat", "md_1.xyz\n");
  auto result = dir.run();
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out,
            banner() + crlf(" The file \"pot.dat\" holds more than 20 potential entries!\n"));
  EXPECT_FALSE(dir.exists("feff.inp"));
}

TEST(FeffInputRun, ClusterBeyondTheAtomLimitStopsTheRun) {
  RunDir dir;
  std::string atoms = "# Cluster: 1. \n";
  atoms.reserve(8 * 200002);
  for (int i = 0; i <= 200000; ++i) atoms += "1 0 0 0\n";
  dir.write("big.xyz", atoms);
  dir.write("conf.dat", "big.xyz\n");
  auto result = dir.run();
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out, banner() + file_lines("big.xyz") +
                            crlf(" The file \"big.xyz\" holds more than 200000 atoms!\n"));
  EXPECT_FALSE(dir.exists("feff.inp"));
  EXPECT_FALSE(dir.exists("fake_feff.count"));
}

TEST(FeffInputRun, BadClusterFilesStopWithInvalidInput) {
  // A token that is no number, and an empty line after the last atom line,
  // which starts one more record with nothing to read.
  for (const std::string& atoms : {std::string("0 0 0 zero\n"), std::string("0 0 0 0\n\n")}) {
    RunDir dir;
    dir.write("md_1.xyz", "# Cluster: 1. \n" + atoms);
    dir.write("conf.dat", "md_1.xyz\n");
    auto result = dir.run();
    EXPECT_EQ(result.exit_code, 217);
    EXPECT_NE(result.err.find("EInOutError: Invalid input"), std::string::npos);
    EXPECT_FALSE(dir.exists("fake_feff.count"));
    EXPECT_FALSE(dir.exists("feff.inp"));
  }
}

TEST(FeffInputRun, DummyAtomLinesStopOnceTheirTypeHasOccurred) {
  RunDir dir;
  dir.write("pot.dat", " 0 0\n 1 1\n 2 2\n 5 3\n");
  dir.write_cluster("plain.xyz", "0 0 0 0\n");
  dir.write_cluster("with5.xyz", "0 0 0 0\n5 0 0 1.5\n");
  dir.write("conf.dat", "plain.xyz\nplain.xyz\nwith5.xyz\nplain.xyz\n");
  ASSERT_EQ(dir.run().exit_code, 4);  // the fake FEFF writes no results
  const std::string shared = crlf("    0.00000    0.00000    0.00000     0    0.00000\n");
  const std::string placeholders = crlf(
      "  100.00000  100.00000   10.00000     1  141.77447\n"
      "  100.00000  100.00000   20.00000     2  142.82857\n");
  const std::string dummy = crlf("  300.00000  300.00000  300.00000     3  Dummy atom\n");
  const std::string end = crlf(" END\n");
  auto input = [](const std::string& name) {
    return crlf(" TITLE  Result for FILENAME= " + name + "\n ATOMS\n");
  };
  EXPECT_EQ(dir.read("seen_feff_1.inp"), input("plain.xyz") + shared + placeholders + dummy + end);
  EXPECT_EQ(dir.read("seen_feff_2.inp"), input("plain.xyz") + shared + placeholders + dummy + end);
  EXPECT_EQ(dir.read("seen_feff_3.inp"),
            input("with5.xyz") + shared +
                crlf("    0.00000    0.00000    1.50000     3    1.50000\n") + placeholders + end);
  EXPECT_EQ(dir.read("seen_feff_4.inp"), input("plain.xyz") + shared + placeholders + end);
}

}  // namespace
