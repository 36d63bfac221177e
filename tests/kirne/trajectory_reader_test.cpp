// Which reader a trajectory goes to.
#include "kirne/trajectory_reader.hpp"

#include <gtest/gtest.h>

using namespace kirne;
using common::TextInput;

TEST(TrajectoryFormat, DumpByNameOrFirstLine) {
  TextInput xyz = TextInput::from_string("1\n\nCu 0 0 0\n");
  EXPECT_EQ(detect_format("md.xyz", xyz), TrajectoryFormat::Xyz);
  EXPECT_EQ(detect_format("md.lammpstrj", xyz), TrajectoryFormat::LammpsDump);
  EXPECT_EQ(detect_format("run.dump", xyz), TrajectoryFormat::LammpsDump);
  EXPECT_EQ(detect_format("md.dump.xyz", xyz), TrajectoryFormat::Xyz);
  TextInput dump = TextInput::from_string("ITEM: TIMESTEP\n0\n");
  EXPECT_EQ(detect_format("md.xyz", dump), TrajectoryFormat::LammpsDump);
  TextInput short_text = TextInput::from_string("ITEM");
  EXPECT_EQ(detect_format("md.xyz", short_text), TrajectoryFormat::Xyz);
  EXPECT_TRUE(has_dump_name("a.lammpstrj"));
  EXPECT_FALSE(has_dump_name("lammpstrj"));
}

// With --pbc an extended XYZ frame brings its own cell; without, the
// comment line is only text, whatever it holds.
TEST(TrajectoryReader, LatticeReadOnlyWhenTheCellIsWanted) {
  const std::string text = "1\nLattice=\"5 0 0 0 5 0 0 0 5\" pbc=\"T T T\"\nCu 0 0 0\n";
  RunParameters parameters;
  parameters.trajectory_path = "md.xyz";
  Frame frame;
  TrajectoryReader plain(TextInput::from_string(text), parameters);
  EXPECT_FALSE(plain.read(1, frame, nullptr).has_value());
  EXPECT_FALSE(frame.cell.has_value());
  parameters.periodic = true;
  TrajectoryReader periodic(TextInput::from_string(text), parameters);
  EXPECT_FALSE(periodic.read(1, frame, nullptr).has_value());
  ASSERT_TRUE(frame.cell.has_value());
  EXPECT_DOUBLE_EQ(frame.cell->volume(), 125.0);
  TrajectoryReader broken(TextInput::from_string("1\nLattice=\"5 0 0\"\nCu 0 0 0\n"), parameters);
  EXPECT_EQ(broken.read(1, frame, nullptr)->line,
            " md.xyz, configuration 1, comment line: Lattice=\"5 0 0\" needs 9 numbers, the "
            "three cell vectors.");
}

// With a type map the symbol column may hold numeric types.
TEST(TrajectoryReader, NumericTypesInAnXyzFile) {
  RunParameters parameters;
  parameters.trajectory_path = "md.xyz";
  parameters.type_map = *TypeMap::parse("1=Cu,2=Zr");
  Frame frame;
  TrajectoryReader reader(TextInput::from_string("3\n\n2 1 2 3\n 1\t4 5 6\nO 7 8 9\n"), parameters);
  EXPECT_FALSE(reader.read(1, frame, nullptr).has_value());
  EXPECT_EQ(frame.symbols, (std::vector<Symbol>{"ZR", "CU", "O "}));
  EXPECT_EQ(frame.x, (std::vector<double>{1, 4, 7}));
  EXPECT_EQ(frame.z, (std::vector<double>{3, 6, 9}));
  TrajectoryReader unknown(TextInput::from_string("2\n\n1 0 0 0\n3 0 0 0\n"), parameters);
  EXPECT_EQ(unknown.read(1, frame, nullptr)->line,
            " md.xyz, configuration 1, atom 2: type 3 is not in --type-map.");
}
