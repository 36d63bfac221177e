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

TEST(FeffInputRun, ClusterFilesCutShortAreRefusedWithoutRunningFeff) {
  // What a full disk leaves of a cluster file: its header only, or atom
  // lines without the absorber's. A dummy atom would otherwise stand at the
  // origin as the absorber and give an all-zero spectrum.
  RunDir dir;
  dir.write("empty.xyz", "# Cluster: 1. \r\n");
  dir.write("noabsorber.xyz", "# Cluster: 2. \r\n1 1.5 0 0\r\n1 100 100 10\r\n");
  dir.write("zero.xyz", "");
  dir.write_cluster("good.xyz", "0 0 0 0\n");
  dir.write("conf.dat", "empty.xyz\nnoabsorber.xyz\nzero.xyz\ngood.xyz\n");
  dir.plan_feff({{chi_file("0.05 0.1\n"), xmu_file("8979 0 0 0.1\n")}});
  auto result = dir.run();
  EXPECT_EQ(result.exit_code, 3);
  const std::string refusals =
      " Cluster   1, empty.xyz: no FEFF result: the cluster file empty.xyz holds no atom "
      "lines.\n"
      " Cluster   2, noabsorber.xyz: no FEFF result: the cluster file noabsorber.xyz has no "
      "absorber line (type index 0).\n"
      " Cluster   3, zero.xyz: no FEFF result: the cluster file zero.xyz holds no atom lines.\n";
  EXPECT_EQ(result.err, refusals +
                            " 3 of 4 clusters have no FEFF result: empty.xyz, noabsorber.xyz, "
                            "zero.xyz\n");
  EXPECT_NE(result.out.find(crlf("File: zero.xyz\n" + refusals.substr(refusals.rfind(" Cluster")) +
                                 " \nFile: good.xyz\n*** Cluster #  4.")),
            std::string::npos)
      << result.out;
  EXPECT_EQ(dir.read("fake_feff.count"), "1");
  const std::string title = crlf(" TITLE  Result for FILENAME= good.xyz\n");
  EXPECT_EQ(dir.read("seen_feff_1.inp").substr(0, title.size()), title);
}

}  // namespace
