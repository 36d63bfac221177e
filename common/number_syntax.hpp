#pragma once
// Conversion of one numeric token (no white space inside) by the real and the
// integer syntax of the text files. Never throws; an invalid token gives nullopt.
#include <cstdint>
#include <optional>
#include <string_view>

#include "common/plain_decimal.hpp"

namespace common {

// Optional sign, then a decimal mantissa with at most one point and an optional
// exponent (E/e, sign, digits; the letter may not end the token), or the words
// Inf / Nan in any case. A mantissa without digits is zero ("+", "-." give +-0),
// but an empty token is an error.
// Values beyond the double range round with IEEE overflow/underflow, no error.
std::optional<double> parse_real(std::string_view token);

// Optional sign, then an optional base prefix ($, 0x, 0X, x, X hexadecimal,
// % binary, & octal) and digits. The sign applies to the value. A value outside
// the 32-bit signed range is an error, in every base.
std::optional<std::int32_t> parse_integer(std::string_view token);

}  // namespace common
