// Number layouts, from worked examples checked by hand.
#include "common/number_layout.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "common/number_syntax.hpp"

namespace {

using common::default_layout;
using common::fixed_layout;
using common::fixed_layout_single;
using common::integer_layout;
using common::scientific_layout;

TEST(DigitString, RoundsToTheGivenDigitsAndDropsZeros) {
  EXPECT_EQ(common::digit_string(0.125, 17).digits, "125");
  EXPECT_EQ(common::digit_string(0.125, 17).exponent, -1);
  EXPECT_EQ(common::digit_string(82499100.0, 17).digits, "824991");
  EXPECT_EQ(common::digit_string(82499100.0, 17).exponent, 7);
  EXPECT_EQ(common::digit_string(0.000215, 17).digits, "21499999999999999");
  EXPECT_EQ(common::digit_string(0.1, 17).digits, "10000000000000001");
  EXPECT_EQ(common::digit_string(0.0, 17).digits, "");
  EXPECT_EQ(common::digit_string(-1234.5, 17).digits, "12345");
  EXPECT_EQ(common::digit_string(-1234.5, 17).exponent, 3);
  // 2^50 + 0.25 has 18 digits ending in a 5: the tie goes to the even 2.
  EXPECT_EQ(common::digit_string(1125899906842624.25, 17).digits, "11258999068426242");
  // 0.1f is 0.100000001490116119384765625 exactly: 10 digits give 1000000015.
  EXPECT_EQ(common::digit_string(static_cast<double>(0.1f), 10).digits, "1000000015");
}

TEST(DefaultLayout, SeventeenDigitsInTwentyFourCharacters) {
  EXPECT_EQ(default_layout(1.0), " 1.0000000000000000E+000");
  EXPECT_EQ(default_layout(0.05), " 5.0000000000000003E-002");
  EXPECT_EQ(default_layout(0.1), " 1.0000000000000001E-001");
  EXPECT_EQ(default_layout(-1234.5), "-1.2345000000000000E+003");
  EXPECT_EQ(default_layout(0.0), " 0.0000000000000000E+000");
  EXPECT_EQ(default_layout(-0.0), "-0.0000000000000000E+000");
  EXPECT_EQ(default_layout(1e300), " 1.0000000000000001E+300");
  EXPECT_EQ(default_layout(4.9406564584124654e-324), " 4.9406564584124654E-324");
  EXPECT_EQ(default_layout(std::numeric_limits<double>::infinity()),
            "                    +Inf");
  EXPECT_EQ(default_layout(-std::numeric_limits<double>::infinity()),
            "                    -Inf");
  EXPECT_EQ(default_layout(std::nan("")), "                     Nan");
  EXPECT_EQ(default_layout(-std::nan("")), "                     Nan");
}

TEST(FixedLayout, WorkedExamplesInTenFive) {
  EXPECT_EQ(fixed_layout(0.05, 10, 5), "   0.05000");
  EXPECT_EQ(fixed_layout(-3.14159265, 10, 5), "  -3.14159");
  EXPECT_EQ(fixed_layout(20.0, 10, 5), "  20.00000");
  EXPECT_EQ(fixed_layout(0.999996, 10, 5), "   1.00000");
  EXPECT_EQ(fixed_layout(0.015625, 10, 5), "   0.01563");
  EXPECT_EQ(fixed_layout(0.000215, 10, 5), "   0.00022");
  EXPECT_EQ(fixed_layout(0.0000025, 10, 5), "   0.00000");
  EXPECT_EQ(fixed_layout(0.0000075, 10, 5), "   0.00001");
  EXPECT_EQ(fixed_layout(-0.000001, 10, 5), "  -0.00000");
  EXPECT_EQ(fixed_layout(12345.678, 10, 5), "12345.67800");
  EXPECT_EQ(fixed_layout(0.06344499999999996, 10, 5), "   0.06345");
  EXPECT_EQ(fixed_layout(-0.0, 10, 5), "  -0.00000");
}

TEST(FixedLayout, OtherWidthsAndDecimals) {
  EXPECT_EQ(fixed_layout(2.5, 0, 0), "3");
  EXPECT_EQ(fixed_layout(-2.5, 4, 0), "  -3");
  EXPECT_EQ(fixed_layout(0.4, 3, 0), "  0");
  EXPECT_EQ(fixed_layout(99.996, 8, 2), "  100.00");
  EXPECT_EQ(fixed_layout(1e20, 0, 1), "100000000000000000000.0");
  EXPECT_EQ(fixed_layout(1.5, 12, 3), "       1.500");
  EXPECT_EQ(fixed_layout(std::numeric_limits<double>::infinity(), 10, 5), "      +Inf");
  EXPECT_EQ(fixed_layout(std::nan(""), 6, 2), "   Nan");
}

TEST(FixedLayout, TextsBeyond255CharactersTurnScientific) {
  // 1e300 has 301 integer digits; width 10 gives 3 significant digits.
  EXPECT_EQ(fixed_layout(1e300, 10, 5), " 1.00E+300");
  EXPECT_EQ(fixed_layout(-1e250, 10, 5), "-1.00E+250");
  // 2^830 (7.1597...e249) has 250 integer digits: with ".00000" 256 characters.
  EXPECT_EQ(fixed_layout(std::ldexp(1.0, 830), 10, 5), " 7.16E+249");
  // 2^826 (about 4.4e248) has 249: exactly 255 characters, still fixed.
  EXPECT_EQ(fixed_layout(std::ldexp(1.0, 826), 10, 5).size(), 255u);
}

TEST(FixedLayoutSingle, TenDigitString) {
  EXPECT_EQ(fixed_layout_single(200.0f, 9, 5), "200.00000");
  // 0.1f = 0.100000001490116...: 10 digits, then rounded at 5 decimals.
  EXPECT_EQ(fixed_layout_single(0.1f, 10, 5), "   0.10000");
  EXPECT_EQ(fixed_layout_single(-0.5f, 10, 5), "  -0.50000");
  EXPECT_EQ(fixed_layout_single(1234.5678f, 12, 5), "  1234.56775");
}

TEST(ScientificLayout, DigitsFollowTheWidth) {
  EXPECT_EQ(scientific_layout(1234.5678, 12), " 1.2346E+003");
  EXPECT_EQ(scientific_layout(1234.5678, 15), " 1.2345678E+003");
  EXPECT_EQ(scientific_layout(1234.5678, 18), " 1.2345678000E+003");
  EXPECT_EQ(scientific_layout(2.0, 5), " 2.0E+000");
  EXPECT_EQ(scientific_layout(82499100.0, 5), " 8.3E+007");
  EXPECT_EQ(scientific_layout(9.96, 9), " 1.0E+001");
  EXPECT_EQ(scientific_layout(-0.00999999, 11), "-1.000E-002");
  EXPECT_EQ(scientific_layout(0.0, 12), " 0.0000E+000");
  EXPECT_EQ(scientific_layout(1.0, 40), std::string(16, ' ') + " 1.0000000000000000E+000");
  EXPECT_EQ(scientific_layout(std::numeric_limits<double>::infinity(), 5), " +Inf");
}

TEST(IntegerLayout, RightJustifiedNeverCut) {
  EXPECT_EQ(integer_layout(42, 5), "   42");
  EXPECT_EQ(integer_layout(-7, 0), "-7");
  EXPECT_EQ(integer_layout(123456, 3), "123456");
  EXPECT_EQ(integer_layout(-2147483648LL, 12), " -2147483648");
  EXPECT_EQ(integer_layout(0, 3), "  0");
}

// Reading the default layout back must give the very same double.
TEST(DefaultLayoutProperty, ReadsBackToTheSameBits) {
  std::mt19937_64 random(20240611);
  for (int i = 0; i < 200000; ++i) {
    double v = std::bit_cast<double>(random());
    if (!std::isfinite(v)) continue;
    std::string text = default_layout(v);
    ASSERT_EQ(text.size(), 24u) << text;
    std::optional<double> back = common::parse_real(text.substr(text[0] == ' ' ? 1 : 0));
    ASSERT_TRUE(back.has_value()) << text;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(*back), std::bit_cast<std::uint64_t>(v)) << text;
  }
}

}  // namespace
