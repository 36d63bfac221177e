// What a killed run leaves behind: its FEFF runs, scratch directories and
// temporary files, cleared only within the run's own shard.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>

#include "test_support.hpp"
#include "tolva64/leftovers.hpp"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using test_support::write_file;
using namespace tolva64;

class Leftovers : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = fs::current_path();
    fs::current_path(dir_.path());
  }
  void TearDown() override { fs::current_path(old_); }

  // A process that sleeps in `directory`, leading a group of its own, as an
  // orphaned FEFF run does.
  pid_t start_sleeper(const std::string& directory) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    char program[] = "/bin/sleep";
    char seconds[] = "30";
    char* argv[] = {program, seconds, nullptr};
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, program, &actions, &attributes, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    return pid;
  }

  // The signal that ended the process, waiting up to tries * 10 ms; 0 if it
  // still runs.
  int ended_by(pid_t pid, int tries = 500) {
    for (int tried = 0; tried < tries; ++tried) {
      int status = 0;
      if (waitpid(pid, &status, WNOHANG) == pid) return WIFSIGNALED(status) ? WTERMSIG(status) : -1;
      usleep(10000);
    }
    return 0;
  }

  test_support::TempDir dir_;
  fs::path old_;
};

TEST_F(Leftovers, LineNamesWhatWasCleared) {
  EXPECT_EQ(leftovers_line({1, 0, 0}),
            " Cleared what an interrupted run left: stopped 1 FEFF run.");
  EXPECT_EQ(leftovers_line({2, 1, 3}),
            " Cleared what an interrupted run left: stopped 2 FEFF runs, removed 1 scratch "
            "directory and 3 temporary files.");
  EXPECT_EQ(leftovers_line({0, 2, 0}),
            " Cleared what an interrupted run left: removed 2 scratch directories.");
  EXPECT_FALSE(LeftoversFound{}.any());
}

TEST_F(Leftovers, ShardClearsOnlyItsOwnClusters) {
  for (const char* name : {".xt.001.partial", ".mu.002.partial", ".xt.003.partial",
                           ".made_from.003.partial", ".made_from.004.partial",
                           ".xt_tot.txt.partial", ".feff.inp.partial", "chi.dat", "xmu.dat",
                           "keep.partial", ".xt.abc.partial"}) {
    write_file(name, "");
  }
  fs::create_directories("tolva64.scratch/001");
  fs::create_directories("tolva64.scratch/002");
  LeftoversFound found = clean_up_leftovers(RunFiles(), Shard{1, 2}, false);
  EXPECT_EQ(found.scratch_directories, 1);
  EXPECT_EQ(found.temporary_files, 3);
  EXPECT_FALSE(fs::exists(".xt.001.partial"));
  EXPECT_FALSE(fs::exists(".xt.003.partial"));
  EXPECT_FALSE(fs::exists(".made_from.003.partial"));
  EXPECT_TRUE(fs::exists(".made_from.004.partial"));
  EXPECT_FALSE(fs::exists("tolva64.scratch/001"));
  EXPECT_TRUE(fs::exists("tolva64.scratch/002"));
  for (const char* kept : {".mu.002.partial", ".xt_tot.txt.partial", "chi.dat"}) {
    EXPECT_TRUE(fs::exists(kept)) << kept;
  }

  found = clean_up_leftovers(RunFiles(), std::nullopt, false);
  EXPECT_EQ(found.scratch_directories, 1);
  // .mu.002, .made_from.004, totals, feff.inp, chi.dat, xmu.dat
  EXPECT_EQ(found.temporary_files, 6);
  EXPECT_TRUE(fs::exists("keep.partial"));
  EXPECT_TRUE(fs::exists(".xt.abc.partial"));
  EXPECT_FALSE(fs::exists("tolva64.scratch"));
}

TEST_F(Leftovers, OrphanedFeffRunIsStoppedOnlyWhereItsRecordPointsAtIt) {
  fs::create_directories("tolva64.scratch/004");
  fs::create_directories("elsewhere");
  pid_t orphan = start_sleeper((dir_.path() / "tolva64.scratch/004").string());
  pid_t stranger = start_sleeper((dir_.path() / "elsewhere").string());
  write_file("tolva64.scratch/004/feff.pgid", std::to_string(orphan) + "\r\n");
  // A record in the run directory that names a process working elsewhere.
  write_file("tolva64.feff.pgid", std::to_string(stranger) + "\r\n");
  LeftoversFound found = clean_up_leftovers(RunFiles(), std::nullopt, true);
  EXPECT_EQ(found.feff_runs_stopped, 1);
  EXPECT_EQ(found.scratch_directories, 0);  // kept, as asked
  EXPECT_EQ(ended_by(orphan), SIGKILL);
  EXPECT_EQ(ended_by(stranger, 30), 0);
  EXPECT_FALSE(fs::exists("tolva64.feff.pgid"));
  kill(stranger, SIGKILL);
  waitpid(stranger, nullptr, 0);
}

// Killed between starting FEFF and recording it, a run leaves no record: the
// FEFF run is still found, by the directory it works in.
TEST_F(Leftovers, UnrecordedFeffRunIsFoundByItsScratchDirectory) {
  fs::create_directories("tolva64.scratch/005");
  pid_t orphan = start_sleeper((dir_.path() / "tolva64.scratch/005").string());
  pid_t stranger = start_sleeper(dir_.path().string());
  LeftoversFound found = clean_up_leftovers(RunFiles(), std::nullopt, false);
  EXPECT_EQ(found.feff_runs_stopped, 1);
  EXPECT_EQ(found.scratch_directories, 1);
  EXPECT_EQ(ended_by(orphan), SIGKILL);
  EXPECT_EQ(ended_by(stranger, 30), 0);
  EXPECT_FALSE(fs::exists("tolva64.scratch"));
  kill(stranger, SIGKILL);
  waitpid(stranger, nullptr, 0);
}

TEST_F(Leftovers, LinkedScratchRootStays) {
  fs::create_directories("disk/001");
  fs::create_directory_symlink("disk", "tolva64.scratch");
  LeftoversFound found = clean_up_leftovers(RunFiles(), std::nullopt, false);
  EXPECT_EQ(found.scratch_directories, 1);
  EXPECT_TRUE(fs::is_symlink("tolva64.scratch"));
  EXPECT_TRUE(fs::is_empty("disk"));
}

}  // namespace
