#include "feff8l/scratch_folder.hpp"

#include <gtest/gtest.h>

#include "feff8l/exit_status.hpp"
#include "test_support.hpp"

namespace {

namespace fs = std::filesystem;
using namespace feff8l;

TEST(ScratchFolder, NameCarriesHostAndProcessAndReadsBack) {
  EXPECT_EQ(scratch_folder_name("node-7", 4242), "feff8l-scratch-node-7-4242");
  const auto owner = scratch_folder_owner("feff8l-scratch-node-7-4242");
  ASSERT_TRUE(owner);
  EXPECT_EQ(owner->host, "node-7");
  EXPECT_EQ(owner->pid, 4242);
}

TEST(ScratchFolder, OtherNamesHaveNoOwner) {
  for (const char* name : {"feff8l-failed-4242", "feff8l-scratch-4242", "feff8l-scratch-vm-",
                           "feff8l-scratch-vm-12x", "feff8l-scratch-vm-0", "feff8l-scratch--12",
                           "xfeff8l-scratch-vm-12", "feff8l-scratch-vm-99999999999999999999"}) {
    EXPECT_FALSE(scratch_folder_owner(name)) << name;
  }
}

TEST(ScratchFolder, HostNameKeepsOnlyCharactersSafeInAFolderName) {
  EXPECT_EQ(host_for_folder_name("node_1.cluster-a"), "node_1.cluster-a");
  EXPECT_EQ(host_for_folder_name("a b/c"), "a_b_c");
  EXPECT_EQ(host_for_folder_name(""), "localhost");
}

TEST(ScratchFolder, IsMadeOnlyOnce) {
  test_support::TempDir dir;
  make_scratch_folder(dir / "feff8l-scratch-h-1");
  EXPECT_TRUE(fs::is_directory(dir / "feff8l-scratch-h-1"));
  EXPECT_THROW(make_scratch_folder(dir / "feff8l-scratch-h-1"), FileFailure);
}

TEST(ScratchFolder, KeptFolderGetsANoteAndAFreeFailedName) {
  test_support::TempDir dir;
  fs::create_directory(dir / "feff8l-scratch-h-77");
  test_support::write_file(dir / "feff8l-scratch-h-77" / "log2.dat", "log");
  fs::create_directory(dir / "feff8l-failed-77");  // an earlier run of the same id

  EXPECT_EQ(keep_scratch_folder(dir.path(), "feff8l-scratch-h-77", 77, " FEFF xsph failed"),
            "feff8l-failed-77-2");
  EXPECT_FALSE(fs::exists(dir / "feff8l-scratch-h-77"));
  EXPECT_EQ(test_support::read_file(dir / "feff8l-failed-77-2" / "log2.dat"), "log");
  EXPECT_EQ(test_support::read_file(dir / "feff8l-failed-77-2" / "failure.txt"),
            " FEFF xsph failed\n");
  EXPECT_TRUE(fs::is_empty(dir / "feff8l-failed-77"));
}

}  // namespace
