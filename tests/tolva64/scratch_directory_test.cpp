// The scratch directories of a parallel run: made empty for each cluster,
// removed after it, and the root removed only once nothing is left in it.
#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.hpp"
#include "tolva64/scratch_directory.hpp"

namespace {

namespace fs = std::filesystem;
using namespace tolva64;

class ScratchDirectory : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = fs::current_path();
    fs::current_path(dir_.path());
  }
  void TearDown() override { fs::current_path(old_); }
  test_support::TempDir dir_;
  fs::path old_;
};

TEST_F(ScratchDirectory, PreparedDirectoryIsEmptyAndTheRootGoesWithTheLastOne) {
  EXPECT_EQ(scratch_directory_for("007"), "tolva64.scratch/007");
  prepare_scratch_directory("tolva64.scratch/007");
  test_support::write_file("tolva64.scratch/007/chi.dat", "left by a stopped run");
  prepare_scratch_directory("tolva64.scratch/007");
  EXPECT_TRUE(fs::is_empty("tolva64.scratch/007"));

  prepare_scratch_directory("tolva64.scratch/008");
  remove_scratch_directory("tolva64.scratch/007");
  EXPECT_FALSE(fs::exists("tolva64.scratch/007"));
  EXPECT_TRUE(fs::exists("tolva64.scratch/008"));
  remove_scratch_directory("tolva64.scratch/008");
  EXPECT_FALSE(fs::exists("tolva64.scratch"));
}

}  // namespace
