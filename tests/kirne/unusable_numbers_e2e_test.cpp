// Numbers a run cannot use: an Rmax that is no finite number and atoms that
// are no number or lie beyond 1e6 A. They stop the run with exit code 1 and
// a line naming them, where they once gave clusters of placeholders only, a
// "Nan" in feff.inp or a false "No FE atom is present".
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "kirne_e2e_support.hpp"

using namespace kirne_e2e;
using test_support::crlf;
using test_support::read_file;
using test_support::TempDir;
using test_support::write_file;

namespace {

namespace fs = std::filesystem;

const std::string kTail = "\": a coordinate lies beyond 1e6 A or is no number !!!";

void expect_stop(const test_support::RunResult& run, const std::string& expected_out,
                 const std::string& line) {
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.out, crlf(expected_out + line + "\n"));
  EXPECT_EQ(run.err, line + "\n");
}

}  // namespace

// The echo shows the value (in the 24 columns of the default layout); the
// stop comes before conf.dat is created, so no file is written at all.
TEST(UnusableNumbers, RmaxThatIsNoFiniteNumber) {
  TempDir dir;
  write_file(dir / "md.xyz", "1\n\nFe 0 0 0\n");
  auto run = run_kirne(dir, {"md", "0", "0", "nan", "Fe", "0"});
  expect_stop(run,
              banner() + type_table(1, "FE ", "FE") +
                  parameter_echo("md", 0, 0, "                     Nan"),
              " Rmax must be a finite number of angstrom, not nan !!!");
  EXPECT_FALSE(fs::exists(dir / "conf.dat"));
  run = run_kirne(dir, {"md", "0", "0", "-Inf", "Fe", "0"});
  EXPECT_EQ(run.err, " Rmax must be a finite number of angstrom, not -inf !!!\n");
}

// Asked in test mode: by the stop only the empty copy of the atom lines,
// ttt.xyz, has been created.
TEST(UnusableNumbers, RmaxAnsweredInfinite) {
  TempDir dir;
  write_file(dir / "md.xyz", "1\n\nFe 0 0 0\n");
  auto run = run_kirne(dir, {"test"}, "Fe\n\nmd\ninf\n");
  expect_stop(run,
              banner("!!! Running in the test mode !!!") +
                  "Enter central atom type: Enter other atom types: " + type_table(1, "FE ", "FE") +
                  "Enter XYZ-filename without extension: Enter Rmax: " +
                  parameter_echo("md", 0, 0, "                    +Inf"),
              " Rmax must be a finite number of angstrom, not inf !!!");
  EXPECT_FALSE(fs::exists(dir / "conf.dat"));
  EXPECT_EQ(read_file(dir / "ttt.xyz"), "");
}

// Configuration 1 is skipped but still decides the absorber: an atom at
// 1e150 there once hid every iron atom from the search.
TEST(UnusableNumbers, FarAtomInTheSkippedFirstConfiguration) {
  TempDir dir;
  write_file(dir / "md.xyz", "2\n\nFe 0 0 0\nO 1e150 0 0\n2\n\nFe 0 0 0\nO 1 0 0\n");
  auto run = run_kirne(dir, {"md", "1", "0", "5", "Fe", "0", "O"});
  expect_stop(run,
              banner() + type_table(2, "FE O  ", "FE") +
                  parameter_echo("md", 1, 0, " 5.0000000000000000E+000"),
              " Configuration 1 of md.xyz, atom 2 on line 4 \"O 1e150 0 0" + kTail);
  EXPECT_EQ(read_file(dir / "conf.dat"), "");
}

// A NaN absorber in configuration 3: the clusters of 1 and 2 are listed and
// whole; nothing of 3 is written.
TEST(UnusableNumbers, NanAbsorberAfterClustersWereWritten) {
  TempDir dir;
  const std::string frame = "2\nok\nFe 0 0 0\nO 0 1 0\n";
  write_file(dir / "md.xyz", frame + frame + "2\r\nbad\r\nFe NaN 0 0\r\nO 0 1 0\r\n");
  auto run = run_kirne(dir, {"md.xyz", "0", "0", "5", "Fe", "0", "O"});
  expect_stop(run,
              banner() + type_table(2, "FE O  ", "FE") +
                  parameter_echo("md.xyz", 0, 0, " 5.0000000000000000E+000"),
              " Configuration 3 of md.xyz, atom 1 on line 11 \"Fe NaN 0 0" + kTail);
  EXPECT_EQ(read_file(dir / "conf.dat"), crlf("md_1.xyz\nmd_2.xyz\n"));
  EXPECT_EQ(read_file(dir / "md_2.xyz"),
            crlf("# Cluster: 2. ok\n" + atom(0, ZERO, ZERO, ZERO) + atom(2, ZERO, ONE, ZERO) +
                 "1 100 100 10\n2 100 100 20\n"));
  EXPECT_FALSE(fs::exists(dir / "md_3.xyz"));
  EXPECT_FALSE(fs::exists(dir / "g2_tot.txt"));
}
