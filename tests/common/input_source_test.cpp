// The line a failure report adds after its own lines: which file, which line
// and what was there, wherever in a large file the reading stopped.
#include "common/input_source.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/failure.hpp"
#include "common/text_output.hpp"
#include "test_support.hpp"

namespace {

using common::TextInput;
using ::testing::ExitedWithCode;

// Lines of 20 bytes: 20000 of them run across two 256 KiB chunks.
std::string numbered_lines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "  -1234.56789e-3 17\n";
  return text;
}

class FailurePlace : public ::testing::Test {
 protected:
  std::string write(const std::string& content) {
    std::string path = (dir_ / "md.xyz").string();
    test_support::write_file(path, content);
    return path;
  }
  test_support::TempDir dir_;
};

TEST_F(FailurePlace, BadTokenFarIntoTheFileNamesItsLine) {
  std::string path = write(numbered_lines(20000) + "Fe 1,5 2\n");
  auto read_all = [&] {
    TextInput in = TextInput::open_file(path);
    for (;;) in.read_real();
  };
  EXPECT_EXIT(read_all(), ExitedWithCode(217),
              "EInOutError: Invalid input\n.*\n\n " + path + ", line 20001: \"Fe\" is not a number\n$");
}

// A reader that scans the buffer itself moves through the chunks another way.
TEST_F(FailurePlace, BufferScanningReaderKeepsTheCount) {
  std::string path = write(numbered_lines(20000) + "1 2 3x\n");
  auto scan_then_read = [&] {
    TextInput in = TextInput::open_file(path);
    for (int line = 0; line < 20000; ++line) {
      std::string_view view = in.buffered(64);
      in.consume(view.find('\n') + 1);
    }
    in.read_integer();
    in.read_integer();
    in.read_integer();
  };
  EXPECT_EXIT(scan_then_read(), ExitedWithCode(217),
              "\n " + path + ", line 20001: \"3x\" is not a whole number\n$");
}

TEST_F(FailurePlace, EndOfDataAndAFailureWithoutAToken) {
  std::string path = write("12");
  auto read_past_the_end = [&] {
    TextInput in = TextInput::open_file(path);
    in.read_real();
    in.read_real();
  };
  EXPECT_EXIT(read_past_the_end(), ExitedWithCode(217),
              "\n " + path + ", line 1: the data ends where a number was expected\n$");
  path = write("Fe 1 2 3\r\n  12 13 \r\n");
  auto give_up_on_the_second_line = [&] {
    TextInput in = TextInput::open_file(path);
    in.read_through_lf();
    common::fail_io(common::kInvalidInput);
  };
  EXPECT_EXIT(give_up_on_the_second_line(), ExitedWithCode(217),
              "\n " + path + ", line 2: cannot read \"  12 13 \"\n$");
}

// A reader that stops on a value it cannot use names its place itself:
// the bytes passed, the line number and the line, across the chunks.
TEST_F(FailurePlace, PositionQueriesFarIntoTheFile) {
  std::string path = write(numbered_lines(20000) + "Fe 0 nan 0\r\nO 1 2 3\n");
  TextInput in = TextInput::open_file(path);
  for (int line = 0; line < 20000; ++line) in.skip_through_lf();
  EXPECT_EQ(in.bytes_passed(), 20000u * 20u);
  in.buffered(64);
  in.consume(3);
  EXPECT_EQ(in.read_real(), 0.0);
  EXPECT_TRUE(std::isnan(in.read_real()));
  EXPECT_EQ(in.line_number(), 20001);
  EXPECT_EQ(in.current_line(), "Fe 0 nan 0");
  EXPECT_EQ(in.bytes_passed(), 20000u * 20u + 8u);
  in.skip_through_lf();
  EXPECT_EQ(in.line_number(), 20002);
  EXPECT_EQ(in.current_line(), "O 1 2 3");
}

TEST_F(FailurePlace, FilesThatCannotBeOpenedOrCreated) {
  std::string missing = (dir_ / "none" / "conf.dat").string();
  EXPECT_EXIT(TextInput::open_file(missing), ExitedWithCode(217),
              "Invalid filename\n.*\n\n " + missing + ": cannot be opened\n$");
  EXPECT_EXIT(common::TextOutput::create_file(missing), ExitedWithCode(217),
              "Invalid filename\n.*\n\n " + missing + ": cannot be created\n$");
}

}  // namespace
