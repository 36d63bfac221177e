// File-system questions on a fresh directory.
#include "common/file_system.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>

namespace {

TEST(FileSystem, EntriesFilesAndDeletion) {
  char name[] = "/tmp/common_fs_XXXXXX";
  ASSERT_NE(::mkdtemp(name), nullptr);
  std::string dir = name;
  std::string file = dir + "/md.xyz";
  std::string sub = dir + "/sub";
  std::string link = dir + "/dangling";
  std::ofstream(file) << "1\n";
  ASSERT_EQ(::mkdir(sub.c_str(), 0755), 0);
  ASSERT_EQ(::symlink("nowhere", link.c_str()), 0);

  EXPECT_TRUE(common::entry_exists(file));
  EXPECT_TRUE(common::entry_exists(sub));   // any kind of entry counts
  EXPECT_TRUE(common::entry_exists(link));
  EXPECT_FALSE(common::entry_exists(dir + "/md"));
  EXPECT_TRUE(common::file_exists(file));
  EXPECT_FALSE(common::file_exists(sub));  // a directory is no file
  EXPECT_FALSE(common::file_exists(link));

  common::delete_file(file);
  EXPECT_FALSE(common::entry_exists(file));
  common::delete_file(file);  // a second deletion is no error

  ASSERT_EQ(::chdir(sub.c_str()), 0);
  char real[4096];
  ASSERT_NE(::realpath(sub.c_str(), real), nullptr);
  EXPECT_EQ(common::current_directory(), std::string(real));
  ASSERT_EQ(::chdir("/"), 0);

  ::unlink(link.c_str());
  ::rmdir(sub.c_str());
  ::rmdir(dir.c_str());
}

}  // namespace
