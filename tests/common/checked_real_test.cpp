// Real arithmetic stops the run as a floating-point unit with its faults
// unmasked would: invalid operations, divisions by zero and overflows do,
// underflow and quiet NaN operands do not.
#include "common/checked_real.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using ::testing::ExitedWithCode;
constexpr double kHuge = std::numeric_limits<double>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
const char* const kInvalid = "EInvalidOp: Invalid floating point operation";
const char* const kZeroDivide = "EZeroDivide: Floating point division by zero";
const char* const kOverflow = "EOverflow: Floating point overflow";

TEST(CheckedReal, PlainResultsAndWhatPassesUnreported) {
  EXPECT_EQ(common::checked_add(0.5, 0.25), 0.75);
  EXPECT_EQ(common::checked_sub(0.5, 0.25), 0.25);
  EXPECT_EQ(common::checked_mul(1e-200, 1e-200), 0.0);  // underflow is no fault
  EXPECT_EQ(common::checked_div(-3.0, 2.0), -1.5);
  EXPECT_TRUE(std::isnan(common::checked_add(kNan, 1.0)));  // a NaN read from a file
  EXPECT_TRUE(std::isnan(common::checked_div(kNan, 0.0)));
  EXPECT_EQ(common::checked_add(kInf, 1.0), kInf);  // an infinity read from a file
}

TEST(CheckedReal, FaultsStopWithTheirOwnReport) {
  EXPECT_EXIT(common::checked_add(kHuge, kHuge), ExitedWithCode(217), kOverflow);
  EXPECT_EXIT(common::checked_mul(-kHuge, 2.0), ExitedWithCode(217), kOverflow);
  EXPECT_EXIT(common::checked_div(kHuge, 0.5), ExitedWithCode(217), kOverflow);
  EXPECT_EXIT(common::checked_div(1.0, 0.0), ExitedWithCode(217), kZeroDivide);
  EXPECT_EXIT(common::checked_div(-1.0, -0.0), ExitedWithCode(217), kZeroDivide);
  // 0/0 has no value at all: an invalid operation, not a division by zero.
  EXPECT_EXIT(common::checked_div(0.0, 0.0), ExitedWithCode(217), kInvalid);
  EXPECT_EXIT(common::checked_sub(kInf, kInf), ExitedWithCode(217), kInvalid);
  EXPECT_EXIT(common::checked_mul(kInf, 0.0), ExitedWithCode(217), kInvalid);
}

}  // namespace
