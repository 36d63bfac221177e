// The potential map of pot.dat: which lines are entries, how their integers
// are read, and the limit of twenty entries.
#include <gtest/gtest.h>

#include "test_support.hpp"
#include "tolva64/potential_map.hpp"

namespace {

using test_support::TempDir;
using test_support::write_file;
using namespace tolva64;

TEST(PotentialMap, EntryLinesStartWithABlankAndReadIntegersAcrossLines) {
  TempDir dir;
  // A comment, an entry with a symbol after it, a tab line and an empty line
  // (both ignored), an entry whose second integer is on the next line (the
  // rest of that line is lost), a negative potential, and a last line
  // holding one integer only.
  write_file(dir / "pot.dat", "Type -> potential\n 0 0 Fe\n\t9 9\n\n 1\n2 junk 7\n 3 -1\n 4");
  PotentialMap map;
  ASSERT_TRUE(read_potential_map((dir / "pot.dat").string(), map));
  ASSERT_EQ(map.count, 4);
  const int expected[4][2] = {{0, 0}, {1, 2}, {3, -1}, {4, 0}};
  for (int j = 1; j <= 4; ++j) {
    EXPECT_EQ(map.type_index[j], expected[j - 1][0]) << j;
    EXPECT_EQ(map.feff_potential[j], expected[j - 1][1]) << j;
    EXPECT_EQ(map.unmet_mark[j], 1) << j;
  }
  EXPECT_EQ(map.unmet_mark[5], 0);
}

TEST(PotentialMap, HoldsTwentyEntriesAndRefusesTheTwentyFirst) {
  TempDir dir;
  std::string text;
  for (int j = 1; j <= 20; ++j) text += " " + std::to_string(j) + " 1\r\n";
  write_file(dir / "pot.dat", text);
  PotentialMap map;
  EXPECT_TRUE(read_potential_map((dir / "pot.dat").string(), map));
  EXPECT_EQ(map.count, 20);
  EXPECT_EQ(map.type_index[20], 20);

  write_file(dir / "pot.dat", text + " 21 1\r\n");
  EXPECT_FALSE(read_potential_map((dir / "pot.dat").string(), map));
  EXPECT_EQ(map.count, 20);
  EXPECT_EQ(map.type_index[20], 20);
}

TEST(PotentialMap, LastEntryOfATypeIndexGivesItsPotential) {
  TempDir dir;
  write_file(dir / "pot.dat", " 1 1\n 2 5\n 1 2\n");
  PotentialMap map;
  ASSERT_TRUE(read_potential_map((dir / "pot.dat").string(), map));
  EXPECT_EQ(potential_of(1.0, map), 2);
  EXPECT_EQ(potential_of(2.0, map), 5);
  EXPECT_EQ(potential_of(1.5, map), -1);  // matched exactly, as a real
  EXPECT_EQ(potential_of(3.0, map), -1);
}

}  // namespace
