// The Lattice key of an extended XYZ comment line.
#include "kirne/extended_xyz_lattice.hpp"

#include <gtest/gtest.h>

using namespace kirne;

TEST(ExtendedXyzLattice, AnywhereAmongOtherKeys) {
  const LatticeReading r = read_lattice(
      "Properties=species:S:1:pos:R:3 Lattice=\"10.0 0.0 0.0 0.0 12.0 0.0 0.0 0.0 8.0\" "
      "pbc=\"T T T\" timestep=40");
  ASSERT_TRUE(r.cell.has_value());
  EXPECT_EQ(r.problem, "");
  EXPECT_DOUBLE_EQ(r.cell->volume(), 960.0);
  EXPECT_EQ(r.cell->edges()[1].y, 12.0);
  // Tilted, first on the line, another letter case, blanks around '='.
  const LatticeReading tilted = read_lattice("lattice = \"4 0 0 1 6 0 3 2 5\" energy=-1.5");
  ASSERT_TRUE(tilted.cell.has_value());
  EXPECT_EQ(tilted.cell->edges()[2].x, 3.0);
  EXPECT_EQ(tilted.cell->edges()[1].x, 1.0);
}

// Quoted values of other keys may hold blanks, equals signs and escaped
// quotes without being taken for pairs of their own.
TEST(ExtendedXyzLattice, QuotingRulesOfOtherKeys) {
  const LatticeReading r =
      read_lattice("comment=\"a \\\"Lattice=1\\\" b=c\" flag Lattice=\"2 0 0 0 2 0 0 0 2\"");
  ASSERT_TRUE(r.cell.has_value());
  EXPECT_DOUBLE_EQ(r.cell->volume(), 8.0);
  EXPECT_FALSE(read_lattice("Atoms. Timestep: 0").cell.has_value());
  EXPECT_EQ(read_lattice("Atoms. Timestep: 0").problem, "");
  EXPECT_FALSE(read_lattice("").cell.has_value());
  EXPECT_FALSE(read_lattice("= \" ==").cell.has_value());
}

TEST(ExtendedXyzLattice, ValuesThatAreNoCell) {
  EXPECT_EQ(read_lattice("Lattice=\"10 0 0 0 10 0 0 0\"").problem,
            "Lattice=\"10 0 0 0 10 0 0 0\" needs 9 numbers, the three cell vectors");
  EXPECT_EQ(read_lattice("Lattice=\"10 0 0 0 x 0 0 0 10\"").problem,
            "Lattice=\"10 0 0 0 x 0 0 0 10\" holds something that is no number");
  EXPECT_EQ(read_lattice("Lattice=\"1 0 0 2 0 0 0 0 1\"").problem,
            "Lattice=\"1 0 0 2 0 0 0 0 1\" spans no volume");
}
