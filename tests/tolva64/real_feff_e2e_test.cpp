// tolva64 with the real FEFF 8.5L behind feff.exe: a cluster whose potential
// has no atom within RMAX fails, is named and never averaged in, and runs
// once its absent potential is left out. Each FEFF run costs about 0.3 s, so
// the clusters are few and small.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "test_support.hpp"

namespace {

namespace fs = std::filesystem;
using test_support::read_file;

bool holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The atoms of the copper reference input as cluster-file lines: type index
// (the FEFF potential there) and x, y, z. The atom at (3.61, 0, 0) becomes
// an oxygen (type 2) when asked.
std::string copper_atoms(bool with_oxygen) {
  std::istringstream input(read_file(std::string(FEFF8L_DATA) + "/cu/feff.inp"));
  std::string line;
  while (std::getline(input, line) && line != " ATOMS") {
  }
  std::string atoms;
  while (std::getline(input, line) && line != " END") {
    std::istringstream fields(line);
    std::string x, y, z, potential;
    fields >> x >> y >> z >> potential;
    if (with_oxygen && x == "3.61000" && y == "0.00000" && z == "0.00000") potential = "2";
    atoms += potential + " " + x + " " + y + " " + z + "\n";
  }
  return atoms;
}

class RealFeffRun : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string placeholders = "1 100 100 10\n2 100 100 20\n";
    write("md_1.xyz", "# Cluster: 1. \n" + copper_atoms(true) + placeholders);
    write("md_2.xyz", "# Cluster: 2. \n" + copper_atoms(false) + placeholders);
    write("conf.dat", "md_1.xyz\nmd_2.xyz\n");
    write("pot.dat", " 0 0 Cu\n 1 1 Cu\n 2 2 O\n");
    write("feff.dat", " EDGE      K\n S02       1.0\n CONTROL   1 1 1 1 1 1\n"
                      " PRINT     1 0 0 0 0 0\n EXAFS     20\n RMAX      6.0\n POTENTIALS\n"
                      "     0  29  Cu\n     1  29  Cu\n     2   8  O\n ATOMS\n");
    fs::create_symlink(FEFF8L_BIN, dir_ / "feff.exe");
  }
  void write(const std::string& name, const std::string& text) {
    test_support::write_file(dir_ / name, text);
  }
  test_support::RunResult run(const std::vector<std::string>& args) {
    return test_support::run_program(TOLVA64_BIN, args, dir_.path());
  }
  test_support::TempDir dir_;
};

TEST_F(RealFeffRun, AbsentPotentialFailsTheClusterOpenlyThenRunsWhenLeftOut) {
  auto first = run({"--jobs", "2"});
  EXPECT_EQ(first.exit_code, 3) << first.out << first.err;
  EXPECT_TRUE(holds(first.out, " Warning: md_2.xyz: no atom of potential 2 within RMAX 6"))
      << first.out;
  EXPECT_TRUE(holds(first.err, " FEFF xsph failed: no phase.pad.")) << first.err;
  EXPECT_TRUE(holds(first.out, " Cluster   2, md_2.xyz: no FEFF result: ")) << first.out;
  EXPECT_TRUE(holds(first.out, " 1 of 2 clusters have no FEFF result: md_2.xyz\r\n"));
  EXPECT_EQ(read_file(dir_ / "tolva64.failed"), "md_2.xyz\r\n");
  EXPECT_FALSE(fs::exists(dir_ / "xt.002"));
  // The average of the one cluster that has a result is that cluster.
  EXPECT_EQ(read_file(dir_ / "xt_tot.txt"), read_file(dir_ / "xt.001"));

  auto second = run({"--jobs", "2", "--drop-absent-potentials"});
  EXPECT_EQ(second.exit_code, 0) << second.out << second.err;
  EXPECT_TRUE(holds(second.out, " md_2.xyz: potential 2 without an atom within RMAX 6"));
  EXPECT_TRUE(fs::exists(dir_ / "xt.002"));
  EXPECT_FALSE(fs::exists(dir_ / "tolva64.failed"));
  EXPECT_NE(read_file(dir_ / "xt_tot.txt"), read_file(dir_ / "xt.001"));
}

}  // namespace
