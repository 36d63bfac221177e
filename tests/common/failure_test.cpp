// The failure report: its exact text on standard error and status 217.
#include "common/failure.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "common/text_output.hpp"

namespace {

using ::testing::ExitedWithCode;

// The whole report, as a pattern that matches only the exact text (the
// address is ours to choose, so any 16 hex digits pass).
std::string report_of(const std::string& second_line) {
  std::string escaped;
  for (char c : second_line) {
    if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos) escaped += '\\';
    escaped += c;
  }
  return "^An unhandled exception occurred at \\$[0-9A-F]{16}:\n" + escaped +
         "\n(  \\$[0-9A-F]{16}\n)+\n$";
}

TEST(IoErrorMessage, TableAndUnknownCodes) {
  EXPECT_EQ(common::io_error_message(2), "File not found");
  EXPECT_EQ(common::io_error_message(3), "Invalid filename");
  EXPECT_EQ(common::io_error_message(4), "Too many open files");
  EXPECT_EQ(common::io_error_message(5), "Access denied");
  EXPECT_EQ(common::io_error_message(101), "Disk Full");
  EXPECT_EQ(common::io_error_message(103), "File not open");
  EXPECT_EQ(common::io_error_message(104), "File not open for input");
  EXPECT_EQ(common::io_error_message(105), "File not open for output");
  EXPECT_EQ(common::io_error_message(106), "Invalid input");
  EXPECT_EQ(common::io_error_message(7), "Unknown Run-Time error : 007");
  EXPECT_EQ(common::io_error_message(16), "Unknown Run-Time error : 016");
  EXPECT_EQ(common::io_error_message(1234), "Unknown Run-Time error : 1234");
}

TEST(IoErrorFromErrno, MapsTheSystemErrors) {
  EXPECT_EQ(common::io_error_from_errno(ENOENT), 2);
  EXPECT_EQ(common::io_error_from_errno(ENOTDIR), 3);
  EXPECT_EQ(common::io_error_from_errno(EMFILE), 4);
  EXPECT_EQ(common::io_error_from_errno(ENFILE), 4);
  for (int err : {EACCES, EPERM, EROFS, EISDIR}) EXPECT_EQ(common::io_error_from_errno(err), 5);
  EXPECT_EQ(common::io_error_from_errno(ENOSPC), 101);
  EXPECT_EQ(common::io_error_from_errno(EDQUOT), 101);
  EXPECT_EQ(common::io_error_from_errno(EIO), EIO);
  EXPECT_EQ(common::io_error_opening(ENOENT, "missing.txt", false), 2);
  EXPECT_EQ(common::io_error_opening(ENOENT, "/no_such_dir_here/missing.txt", false), 3);
  EXPECT_EQ(common::io_error_opening(ENOENT, "missing.txt", true), 3);
}

TEST(FailureReport, ExactTextAndStatus) {
  EXPECT_EXIT(common::fail_io(2), ExitedWithCode(217), report_of("EInOutError: File not found"));
  EXPECT_EXIT(common::fail_io(17), ExitedWithCode(217),
              report_of("EInOutError: Unknown Run-Time error : 017"));
  EXPECT_EXIT(common::fail_invalid_op(), ExitedWithCode(217),
              report_of("EInvalidOp: Invalid floating point operation"));
  EXPECT_EXIT(common::fail_zero_divide(), ExitedWithCode(217),
              report_of("EZeroDivide: Floating point division by zero"));
  EXPECT_EXIT(common::fail_overflow(), ExitedWithCode(217),
              report_of("EOverflow: Floating point overflow"));
  EXPECT_EXIT(common::fail_process(2), ExitedWithCode(217),
              report_of("EProcess: Failed to execute  : 2"));
}

TEST(StopProgram, ExitsWithTheGivenCode) {
  EXPECT_EXIT(common::stop_program(0), ExitedWithCode(0), "");
  EXPECT_EXIT(common::stop_program(1), ExitedWithCode(1), "");
}

}  // namespace
