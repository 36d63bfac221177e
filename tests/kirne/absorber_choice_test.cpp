// Configuration 1: the box, its centre, the row limit and the absorber.
#include "kirne/absorber_choice.hpp"

#include <gtest/gtest.h>

using namespace kirne;

namespace {

Frame frame_of(const std::vector<Symbol>& symbols, const std::vector<double>& x,
               const std::vector<double>& y) {
  Frame frame;
  frame.resize(static_cast<std::int32_t>(symbols.size()));
  frame.symbols = symbols;
  frame.x = x;
  frame.y = y;
  return frame;
}

RunParameters looking_for(const Symbol& type, std::int32_t given_atom = 0) {
  RunParameters parameters;
  parameters.types = {type};
  parameters.absorber_atom = given_atom;
  parameters.trajectory_path = "md.xyz";
  return parameters;
}

}  // namespace

// The box spans x 0..4 and y 0..2: centre (2, 1, 0), half extents 2, 1 and
// 0. Iron atoms 2, 3 and 4 all lie sqrt(5) from the centre: the lowest
// number wins; atom 1, oxygen, sits on the centre but is of another type.
TEST(AbsorberChoice, NearestOfTheTypeLowestNumberOnTies) {
  Frame frame = frame_of({"O ", "FE", "FE", "FE"}, {2, 0, 4, 4}, {1, 0, 2, 0});
  double row_limit = 500000.0;
  std::int32_t absorber = 0;
  EXPECT_FALSE(choose_absorber(frame, looking_for("FE"), row_limit, absorber).has_value());
  EXPECT_EQ(absorber, 2);
  EXPECT_EQ(row_limit, 0.0);
}

// A given atom number is taken whatever its type; the row limit only ever
// goes down.
TEST(AbsorberChoice, GivenAtomAndRowLimit) {
  Frame frame = frame_of({"FE", "O "}, {0, 10}, {0, 20});
  frame.z = {0, 30};
  double row_limit = 3.0;
  std::int32_t absorber = 0;
  EXPECT_FALSE(choose_absorber(frame, looking_for("FE", 2), row_limit, absorber).has_value());
  EXPECT_EQ(absorber, 2);
  EXPECT_EQ(row_limit, 3.0);
  row_limit = 500000.0;
  choose_absorber(frame, looking_for("FE"), row_limit, absorber);
  EXPECT_EQ(row_limit, 5.0);
}

TEST(AbsorberChoice, StopsWithoutAnAbsorber) {
  Frame frame = frame_of({"O ", "O "}, {0, 1}, {0, 0});
  double row_limit = 500000.0;
  std::int32_t absorber = 0;
  MaybeStop none = choose_absorber(frame, looking_for("FE"), row_limit, absorber);
  ASSERT_TRUE(none.has_value());
  EXPECT_EQ(none->line, " No FE atom is present in md.xyz !!!");
  EXPECT_FALSE(none->pause_after);
  MaybeStop past = choose_absorber(frame, looking_for("O ", 3), row_limit, absorber);
  ASSERT_TRUE(past.has_value());
  EXPECT_EQ(past->line,
            " Atom 3 is not present in configuration 1 of md.xyz, which has 2 atoms !!!");
  EXPECT_FALSE(choose_absorber(Frame{}, looking_for("O "), row_limit, absorber)->line.empty());
}
