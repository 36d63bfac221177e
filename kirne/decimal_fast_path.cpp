#include "kirne/decimal_fast_path.hpp"

#include <cstdint>

namespace kirne {

namespace {

constexpr double POWERS_OF_TEN[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t EXACT_LIMIT = std::uint64_t{1} << 53;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The exponent part "e", sign, 1 to 4 digits; anything else is not ours.
bool read_exponent(const char*& p, const char* end, int& exponent) {
  if (p == end) return true;
  if (*p != 'e' && *p != 'E') return false;
  ++p;
  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) negative = *p++ == '-';
  const char* digits = p;
  while (p != end && is_digit(*p) && p - digits < 5) exponent = exponent * 10 + (*p++ - '0');
  if (p == digits || p != end || p - digits > 4) return false;
  if (negative) exponent = -exponent;
  return true;
}

}  // namespace

bool decimal_fast_path(std::string_view token, double& value) {
  const char* p = token.data();
  const char* end = p + token.size();
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
  if (digits == 0 || !read_exponent(p, end, exponent)) return false;
  if (significand > EXACT_LIMIT) return false;
  int power = exponent - fraction_digits;
  if (power < -22 || power > 22) return false;
  double magnitude = static_cast<double>(significand);
  magnitude = power < 0 ? magnitude / POWERS_OF_TEN[-power] : magnitude * POWERS_OF_TEN[power];
  value = negative ? -magnitude : magnitude;
  return true;
}

}  // namespace kirne
