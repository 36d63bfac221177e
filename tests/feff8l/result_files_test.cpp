#include "feff8l/result_files.hpp"

#include <gtest/gtest.h>

#include "feff8l/exit_status.hpp"
#include "test_support.hpp"

namespace {

namespace fs = std::filesystem;
using feff8l::publish_results;
using feff8l::remove_earlier_results;

TEST(ResultFiles, PublishingMovesBothFilesOutOfTheScratchFolder) {
  test_support::TempDir run;
  fs::create_directory(run / "scratch");
  test_support::write_file(run / "scratch" / "chi.dat", "chi");
  test_support::write_file(run / "scratch" / "xmu.dat", "xmu");
  test_support::write_file(run / "chi.dat", "an earlier chi");
  publish_results(run / "scratch", run.path());
  EXPECT_EQ(test_support::read_file(run / "chi.dat"), "chi");
  EXPECT_EQ(test_support::read_file(run / "xmu.dat"), "xmu");
  EXPECT_TRUE(fs::is_empty(run / "scratch"));
}

TEST(ResultFiles, ASecondFileThatCannotBeMovedTakesTheFirstBack) {
  test_support::TempDir run;
  fs::create_directory(run / "scratch");
  test_support::write_file(run / "scratch" / "chi.dat", "chi");
  test_support::write_file(run / "scratch" / "xmu.dat", "xmu");
  fs::create_directories(run / "xmu.dat" / "in the way");
  EXPECT_THROW(publish_results(run / "scratch", run.path()), feff8l::FileFailure);
  EXPECT_FALSE(fs::exists(run / "chi.dat"));
}

TEST(ResultFiles, EarlierResultsAreRemovedWhetherOrNotThereAreAny) {
  test_support::TempDir run;
  test_support::write_file(run / "chi.dat", "old");
  test_support::write_file(run / "xmu.dat", "old");
  test_support::write_file(run / "feff.inp", "input");
  remove_earlier_results(run.path());
  EXPECT_FALSE(fs::exists(run / "chi.dat"));
  EXPECT_FALSE(fs::exists(run / "xmu.dat"));
  EXPECT_TRUE(fs::exists(run / "feff.inp"));
  EXPECT_NO_THROW(remove_earlier_results(run.path()));
}

}  // namespace
