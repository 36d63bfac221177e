// The real and integer syntax: the edge tokens where library parsers differ,
// and the short-decimal conversion checked against the general one.
#include "common/number_syntax.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace {

using common::parse_integer;
using common::parse_real;

std::uint64_t bits(double v) { return std::bit_cast<std::uint64_t>(v); }

TEST(RealSyntax, FormsThatAreValid) {
  EXPECT_EQ(parse_real("1.5e3"), 1500.0);
  EXPECT_EQ(parse_real("-2"), -2.0);
  EXPECT_EQ(parse_real(".5"), 0.5);
  EXPECT_EQ(parse_real("5."), 5.0);
  EXPECT_EQ(parse_real("+.5e-1"), 0.05);
  EXPECT_EQ(parse_real("1E+05"), 1e5);
  EXPECT_EQ(parse_real("000.000e000"), 0.0);
  EXPECT_EQ(parse_real("-5.31536e-05"), -5.31536e-05);
  // An exponent with a sign but no digits leaves the mantissa as it is.
  EXPECT_EQ(parse_real("1e+"), 1.0);
  EXPECT_EQ(parse_real("1e-"), 1.0);
  EXPECT_EQ(parse_real("2.5E"), std::nullopt);
}

TEST(RealSyntax, MantissaWithoutDigitsIsSignedZero) {
  for (const char* token : {"+", ".", "+.", "E5", ".e1", "+E-3", "e+"}) {
    ASSERT_TRUE(parse_real(token).has_value()) << token;
    EXPECT_EQ(bits(*parse_real(token)), 0u) << token;
  }
  for (const char* token : {"-", "-.", "-e5", "-.E-5", "-0", "-0e400"}) {
    ASSERT_TRUE(parse_real(token).has_value()) << token;
    EXPECT_EQ(bits(*parse_real(token)), 0x8000000000000000u) << token;
  }
}

TEST(RealSyntax, WordsInAnyCase) {
  EXPECT_EQ(parse_real("iNf"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(parse_real("-INF"), -std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::isnan(*parse_real("nAn")));
  EXPECT_TRUE(std::isnan(*parse_real("-Nan")));
}

TEST(RealSyntax, FormsThatAreFormatErrors) {
  for (const char* token : {"", "e", "1e", "+e", "-.E", "1.5D3", "1d5", "1,5", "1,", ";1",
                            "--1", "+-1", "1..5", "1e5.5", "1e+-5", "1ee5", "0x10", "$10",
                            "Infinity", "Inf5", "In", ".Inf", "SNan", "nan(1)", "abc", "7722+",
                            "1 2", "1\t", "\xb5"}) {
    EXPECT_EQ(parse_real(token), std::nullopt) << token;
  }
}

// Tokens of a few digits and a small exponent take the short conversion;
// it must agree bit for bit with the general one.
TEST(RealSyntaxProperty, ShortDecimalsAgreeWithFromChars) {
  std::mt19937_64 random(42);
  std::uniform_int_distribution<int> digits_count(1, 17);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> exponent(-30, 30);
  for (int i = 0; i < 200000; ++i) {
    std::string token;
    int n = digits_count(random);
    int point = std::uniform_int_distribution<int>(0, n)(random);
    for (int k = 0; k < n; ++k) {
      if (k == point) token += '.';
      token += static_cast<char>('0' + digit(random));
    }
    if (i % 2 == 0) token += "e" + std::to_string(exponent(random));
    double expected = 0.0;
    std::from_chars(token.data(), token.data() + token.size(), expected);
    std::optional<double> value = parse_real(token);
    ASSERT_TRUE(value.has_value()) << token;
    ASSERT_EQ(bits(*value), bits(expected)) << token;
    ASSERT_EQ(bits(*parse_real("-" + token)), bits(-expected)) << token;
  }
}

// The shared integer vectors hold the prefixes and the 32-bit limits; these
// are the forms they leave out.
TEST(IntegerSyntax, FormatErrors) {
  for (const char* token : {"", "$+1", "0x+1", "+$-1", "-0X", "x-1", "%-1", "&+7", " 1", "1 ",
                            "0x1.8", "$1p3"}) {
    EXPECT_EQ(parse_integer(token), std::nullopt) << token;
  }
}

}  // namespace
