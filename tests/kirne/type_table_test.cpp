// The 2-character type form and the type index of every atom.
#include "kirne/type_table.hpp"

#include <gtest/gtest.h>

using namespace kirne;

TEST(TypeForm, KeepsTwoCharactersSecondInUpperCase) {
  EXPECT_EQ(type_form("Fe"), "FE");
  EXPECT_EQ(type_form("FE"), "FE");
  EXPECT_EQ(type_form("Fe2"), "FE");
  EXPECT_EQ(type_form("O"), "O ");
  EXPECT_EQ(type_form("fe"), "fE");
  EXPECT_EQ(type_form("c1"), "c1");
  EXPECT_EQ(type_form(""), "");
}

TEST(TypeIndices, HighestEntryWinsUnknownIsZero) {
  const std::vector<Symbol> types{"FE", "O ", "FE"};
  EXPECT_EQ(type_indices({"FE", "O ", "ZR", "fE", "O"}, types),
            (std::vector<std::uint8_t>{3, 2, 0, 0, 0}));
  EXPECT_TRUE(type_indices({}, types).empty());
}

TEST(TakeTypes, FormsEveryEntryAndRefusesMoreThanTheTableHolds) {
  RunParameters p;
  EXPECT_FALSE(take_types({"Fe", "o", "Zr2"}, p).has_value());
  EXPECT_EQ(p.types, (std::vector<Symbol>{"FE", "o ", "ZR"}));
  std::vector<std::string> many(21, "Cu");
  MaybeStop stop = take_types(many, p);
  ASSERT_TRUE(stop.has_value());
  EXPECT_EQ(stop->line, " Too many atom types: 21 given, at most 20 allowed !!!");
  EXPECT_EQ(p.types.size(), 3u);
}

TEST(ListedTypes, UnlistedSymbolsStopWithTheirCounts) {
  const std::vector<Symbol> symbols{"SR", "O ", "TI", "O ", "H ", "O "};
  const std::vector<Symbol> types{"TI", "SR"};
  const auto indices = type_indices(symbols, types);
  MaybeStop stop = check_listed_types(symbols, indices, 0);
  ASSERT_TRUE(stop.has_value());
  EXPECT_EQ(stop->line,
            " Atoms of unlisted types: O (3 atoms), H (1 atom). List every element after the "
            "absorber's.");
  // A lower-case o in the list matches nothing either.
  const std::vector<Symbol> lower{"TI", "SR", "o ", "H "};
  EXPECT_TRUE(check_listed_types(symbols, type_indices(symbols, lower), 0).has_value());
  const std::vector<Symbol> all{"TI", "SR", "O ", "H "};
  EXPECT_FALSE(check_listed_types(symbols, type_indices(symbols, all), 0).has_value());
  // A given absorber of an unlisted element is its own index 0.
  EXPECT_EQ(check_listed_types(symbols, type_indices(symbols, all), 0), std::nullopt);
  const std::vector<Symbol> one_h{"TI", "SR", "O "};
  EXPECT_FALSE(check_listed_types(symbols, type_indices(symbols, one_h), 5).has_value());
}
