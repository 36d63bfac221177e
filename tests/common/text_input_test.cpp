// Token, string, character and line reads on text in memory and in files.
#include "common/text_input.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using common::TextInput;

const char* const INVALID_INPUT = "EInOutError: Invalid input";

TEST(RealRead, TokensSeparatedByWhiteSpace) {
  TextInput in = TextInput::from_string("1.5e3  -2  .5\r\n\t7.\x01" "8");
  EXPECT_EQ(in.read_real(), 1500.0);
  EXPECT_EQ(in.read_real(), -2.0);
  EXPECT_EQ(in.read_real(), 0.5);
  EXPECT_EQ(in.read_real(), 7.0);
  EXPECT_EQ(in.read_real(), 8.0);  // control codes count as white space
  EXPECT_TRUE(in.at_eof());
}

TEST(RealRead, WordsAndZeroMantissas) {
  TextInput in = TextInput::from_string("inf -INF nan - +. 1e+");
  EXPECT_EQ(in.read_real(), INFINITY);
  EXPECT_EQ(in.read_real(), -INFINITY);
  EXPECT_TRUE(std::isnan(in.read_real()));
  double negative_zero = in.read_real();
  EXPECT_EQ(negative_zero, 0.0);
  EXPECT_TRUE(std::signbit(negative_zero));
  EXPECT_FALSE(std::signbit(in.read_real()));
  EXPECT_EQ(in.read_real(), 1.0);
}

TEST(RealRead, BadTokensStopTheRun) {
  for (const char* token : {"1.5D3", "1,5", "--1", "1e", "abc", "0x10", "Infinity"}) {
    EXPECT_EXIT(TextInput::from_string(token).read_real(), ::testing::ExitedWithCode(217),
                INVALID_INPUT)
        << token;
  }
}

TEST(RealRead, TheNumberStopsInFrontOfTheNextByte) {
  TextInput in = TextInput::from_string("12 x");
  EXPECT_EQ(in.read_real(), 12.0);
  EXPECT_EQ(in.read_char(), ' ');
}

TEST(RealRead, EmptyLineAtTheEnd) {
  TextInput in = TextInput::from_string("1.0\r\n\r\n");
  EXPECT_EQ(in.read_real(), 1.0);
  in.skip_past_cr_or_lf();
  EXPECT_FALSE(in.at_eof());
  EXPECT_EQ(in.read_real(), 0.0);  // passed the empty line into the end
  EXPECT_TRUE(in.at_eof());
  EXPECT_EXIT(in.read_real(), ::testing::ExitedWithCode(217), INVALID_INPUT);
}

TEST(RealRead, NothingLeftIsAFormatError) {
  EXPECT_EXIT(TextInput::from_string("").read_real(), ::testing::ExitedWithCode(217),
              INVALID_INPUT);
  EXPECT_EXIT(TextInput::from_string("\x1a" "5").read_real(), ::testing::ExitedWithCode(217),
              INVALID_INPUT);
  EXPECT_EXIT(TextInput::from_string("  \x1a").read_real(), ::testing::ExitedWithCode(217),
              INVALID_INPUT);
}

TEST(RealRead, NumberWithoutLineEnd) {
  TextInput in = TextInput::from_string("12");
  EXPECT_EQ(in.read_real(), 12.0);
  EXPECT_TRUE(in.at_eof());
}

TEST(IntegerRead, ValuesAndTheEnd) {
  TextInput in = TextInput::from_string("42 -$10 %101\r\n\r\n");
  EXPECT_EQ(in.read_integer(), 42);
  EXPECT_EQ(in.read_integer(), -16);
  EXPECT_EQ(in.read_integer(), 5);
  in.skip_past_cr_or_lf();
  EXPECT_FALSE(in.at_eof());
  EXPECT_EQ(in.read_integer(), 0);
  EXPECT_EQ(in.read_integer(), 0);
  EXPECT_EQ(TextInput::from_string(" \x1a" "7").read_integer(), 0);
}

TEST(IntegerRead, BadTokensStopTheRun) {
  for (const char* token : {"1.5", "1e3", "2147483648", "$80000000", "12abc"}) {
    EXPECT_EXIT(TextInput::from_string(token).read_integer(), ::testing::ExitedWithCode(217),
                INVALID_INPUT)
        << token;
  }
}

TEST(StringRead, StopsOnTheLineEnd) {
  TextInput in = TextInput::from_string("abc\r\ndef\n\nlast");
  EXPECT_EQ(in.read_until_cr_or_lf(), "abc");
  EXPECT_EQ(in.read_until_cr_or_lf(), "");  // still on the CR
  EXPECT_EQ(in.read_char(), '\r');
  EXPECT_EQ(in.read_char(), '\n');
  EXPECT_EQ(in.read_until_cr_or_lf(), "def");
  in.skip_past_cr_or_lf();
  EXPECT_EQ(in.read_until_cr_or_lf(), "");  // empty line
  in.skip_past_cr_or_lf();
  EXPECT_EQ(in.read_until_cr_or_lf(), "last");
  EXPECT_TRUE(in.at_eof());
  EXPECT_EQ(TextInput::from_string("ab\x1a" "cd").read_until_cr_or_lf(), "ab");
}

TEST(StringRead, BoundedTakesAtMostN) {
  TextInput in = TextInput::from_string("Fe 1.0\n\nO");
  EXPECT_EQ(in.read_until_cr_or_lf(2), "Fe");
  EXPECT_EQ(in.read_until_cr_or_lf(10), " 1.0");
  in.skip_past_cr_or_lf();
  EXPECT_EQ(in.read_until_cr_or_lf(1), "");
  in.skip_past_cr_or_lf();
  EXPECT_EQ(in.read_until_cr_or_lf(1), "O");
}

TEST(CharacterRead, EveryByteThenCode26) {
  TextInput in = TextInput::from_string("abc\r\n");
  std::string seen;
  for (int i = 0; i < 7; ++i) seen += in.read_char();
  EXPECT_EQ(seen, "abc\r\n\x1a\x1a");
}

TEST(LineSkip, CrLfCrAndLfEachEndOneLine) {
  TextInput in = TextInput::from_string("a\r\nb\rc\n\n\re");
  EXPECT_EQ(in.read_char(), 'a');
  in.skip_past_cr_or_lf();  // CR LF
  EXPECT_EQ(in.read_char(), 'b');
  in.skip_past_cr_or_lf();  // CR alone
  EXPECT_EQ(in.read_char(), 'c');
  in.skip_past_cr_or_lf();  // LF
  in.skip_past_cr_or_lf();  // an empty line ended by LF
  in.skip_past_cr_or_lf();  // an empty line ended by CR
  EXPECT_EQ(in.read_char(), 'e');
  EXPECT_TRUE(in.at_eof());
  in.skip_past_cr_or_lf();  // nothing left: nothing happens
  EXPECT_EQ(in.read_char(), '\x1a');
}

TEST(LineSkip, StopsInFrontOfTheEndOfFileMark) {
  TextInput in = TextInput::from_string("1\n\x1a" "2\n");
  EXPECT_EQ(in.read_integer(), 1);
  in.skip_past_cr_or_lf();
  EXPECT_TRUE(in.at_eof());
  in.skip_past_cr_or_lf();
  EXPECT_TRUE(in.at_eof());
  EXPECT_EQ(in.read_char(), '\x1a');  // the character read passes it like any byte
  EXPECT_FALSE(in.at_eof());
}

TEST(LineRead, DropsEveryCrAndEndsAfterTheLf) {
  TextInput in = TextInput::from_string("ab\rc\nx\x1ay\r\n\nlast");
  EXPECT_EQ(in.read_through_lf(), "abc");
  EXPECT_EQ(in.read_through_lf(), "x\x1ay");
  EXPECT_EQ(in.read_through_lf(), "");
  EXPECT_EQ(in.read_through_lf(), "last");
  EXPECT_EQ(in.read_through_lf(), "");
}

class FileInput : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/common_input_XXXXXX";
    int fd = ::mkstemp(name);
    ASSERT_GE(fd, 0);
    ::close(fd);
    path_ = name;
  }
  void TearDown() override { std::remove(path_.c_str()); }
  void write(const std::string& content) {
    std::ofstream(path_, std::ios::binary) << content;
  }
  std::string path_;
};

// Tokens and lines that run across the chunks of a large file come out whole.
TEST_F(FileInput, TokensAcrossChunks) {
  std::string content;
  int count = 0;
  while (content.size() < 600 * 1024) {
    content += "  -1234.56789e-3 " + std::to_string(count) + "\r\n";
    ++count;
  }
  write(content);
  TextInput in = TextInput::open_file(path_);
  for (int i = 0; i < count; ++i) {
    ASSERT_EQ(in.read_real(), -1.23456789) << i;
    ASSERT_EQ(in.read_integer(), i) << i;
  }
  EXPECT_EQ(in.read_integer(), 0);
  EXPECT_TRUE(in.at_eof());
}

// The reads take the file in chunks of 256 KiB: a token and a CR LF pair
// placed across the first boundary must read as if the file were whole.
TEST_F(FileInput, BoundaryInsideATokenAndInsideCrLf) {
  const std::size_t boundary = 256 * 1024;
  std::string content(boundary - 3, ' ');
  content += "123.25\r\n";  // "123" before the boundary, ".25" after it
  content.resize(2 * boundary - 1, 'x');
  content += "\r\n-7";  // CR the last byte of the second chunk, LF the first of the third
  write(content);
  TextInput in = TextInput::open_file(path_);
  EXPECT_EQ(in.read_real(), 123.25);
  in.skip_past_cr_or_lf();
  EXPECT_EQ(in.read_until_cr_or_lf(), std::string(2 * boundary - 1 - (boundary + 5), 'x'));
  in.skip_past_cr_or_lf();
  EXPECT_EQ(in.read_integer(), -7);
  EXPECT_TRUE(in.at_eof());
}

TEST_F(FileInput, LinesAcrossChunks) {
  std::string long_line(300 * 1024, 'x');
  write("a\r\n" + long_line + "\r\nend");
  TextInput in = TextInput::open_file(path_);
  EXPECT_EQ(in.read_through_lf(), "a");
  EXPECT_EQ(in.read_through_lf(), long_line);
  EXPECT_EQ(in.read_through_lf(), "end");
  EXPECT_TRUE(in.at_eof());
}

TEST_F(FileInput, ReadAfterCloseIsFileNotOpen) {
  write("1 2");
  TextInput in = TextInput::open_file(path_);
  EXPECT_EQ(in.read_integer(), 1);
  in.close();
  EXPECT_EXIT(in.read_integer(), ::testing::ExitedWithCode(217), "EInOutError: File not open");
}

// A pipe that stays open delivers only what was written: the reads must take
// it without waiting for more, as a console dialog needs. A read that waited
// would hang until the alarm ends the test process.
TEST(PipeInput, ReadsWhatIsThereWithoutWaitingForMore) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  ::alarm(10);
  TextInput in = TextInput::open_file("/dev/fd/" + std::to_string(fds[0]));
  ASSERT_EQ(::write(fds[1], "5\n", 2), 2);
  EXPECT_EQ(in.read_integer(), 5);
  in.skip_past_cr_or_lf();
  ASSERT_EQ(::write(fds[1], "2.5 Fe\n", 7), 7);
  EXPECT_EQ(in.read_real(), 2.5);
  EXPECT_EQ(in.read_char(), ' ');
  EXPECT_EQ(in.read_until_cr_or_lf(), "Fe");
  in.skip_past_cr_or_lf();
  ASSERT_EQ(::write(fds[1], "last line\n", 10), 10);
  EXPECT_EQ(in.read_through_lf(), "last line");
  ::close(fds[1]);
  EXPECT_TRUE(in.at_eof());
  ::alarm(0);
  in.close();
  ::close(fds[0]);
}

TEST(StandardInput, AnswersTypedOneAtATime) {
  EXPECT_EXIT(
      {
        int fds[2];
        if (::pipe(fds) != 0 || ::dup2(fds[0], STDIN_FILENO) < 0) std::_Exit(2);
        ::alarm(10);
        TextInput& in = TextInput::standard_input();
        if (::write(fds[1], "7\n", 2) != 2) std::_Exit(2);
        int first = in.read_integer();
        in.skip_past_cr_or_lf();
        if (::write(fds[1], "y\n", 2) != 2) std::_Exit(2);
        char answer = in.read_char();
        std::_Exit(first == 7 && answer == 'y' ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(OpenFile, MissingFileAndMissingDirectory) {
  EXPECT_EXIT(TextInput::open_file("/tmp/no_such_file_of_common_tests"),
              ::testing::ExitedWithCode(217), "EInOutError: File not found");
  EXPECT_EXIT(TextInput::open_file("/tmp/no_such_dir_of_common_tests/file"),
              ::testing::ExitedWithCode(217), "EInOutError: Invalid filename");
}

}  // namespace
