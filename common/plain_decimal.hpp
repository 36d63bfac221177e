#pragma once
// The common case of a real token, converted without the general parser:
// at most 19 digits whose value fits 2^53, and a decimal exponent within
// +-22. Both the digits and the power of ten are then exact doubles, so one
// multiplication or division gives the correctly rounded value, the same
// double the general conversion gives. Inline: a trajectory reader runs it
// three times for every atom line, in the middle of its buffer sweep.
#include <cstdint>
#include <string_view>

namespace common {

namespace plain_decimal_detail {

inline constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                           1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                           1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
inline constexpr std::uint64_t kExactLimit = std::uint64_t{1} << 53;

inline bool is_digit(char c) { return c >= '0' && c <= '9'; }

// An optional exponent: "e" or "E", a sign, 1 to 4 digits.
inline bool scan_exponent(const char*& p, const char* end, int& exponent) {
  if (p == end || (*p != 'e' && *p != 'E')) return true;
  ++p;
  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) negative = *p++ == '-';
  const char* digits = p;
  while (p != end && is_digit(*p) && p - digits < 4) exponent = exponent * 10 + (*p++ - '0');
  if (p == digits) return false;
  if (negative) exponent = -exponent;
  return true;
}

}  // namespace plain_decimal_detail

// Converts the plain decimal that starts at p (sign included) and moves p
// past it; false when there is none the quick way. The caller checks that
// the token ends at p: any byte above 32 there means it is something else.
// Forced inline: left to itself the compiler keeps one out-of-line copy, and
// the call costs the trajectory sweep about a third of its speed.
[[gnu::always_inline]] inline bool scan_plain_decimal(const char*& p, const char* end,
                                                      double& value) {
  using namespace plain_decimal_detail;
  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) negative = *p++ == '-';
  std::uint64_t significand = 0;
  int digits = 0;
  int fraction_digits = 0;
  bool seen_point = false;
  for (; p != end; ++p) {
    if (is_digit(*p)) {
      significand = significand * 10 + static_cast<std::uint64_t>(*p - '0');
      ++digits;
      fraction_digits += seen_point;
      if (digits > 19) return false;
    } else if (*p == '.' && !seen_point) {
      seen_point = true;
    } else {
      break;
    }
  }
  int exponent = 0;
  if (digits == 0 || !scan_exponent(p, end, exponent)) return false;
  if (significand > kExactLimit) return false;
  int power = exponent - fraction_digits;
  if (power < -22 || power > 22) return false;
  double magnitude = static_cast<double>(significand);
  magnitude = power < 0 ? magnitude / kPowersOfTen[-power] : magnitude * kPowersOfTen[power];
  value = negative ? -magnitude : magnitude;
  return true;
}

// The whole token as a plain decimal; false when the general conversion
// must decide (other forms, more digits, bad syntax).
inline bool plain_decimal(std::string_view token, double& value) {
  const char* p = token.data();
  const char* end = p + token.size();
  return scan_plain_decimal(p, end, value) && p == end;
}

}  // namespace common
