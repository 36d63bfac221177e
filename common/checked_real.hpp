#pragma once
// Real arithmetic whose invalid results stop the run with the failure report,
// as the programs' floating-point unit would: an invalid operation, a division
// by zero and an overflow are faults; underflow and inexact results are not.
// Quiet NaN operands pass through unreported.
#include <cmath>

#include "common/failure.hpp"

namespace common {

// Checks a result computed from operands a and b.
inline double checked_result(double result, double a, double b) {
  if (std::isnan(result) && !std::isnan(a) && !std::isnan(b)) fail_invalid_op();
  if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) fail_overflow();
  return result;
}

inline double checked_add(double a, double b) { return checked_result(a + b, a, b); }
inline double checked_sub(double a, double b) { return checked_result(a - b, a, b); }
inline double checked_mul(double a, double b) { return checked_result(a * b, a, b); }

inline double checked_div(double a, double b) {
  if (b == 0.0 && !std::isnan(a)) {
    if (a == 0.0) fail_invalid_op();
    fail_zero_divide();
  }
  return checked_result(a / b, a, b);
}

}  // namespace common
