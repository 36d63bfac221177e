#include "feff8l/leftover_scratch.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "test_support.hpp"

namespace {

namespace fs = std::filesystem;
using feff8l::is_abandoned_scratch;
using feff8l::remove_abandoned_scratch_folders;

// Only process 500 is alive in these cases.
bool only_500_alive(long pid) { return pid == 500; }

TEST(LeftoverScratch, AbandonedWhenItsProcessOnThisHostIsGone) {
  EXPECT_TRUE(is_abandoned_scratch("feff8l-scratch-vm-400", "vm", 100, only_500_alive, false));
  EXPECT_FALSE(is_abandoned_scratch("feff8l-scratch-vm-500", "vm", 100, only_500_alive, false));
  // Our own id: a folder that carries it was made by an earlier process.
  EXPECT_TRUE(is_abandoned_scratch("feff8l-scratch-vm-500", "vm", 500, only_500_alive, false));
}

TEST(LeftoverScratch, NeverAFolderKeptAfterAFailureOrOfAnotherHost) {
  EXPECT_FALSE(is_abandoned_scratch("feff8l-scratch-vm-400", "vm", 100, only_500_alive, true));
  EXPECT_FALSE(is_abandoned_scratch("feff8l-failed-400", "vm", 100, only_500_alive, false));
  EXPECT_FALSE(is_abandoned_scratch("feff8l-scratch-node2-400", "vm", 100, only_500_alive, false));
  EXPECT_FALSE(is_abandoned_scratch("results-400", "vm", 100, only_500_alive, false));
}

long dead_process_id() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  int status = 0;
  waitpid(child, &status, 0);
  return child;
}

TEST(LeftoverScratch, RemovesOnlyTheAbandonedFoldersOfTheRunDirectory) {
  test_support::TempDir dir;
  const auto dead_folder = [] { return "feff8l-scratch-vm-" + std::to_string(dead_process_id()); };
  const std::string abandoned = dead_folder();
  const std::string noted = dead_folder();
  const std::string link = dead_folder();
  const std::string file = dead_folder();
  const std::vector<std::string> kept{"feff8l-scratch-vm-1",  // init: alive
                                      "feff8l-scratch-other-" + std::to_string(dead_process_id()),
                                      "feff8l-failed-" + std::to_string(dead_process_id()), noted};
  for (const auto& name : kept) fs::create_directory(dir / name);
  test_support::write_file(dir / noted / "failure.txt", "x\n");
  fs::create_directories(dir / abandoned / "sub");
  test_support::write_file(dir / abandoned / "sub" / "pot.pad", "");
  // Named like abandoned folders, but a link to a folder and a file.
  fs::create_directory(dir / "target");
  test_support::write_file(dir / "target" / "data", "keep");
  fs::create_directory_symlink(dir / "target", dir / link);
  test_support::write_file(dir / file, "");

  remove_abandoned_scratch_folders(dir.path(), "vm", getpid());

  EXPECT_FALSE(fs::exists(dir / abandoned));
  for (const auto& name : kept) EXPECT_TRUE(fs::is_directory(dir / name)) << name;
  EXPECT_TRUE(fs::is_symlink(dir / link));
  EXPECT_EQ(test_support::read_file(dir / "target" / "data"), "keep");
  EXPECT_TRUE(fs::is_regular_file(dir / file));
}

}  // namespace
