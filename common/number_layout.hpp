#pragma once
// The number layouts of every text the programs write. Pure functions.
#include <cstdint>
#include <string>

namespace common {

// Significant decimal digits of |v| (at most max_digits, rounded to nearest,
// ties to even, trailing zeros dropped; empty for zero) and the exponent of
// scientific notation: |v| = d1.d2d3... * 10^exponent.
struct DigitString {
  std::string digits;
  int exponent = 0;
};
DigitString digit_string(double v, int max_digits);

// 17 significant digits, always 24 characters: " 1.0000000000000000E+000".
std::string default_layout(double v);
// The same, appended to `out` (no text of its own to allocate).
void append_default_layout(double v, std::string& out);

// w - 7 significant digits (2..17), right-justified in w: " 1.2346E+003" (w = 12).
std::string scientific_layout(double v, int width);

// Exactly `decimals` decimals, right-justified in `width`: "   0.05000" (10.5).
std::string fixed_layout(double v, int width, int decimals);

// The fixed layout of a single-precision value (10-digit string): "200.00000".
std::string fixed_layout_single(float v, int width, int decimals);

// Decimal digits right-justified in `width` (0: no padding): "   42" (w = 5).
std::string integer_layout(std::int64_t v, int width);

}  // namespace common
