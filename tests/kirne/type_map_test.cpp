// --type-map and the symbol form of the trajectory.
#include "kirne/type_map.hpp"

#include <gtest/gtest.h>

using namespace kirne;

TEST(TypeMap, ParsesAndLooksUpWholeNumbers) {
  const auto map = TypeMap::parse("1=Cu,2=zr,10=O");
  ASSERT_TRUE(map.has_value());
  EXPECT_EQ(map->symbol_of("1"), "CU");
  EXPECT_EQ(map->symbol_of("2"), "ZR");
  EXPECT_EQ(map->symbol_of("10"), "O ");
  EXPECT_EQ(map->symbol_of("010"), "O ");
  EXPECT_FALSE(map->symbol_of("3").has_value());
  EXPECT_FALSE(map->symbol_of("Cu").has_value());
  EXPECT_FALSE(map->symbol_of("").has_value());
}

TEST(TypeMap, RefusesWhatIsNoList) {
  for (const char* text : {"", "1", "1=", "=Cu", "a=Cu", "1=12", "1=Cu,1=Zr", "-1=Cu", "1:Cu"}) {
    EXPECT_FALSE(TypeMap::parse(text).has_value()) << text;
  }
}

TEST(AtomSymbolForm, UpperCaseTwoCharacters) {
  EXPECT_EQ(atom_symbol_form("Cu"), "CU");
  EXPECT_EQ(atom_symbol_form("O"), "O ");
  EXPECT_EQ(atom_symbol_form("Fe2+"), "FE");
  EXPECT_EQ(atom_symbol_form("12"), "");
}
