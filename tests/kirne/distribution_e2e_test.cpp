// Whole kirne runs in a fresh directory: the distribution tables as files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "expected_tables.hpp"
#include "test_support.hpp"

namespace {

using expected::table;
using test_support::read_file;
using test_support::run_program;
using test_support::TempDir;
using test_support::write_file;

std::string repeat(const std::string& frame, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += frame;
  return text;
}

bool ends_with(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(DistributionEndToEnd, TenConfigurationsOfFourAbsorbersAndAOneLetterSymbol) {
  // Four O on a square of side 2.5: from each, two sides (bin 250) and one
  // diagonal of 3.5355 A (bin 354); the Fe atom is 57.5 A or more away.
  // 80 counts / 10 configurations / 0.01 / 4 absorbers = 200; 40 counts: 100.
  TempDir dir;
  write_file(dir / "md.xyz", repeat("5\nsquare\nO 0 0 0\nO 2.5 0 0\nO 0 2.5 0\nO 2.5 2.5 0\n"
                                    "Fe 60 0 0\n",
                                    10));
  const auto run = run_program(KIRNE_BINARY, {"md", "0", "0", "8.0", "O", "-4", "FE"}, dir.path());
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_TRUE(ends_with(run.out, "Saving G2 (RDF). \r\nSaving p-RDF. \r\n")) << run.out;
  const std::string square =
      table(800, {{250, " 2.0000000000000000E+002"}, {354, " 1.0000000000000000E+002"}});
  EXPECT_EQ(read_file(dir / "g2_tot.txt"), square);
  EXPECT_EQ(read_file(dir / "g2_O-O.txt"), square);
  EXPECT_EQ(read_file(dir / "g2_O-FE.txt"), table(800));
  EXPECT_FALSE(std::filesystem::exists(dir / "g3_tot.txt"));
  EXPECT_FALSE(std::filesystem::exists(dir / "g4_tot.txt"));
}

TEST(DistributionEndToEnd, TwoLetterAbsorberWithTypesItsOwnAndOxygen) {
  // Fe absorber at the box centre; O at 2.0 and 2.5 A; the other Fe and O at
  // 17.3 A lie beyond the last row (MAXR = Rmax = 8 after two configurations).
  TempDir dir;
  write_file(dir / "md.xyz", repeat("5\nt\nFe 0 0 0\nO 2 0 0\nO 0 2.5 0\nFe 10 10 10\n"
                                    "O -10 -10 -10\n",
                                    2));
  const auto run = run_program(KIRNE_BINARY, {"md", "0", "0", "8.0", "Fe", "0", "O"}, dir.path());
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const std::string oxygen =
      table(800, {{200, " 1.0000000000000000E+002"}, {250, " 1.0000000000000000E+002"}});
  EXPECT_EQ(read_file(dir / "g2_tot.txt"), oxygen);
  EXPECT_EQ(read_file(dir / "g2_FE-O.txt"), oxygen);
  EXPECT_EQ(read_file(dir / "g2_FE-FE.txt"), table(800));
  EXPECT_TRUE(ends_with(read_file(dir / "g2_tot.txt"), "   8.00000\r\n"));
}

// Five configurations with SKIP 1: configurations 2 and 4 are used. Each
// holds the absorber and one oxygen 2.0 A away, so bin 200 gathers 2 counts:
// 2 / 2 used configurations / 0.01 / 1 absorber = 100. Divided by the 5
// configurations read it would be 40.
TEST(DistributionEndToEnd, TablesAreDividedByTheConfigurationsUsed) {
  TempDir dir;
  write_file(dir / "md.xyz", repeat("2\nt\nO 0 0 0\nO 2 0 0\n", 5));
  const auto run = run_program(KIRNE_BINARY, {"md", "0", "1", "3.0", "O", "1"}, dir.path());
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const std::string expected = table(300, {{200, " 1.0000000000000000E+002"}});
  EXPECT_EQ(read_file(dir / "g2_tot.txt"), expected);
  EXPECT_EQ(read_file(dir / "g2_O-O.txt"), expected);
}

TEST(DistributionEndToEnd, PathTablesChosenInTheDialogReachTheLastRow) {
  // Absorber A in the middle of P and Q, 1 A each side, Rmax 3 -> 300 rows.
  // G3: A-P-Q-A and A-Q-P-A, 4 A long -> bin 200, 2 per configuration.
  // G4: (P,A,P) (P,A,Q) (Q,A,Q) (Q,A,P) 4 A -> bin 200; (P,Q,P) (Q,P,Q) 6 A
  // -> bin 300, the last row. Two configurations: 4/2/0.01 = 200, 8/2/0.01 =
  // 400, 4/2/0.01 = 200.
  TempDir dir;
  write_file(dir / "line.xyz", repeat("3\nt\nO 0 0 0\nO 1 0 0\nO 2 0 0\n", 2));
  const auto run = run_program(KIRNE_BINARY, {"int"}, dir.path(), "O\n\nline\n3\nn\ny\ny\n");
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_TRUE(ends_with(run.out, "Saving G3. \r\nSaving G4. \r\n")) << run.out;
  EXPECT_EQ(read_file(dir / "g3_tot.txt"), table(300, {{200, " 2.0000000000000000E+002"}}));
  EXPECT_EQ(read_file(dir / "g4_tot.txt"),
            table(300, {{200, " 4.0000000000000000E+002"}, {300, " 2.0000000000000000E+002"}}));
  EXPECT_FALSE(std::filesystem::exists(dir / "g2_tot.txt"));
  EXPECT_FALSE(std::filesystem::exists(dir / "g2_O-O.txt"));
}

// The first frames of the copper trajectory, with 20 atoms from the middle
// of the box moved to the front of every frame, so that the first 20 atoms,
// the absorbers, have their whole neighbour shells (no periodic images).
std::string copper_with_inner_atoms_first(int frames) {
  std::ifstream in(MDX_COPPER_TRAJECTORY);
  std::string count_line, comment, out;
  std::vector<int> inner;
  for (int f = 0; f < frames && std::getline(in, count_line); ++f) {
    std::getline(in, comment);
    std::vector<std::string> lines(std::stoi(count_line));
    for (std::size_t i = 0; i < lines.size(); ++i) {
      std::getline(in, lines[i]);
      std::istringstream fields(lines[i]);
      std::string symbol;
      double x = 0, y = 0, z = 0;
      fields >> symbol >> x >> y >> z;
      const bool middle = x > 12 && x < 24 && y > 12 && y < 24 && z > 12 && z < 24;
      if (f == 0 && middle && inner.size() < 20) inner.push_back(static_cast<int>(i));
    }
    out += count_line + "\n" + comment + "\n";
    for (int i : inner) out += lines[i] + "\n";
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (std::find(inner.begin(), inner.end(), static_cast<int>(i)) == inner.end())
        out += lines[i] + "\n";
    }
  }
  return out;
}

TEST(DistributionEndToEnd, CopperShowsTwelveNeighboursNear2p55Angstrom) {
  TempDir dir;
  write_file(dir / "cu.xyz", copper_with_inner_atoms_first(3));
  const auto run = run_program(KIRNE_BINARY, {"cu", "0", "0", "6", "Cu", "-20"}, dir.path());
  ASSERT_EQ(run.exit_code, 0) << run.err;
  std::istringstream rows(read_file(dir / "g2_tot.txt"));
  std::vector<double> value, length;
  double v = 0, r = 0;
  while (rows >> v >> r) value.push_back(v), length.push_back(r);
  ASSERT_EQ(value.size(), 600u);
  // The first shell: the sum of value * 0.01 up to the first minimum counts
  // the mean number of neighbours, 12 in fcc; its peak, smoothed over five
  // bins, lies near 2.55 A.
  double neighbours = 0.0;
  for (std::size_t i = 0; i < value.size() && length[i] <= 3.09; ++i) neighbours += value[i] * 0.01;
  EXPECT_NEAR(neighbours, 12.0, 0.1);
  std::size_t peak = 2;
  auto smoothed = [&](std::size_t i) {
    return value[i - 2] + value[i - 1] + value[i] + value[i + 1] + value[i + 2];
  };
  for (std::size_t i = 2; i + 2 < value.size() && length[i] <= 3.09; ++i) {
    if (smoothed(i) > smoothed(peak)) peak = i;
  }
  EXPECT_NEAR(length[peak], 2.55, 0.07);
}

}  // namespace
