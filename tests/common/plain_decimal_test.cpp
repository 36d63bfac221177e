// The quick conversion of plain decimals must give exactly the double of the
// general conversion, and must leave every other token to it.
#include "common/plain_decimal.hpp"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

using common::plain_decimal;

namespace {

bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

TEST(PlainDecimal, PlainNumbers) {
  struct Case {
    const char* token;
    double value;
  };
  for (const Case& c :
       {Case{"0", 0.0}, Case{"36.2096", 36.2096}, Case{"-5.31536e-05", -5.31536e-05},
        Case{"+1.5E3", 1500.0}, Case{".5", 0.5}, Case{"5.", 5.0}, Case{"0.1", 0.1},
        Case{"9007199254740992", 9007199254740992.0}, Case{"1e22", 1e22}, Case{"1e-22", 1e-22}}) {
    double value = -1.0;
    ASSERT_TRUE(plain_decimal(c.token, value)) << c.token;
    EXPECT_TRUE(same_bits(value, c.value)) << c.token;
  }
  double value = 0.0;
  ASSERT_TRUE(plain_decimal("-0.0", value));
  EXPECT_TRUE(std::signbit(value));
}

TEST(PlainDecimal, LeavesOtherTokensToTheGeneralParser) {
  for (const char* token :
       {"", "-", ".", "1e", "1e+", "1.5D3", "1,5", "--1", "1..2", "inf", "Nan", "abc", "1e23",
        "1e-23", "9007199254740993", "12345678901234567890", "1e12345", "1x"}) {
    double value = 0.0;
    EXPECT_FALSE(plain_decimal(token, value)) << token;
  }
}

// Random decimals in the forms a trajectory holds, and some that are not,
// against the correctly rounded conversion of the standard library.
TEST(PlainDecimal, AgreesWithTheGeneralParser) {
  std::mt19937_64 random(20240601);
  std::uniform_real_distribution<double> magnitude(-8.0, 8.0);
  const char* formats[] = {"%g", "%.6g", "%.12f", "%.3e", "%.17g", "%.15g", "%.1f"};
  int fast = 0;
  for (int i = 0; i < 200000; ++i) {
    double v = std::pow(10.0, magnitude(random)) * (random() % 2 ? -1.0 : 1.0);
    char token[64];
    std::snprintf(token, sizeof token, formats[i % 7], v);
    double value = 0.0;
    if (!plain_decimal(token, value)) continue;
    ++fast;
    // from_chars rounds correctly but takes no leading "+"; snprintf writes none.
    double general = 0.0;
    const char* end = token + std::strlen(token);
    ASSERT_EQ(std::from_chars(token, end, general).ptr, end) << token;
    ASSERT_TRUE(same_bits(value, general)) << token;
  }
  EXPECT_GT(fast, 100000);
}
