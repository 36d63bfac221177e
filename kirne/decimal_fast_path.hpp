#pragma once
// The common case of a real token, converted without the general parser:
// at most 19 digits whose value fits 2^53, and a decimal exponent within
// +-22. Both the digits and the power of ten are then exact doubles, so one
// multiplication or division gives the correctly rounded value, the same
// double the general parser would give.
#include <string_view>

namespace kirne {

// Sets `value` and returns true when the token is such a number; false when
// the general parser must decide (other forms, more digits, bad syntax).
bool decimal_fast_path(std::string_view token, double& value);

}  // namespace kirne
