// Frames of LAMMPS text dumps: boxes, columns, types and the messages for
// what is not a dump.
#include "kirne/lammps_dump_reader.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace kirne;
using common::TextInput;

namespace {

const std::string kOrthogonal =
    "ITEM: TIMESTEP\n1000\nITEM: NUMBER OF ATOMS\n2\nITEM: BOX BOUNDS pp pp pp\n"
    "-1.0 9.0\n0.0 12.0\n2.0 10.0\n";

struct Read {
  Frame frame;
  MaybeStop stop;
};

Read read_dump(const std::string& text, const TypeMap& map = TypeMap()) {
  TextInput input = TextInput::from_string(text);
  LammpsDumpReader reader("md.lammpstrj", map);
  Read r;
  r.stop = reader.read_frame(input, 1, r.frame);
  return r;
}

}  // namespace

TEST(LammpsDump, OrthogonalBoxWithElementsAndWrappedPositions) {
  const Read r = read_dump(kOrthogonal +
                           "ITEM: ATOMS id element x y z vx\n"
                           "7 Cu 0.5 1.5 2.5 0.1\n8 Zr 8.5 11.5 9.5 0.2\n");
  ASSERT_FALSE(r.stop.has_value()) << r.stop->line;
  EXPECT_EQ(r.frame.comment, "Timestep: 1000");
  EXPECT_EQ(r.frame.label, "1");
  EXPECT_EQ(r.frame.symbols, (std::vector<Symbol>{"CU", "ZR"}));
  EXPECT_EQ(r.frame.x, (std::vector<double>{0.5, 8.5}));
  EXPECT_EQ(r.frame.z, (std::vector<double>{2.5, 9.5}));
  ASSERT_TRUE(r.frame.cell.has_value());
  EXPECT_DOUBLE_EQ(r.frame.cell->volume(), 10.0 * 12.0 * 8.0);
}

// Scaled positions start at the box's lower corner (-1, 0, 2).
TEST(LammpsDump, ScaledPositionsAndNumericTypes) {
  const auto map = TypeMap::parse("1=Cu,2=O");
  const Read r = read_dump(kOrthogonal +
                               "ITEM: ATOMS id type xs ys zs\n"
                               "1 2 0.5 0.25 0.0\n2 1 0.0 1.0 0.5\n",
                           *map);
  ASSERT_FALSE(r.stop.has_value()) << r.stop->line;
  EXPECT_EQ(r.frame.symbols, (std::vector<Symbol>{"O ", "CU"}));
  EXPECT_EQ(r.frame.x, (std::vector<double>{4.0, -1.0}));
  EXPECT_EQ(r.frame.y, (std::vector<double>{3.0, 12.0}));
  EXPECT_EQ(r.frame.z, (std::vector<double>{2.0, 6.0}));
}

// Bounds 0..10 with xy = 2, xz = -1, yz = 1.5: the box runs from
// xlo = 0 - min(0, 2, -1, 1) = 1 to xhi = 10 - max(0, 2, -1, 1) = 8, and
// from ylo = 0 to yhi = 10 - 1.5 = 8.5; unwrapped positions stay as read.
TEST(LammpsDump, TriclinicBoxAndUnwrappedPositions) {
  const Read r = read_dump(
      "ITEM: TIMESTEP\n5\nITEM: NUMBER OF ATOMS\n1\nITEM: BOX BOUNDS xy xz yz pp pp pp\n"
      "0 10 2\n0 10 -1\n0 10 1.5\nITEM: ATOMS id element xu yu zu x y z\n1 O -3 22.5 4 9 9 9\n");
  ASSERT_FALSE(r.stop.has_value()) << r.stop->line;
  const auto& e = r.frame.cell->edges();
  EXPECT_EQ(e[0].x, 7.0);
  EXPECT_EQ(e[1].x, 2.0);
  EXPECT_EQ(e[1].y, 8.5);
  EXPECT_EQ(e[2].x, -1.0);
  EXPECT_EQ(e[2].y, 1.5);
  EXPECT_EQ(e[2].z, 10.0);
  // x y z come first in the order of preference, whatever the column order.
  EXPECT_EQ(r.frame.x[0], 9.0);
}

TEST(LammpsDump, MessagesNameTheFileTheLineAndItsText) {
  const std::string atoms = "ITEM: ATOMS id type x y z\n";
  EXPECT_EQ(read_dump(kOrthogonal + atoms + "1 1 0 0 0\n2 1 0 0 0\n").stop->line,
            " md.lammpstrj, line 9 \"ITEM: ATOMS id type x y z\": the atoms have numeric types "
            "only; give their elements with --type-map, for example --type-map 1=Cu,2=Zr.");
  const auto map = TypeMap::parse("1=Cu");
  EXPECT_EQ(read_dump(kOrthogonal + atoms + "1 1 0 0 0\n2 3 0 0 0\n", *map).stop->line,
            " md.lammpstrj, line 11 \"2 3 0 0 0\": type 3 is not in --type-map.");
  EXPECT_EQ(read_dump(kOrthogonal + atoms + "1 1 0 0 0\n", *map).stop->line,
            " md.lammpstrj, line 11: the file ends inside a frame, where atom line 2 of 2 "
            "should follow.");
  EXPECT_EQ(read_dump(kOrthogonal + atoms + "1 1 0 zero 0\n2 1 0 0 0\n", *map).stop->line,
            " md.lammpstrj, line 10 \"1 1 0 zero 0\": a position should be a number.");
  EXPECT_EQ(read_dump("2\nnot a dump\n").stop->line,
            " md.lammpstrj, line 1 \"2\": \"ITEM: TIMESTEP\" should stand here.");
  EXPECT_EQ(read_dump("ITEM: TIMESTEP\n1\nITEM: NUMBER OF ATOMS\n1\n"
                      "ITEM: BOX BOUNDS abc origin pp pp pp\n")
                .stop->line,
            " md.lammpstrj, line 5 \"ITEM: BOX BOUNDS abc origin pp pp pp\": general triclinic "
            "boxes are not read; write the dump with an orthogonal or a restricted triclinic box "
            "(xy xz yz).");
  EXPECT_EQ(read_dump(kOrthogonal + "ITEM: ATOMS id element vx\n").stop->line,
            " md.lammpstrj, line 9 \"ITEM: ATOMS id element vx\": the columns name no positions: "
            "x y z, xu yu zu or xs ys zs.");
  EXPECT_EQ(read_dump("ITEM: TIMESTEP\n1\nITEM: NUMBER OF ATOMS\n-4\n").stop->line,
            " md.lammpstrj, line 4 \"-4\": the number of atoms should stand here.");
}

// A position that is no number, or lies beyond 1e6 A once scaled by the
// box (here 10 wide in x, from -1: 99999 is 999989 A, 100001 is 1000009 A),
// stops the run at its line.
TEST(LammpsDump, UnusablePositionsStopAtTheirLine) {
  auto stop_line = [](const Read& r) { return r.stop ? r.stop->line : "(no stop)"; };
  const std::string tail = "\": a coordinate lies beyond 1e6 A or is no number !!!";
  EXPECT_EQ(
      stop_line(read_dump(kOrthogonal + "ITEM: ATOMS id element x y z\n1 Cu 0 0 0\n2 O 0 nan 0\n")),
      " Configuration 1 of md.lammpstrj, atom 2 on line 11 \"2 O 0 nan 0" + tail);
  const std::string scaled = kOrthogonal + "ITEM: ATOMS id element xs ys zs\n";
  const Read near = read_dump(scaled + "1 Cu 99999 0 0\n2 Cu 0 0 0\n");
  EXPECT_EQ(stop_line(near), "(no stop)");
  EXPECT_EQ(near.frame.x[0], 999989.0);
  EXPECT_EQ(stop_line(read_dump(scaled + "1 Cu 100001 0 0\n2 Cu 0 0 0\n")),
            " Configuration 1 of md.lammpstrj, atom 1 on line 10 \"1 Cu 100001 0 0" + tail);
}

TEST(LammpsDump, FramesFollowEachOther) {
  const std::string frame = kOrthogonal + "ITEM: ATOMS element x y z\nCu 1 1 1\nCu 2 2 2\n";
  TextInput input = TextInput::from_string(frame + frame);
  LammpsDumpReader reader("md.dump", TypeMap());
  Frame f;
  ASSERT_FALSE(reader.read_frame(input, 1, f).has_value());
  ASSERT_FALSE(reader.read_frame(input, 2, f).has_value());
  EXPECT_EQ(f.label, "2");
  EXPECT_EQ(f.atom_count(), 2);
  EXPECT_TRUE(input.only_white_space_left());
}
