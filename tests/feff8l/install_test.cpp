#include "feff8l/install.hpp"

#include <gtest/gtest.h>

#include "feff8l/exit_status.hpp"
#include "test_support.hpp"

namespace {

namespace fs = std::filesystem;
using feff8l::install_as_feff_exe;

TEST(Install, ReplacesTheRunDirectorysFeffExeByALinkToTheDriver) {
  test_support::TempDir dir;
  test_support::write_file(dir / "feff.exe", "the stand-in");
  EXPECT_EQ(install_as_feff_exe(dir.path(), "/opt/feff8l/feff8l"), dir / "feff.exe");
  EXPECT_TRUE(fs::is_symlink(dir / "feff.exe"));
  EXPECT_EQ(fs::read_symlink(dir / "feff.exe"), "/opt/feff8l/feff8l");
  // The temporary link is gone: feff.exe is all there is.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(Install, NeedsAnExistingDirectory) {
  test_support::TempDir dir;
  test_support::write_file(dir / "file", "");
  EXPECT_THROW(install_as_feff_exe(dir / "missing", "/x/feff8l"), feff8l::FileFailure);
  EXPECT_THROW(install_as_feff_exe(dir / "file", "/x/feff8l"), feff8l::FileFailure);
  // A folder named feff.exe cannot be replaced.
  fs::create_directory(dir / "feff.exe");
  test_support::write_file(dir / "feff.exe" / "inside", "");
  EXPECT_THROW(install_as_feff_exe(dir.path(), "/x/feff8l"), feff8l::FileFailure);
  EXPECT_TRUE(fs::is_directory(dir / "feff.exe"));
}

}  // namespace
