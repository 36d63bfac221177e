// The buffer view of a text input and the line reads that go with it: a
// reader scans in place, then the token and line reads carry on from the
// spot it consumed to, also where the view spans two chunks of a file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "common/text_input.hpp"

namespace {

using common::TextInput;

constexpr std::size_t CHUNK = 256 * 1024;

TEST(BufferView, PeekStopsAtEveryLineEndAndTheMark) {
  TextInput in = TextInput::from_string("Fe 1 2\nO\r\n\x1a rest");
  std::string_view view = in.buffered(4096);
  EXPECT_EQ(view, std::string_view("Fe 1 2\nO\r\n\x1a rest", 16));
  in.consume(3);
  EXPECT_EQ(in.peek_in_line(), '1');
  in.advance();
  EXPECT_EQ(in.peek_in_line(), ' ');
  in.advance();
  EXPECT_EQ(in.read_integer(), 2);
  EXPECT_EQ(in.peek_in_line(), -1);  // LF
  in.skip_through_lf();
  EXPECT_EQ(in.peek_in_line(), 'O');
  in.advance();
  EXPECT_EQ(in.peek_in_line(), -1);  // CR
  in.skip_through_lf();
  EXPECT_EQ(in.peek_in_line(), -1);  // code 26
  EXPECT_TRUE(in.only_white_space_left());
  EXPECT_EQ(in.buffered(1), "\x1a rest");
}

// LINE ends only at LF, unlike the line skip, and passes code 26.
TEST(DiscardLine, OnlyLfEndsTheLine) {
  TextInput in = TextInput::from_string("a\rb\n\x1a" "c\nd");
  in.skip_through_lf();
  EXPECT_EQ(in.read_char(), '\x1a');
  in.skip_through_lf();
  EXPECT_EQ(in.read_until_cr_or_lf(), "d");
  in.skip_through_lf();  // at the end of the data it just stops
  EXPECT_TRUE(in.at_eof());
}

TEST(OnlyWhiteSpaceLeft, PassesBlankLinesAndStopsAtAToken) {
  EXPECT_TRUE(TextInput::from_string(" \r\n\t \n").only_white_space_left());
  EXPECT_TRUE(TextInput::from_string("").only_white_space_left());
  TextInput in = TextInput::from_string(" \n\n x y");
  EXPECT_FALSE(in.only_white_space_left());
  EXPECT_EQ(in.read_until_cr_or_lf(), "x y");
}

class FileView : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/common_view_XXXXXX";
    int fd = ::mkstemp(name);
    ASSERT_GE(fd, 0);
    ::close(fd);
    path_ = name;
  }
  void TearDown() override { std::remove(path_.c_str()); }
  void write(const std::string& content) { std::ofstream(path_, std::ios::binary) << content; }
  std::string path_;
};

// Three bytes of the line lie in the first chunk, the rest in the second.
TEST_F(FileView, ViewAcrossTheChunkBoundaryEndsWithTheData) {
  write(std::string(CHUNK - 4, 'a') + "\nFe 1.5 2 3\nend");
  TextInput in = TextInput::open_file(path_);
  in.skip_through_lf();
  EXPECT_EQ(in.buffered(64), "Fe 1.5 2 3\nend");
  in.consume(6);
  EXPECT_EQ(in.read_real(), 2.0);
  EXPECT_EQ(in.read_real(), 3.0);
  in.skip_through_lf();
  EXPECT_EQ(in.read_through_lf(), "end");
  EXPECT_TRUE(in.at_eof());
}

// One byte is left in the chunk; the view must still hold all that was asked.
TEST_F(FileView, ViewHoldsWhatWasAskedAcrossTheBoundary) {
  write(std::string(CHUNK - 2, 'a') + "\n" + std::string(5000, 'b') + "\nz");
  TextInput in = TextInput::open_file(path_);
  in.skip_through_lf();
  std::string_view view = in.buffered(4096);
  ASSERT_GE(view.size(), 4096u);
  EXPECT_EQ(std::count(view.begin(), view.begin() + 4096, 'b'), 4096);
  in.consume(4096);
  EXPECT_EQ(in.read_through_lf(), std::string(904, 'b'));
  EXPECT_EQ(in.read_through_lf(), "z");
  EXPECT_TRUE(in.at_eof());
}

// A small file is read in a chunk of its own size; asking for more gives
// the whole file, and the reads go on where the view was consumed to.
TEST_F(FileView, SmallFileGivesAllItHas) {
  write("1 2\n");
  TextInput in = TextInput::open_file(path_);
  EXPECT_EQ(in.buffered(4096), "1 2\n");
  in.consume(2);
  EXPECT_EQ(in.read_integer(), 2);
  EXPECT_TRUE(in.only_white_space_left());
  in.close();
  EXPECT_EXIT(in.buffered(1), ::testing::ExitedWithCode(217), "EInOutError: File not open");
}

}  // namespace
