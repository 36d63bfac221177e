// Text outputs: CR LF line ends, the 256-byte buffer, closing and failures.
#include "common/text_output.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "common/failure.hpp"

namespace {

using common::TextOutput;
using ::testing::ExitedWithCode;

class FileOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/common_output_XXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    dir_ = name;
    path_ = dir_ + "/out.txt";
  }
  void TearDown() override {
    std::remove(path_.c_str());
    ::rmdir(dir_.c_str());
  }
  std::string content() const {
    std::ifstream file(path_, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }
  std::string dir_;
  std::string path_;
};

TEST_F(FileOutput, LinesEndWithCrLf) {
  TextOutput out = TextOutput::create_file(path_);
  out.write("x =").write(' ').write_real(0.05).end_line();
  out.write_integer(42, 5).write_integer(-7).end_line();
  out.end_line();
  out.close();
  EXPECT_EQ(content(), "x =  5.0000000000000003E-002\r\n   42-7\r\n\r\n");
}

TEST_F(FileOutput, BufferGoesOutWhenFullAndAtClose) {
  TextOutput out = TextOutput::create_file(path_);
  out.write(std::string(255, 'a'));
  EXPECT_EQ(content(), "");  // still gathered
  out.write("bc");
  EXPECT_EQ(content(), std::string(255, 'a') + "b");  // the full 256 bytes went out
  out.flush();
  EXPECT_EQ(content(), std::string(255, 'a') + "bc");
  out.write("d");
  out.close();
  EXPECT_EQ(content(), std::string(255, 'a') + "bcd");
}

TEST_F(FileOutput, CreatingEmptiesAnExistingFile) {
  std::ofstream(path_) << "old content";
  TextOutput out = TextOutput::create_file(path_);
  out.write("new");
  out.close();
  EXPECT_EQ(content(), "new");
}

TEST_F(FileOutput, DestructionAndFlushAllPassTheTextOn) {
  {
    TextOutput out = TextOutput::create_file(path_);
    out.write("kept");
    TextOutput::flush_all();
    EXPECT_EQ(content(), "kept");
    out.write("!");
  }
  EXPECT_EQ(content(), "kept!");
}

// A stop in the middle of writing still leaves what was written in the file.
TEST_F(FileOutput, TheStopsPassTheBufferOn) {
  EXPECT_EXIT(
      {
        TextOutput out = TextOutput::create_file(path_);
        out.write("partial").end_line();
        common::stop_program(3);
      },
      ExitedWithCode(3), "");
  EXPECT_EQ(content(), "partial\r\n");
  EXPECT_EXIT(
      {
        TextOutput out = TextOutput::create_file(path_);
        out.write("before the failure");
        common::fail_overflow();
      },
      ExitedWithCode(217), "EOverflow: Floating point overflow");
  EXPECT_EQ(content(), "before the failure");
}

TEST_F(FileOutput, WriteAfterCloseIsFileNotOpen) {
  TextOutput out = TextOutput::create_file(path_);
  out.close();
  EXPECT_EXIT(out.write("x"), ExitedWithCode(217), "EInOutError: File not open\n");
}

TEST_F(FileOutput, CreateFailures) {
  EXPECT_EXIT(TextOutput::create_file(dir_ + "/no_such_dir/out.txt"), ExitedWithCode(217),
              "EInOutError: Invalid filename");
  EXPECT_EXIT(TextOutput::create_file(dir_), ExitedWithCode(217), "EInOutError: Access denied");
}

TEST(DeviceOutput, DiskFullWhenTheBufferGoesOut) {
  if (::access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  EXPECT_EXIT(
      {
        TextOutput out = TextOutput::create_file("/dev/full");
        out.write("line").end_line();
        out.close();
      },
      ExitedWithCode(217), "EInOutError: Disk Full");
}

}  // namespace
