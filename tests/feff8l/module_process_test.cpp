#include "feff8l/module_process.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include <gtest/gtest.h>

#include "test_support.hpp"

namespace {

namespace fs = std::filesystem;
using namespace feff8l;

// A directory with a script module and the console log it writes to.
class ScriptModule : public ::testing::Test {
 protected:
  void SetUp() override {
    signals_ = block_run_signals();
    console_fd_ = open((dir_ / "console.log").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    ASSERT_GE(console_fd_, 0);
  }
  void TearDown() override {
    close(console_fd_);
    sigprocmask(SIG_SETMASK, &signals_.original_mask, nullptr);
  }
  std::string script(const std::string& body) {
    const fs::path path = dir_ / "module";
    test_support::write_file(path, "#!/bin/sh\n" + body + "\n");
    fs::permissions(path, fs::perms::owner_all);
    return path.string();
  }
  ModuleEnd run(const std::string& program) {
    return run_module(program, dir_ / "work", console_fd_, signals_);
  }

  test_support::TempDir dir_;
  RunSignals signals_{};
  int console_fd_ = -1;
};

TEST_F(ScriptModule, RunsInTheFolderWithItsOutputInTheConsoleLog) {
  fs::create_directory(dir_ / "work");
  const ModuleEnd end = run(script("echo out; echo err >&2; pwd > where.txt; exit 3"));
  EXPECT_EQ(end.kind, ModuleEndKind::Exited);
  EXPECT_EQ(end.value, 3);
  EXPECT_EQ(test_support::read_file(dir_ / "console.log"), "out\nerr\n");
  EXPECT_EQ(test_support::read_file(dir_ / "work" / "where.txt"),
            fs::canonical(dir_ / "work").string() + "\n");
}

// FEFF's modules install no handlers: blocked, a stop would not reach them.
TEST_F(ScriptModule, StartsWithTheRunsSignalsUnblocked) {
  fs::create_directory(dir_ / "work");
  run(script("exec grep SigBlk /proc/self/status > blocked.txt"));
  const std::string line = test_support::read_file(dir_ / "work" / "blocked.txt");
  ASSERT_EQ(line.rfind("SigBlk:", 0), 0u) << line;
  const unsigned long long blocked = std::stoull(line.substr(7), nullptr, 16);
  for (int signal_number : {SIGHUP, SIGINT, SIGTERM, SIGCHLD}) {
    EXPECT_EQ(blocked & (1ULL << (signal_number - 1)), 0u) << signal_number;
  }
}

TEST_F(ScriptModule, ReportsTheSignalThatKilledIt) {
  fs::create_directory(dir_ / "work");
  const ModuleEnd end = run(script("kill -SEGV $$"));
  EXPECT_EQ(end.kind, ModuleEndKind::Killed);
  EXPECT_EQ(end.value, SIGSEGV);
}

TEST_F(ScriptModule, ReportsWhyItCouldNotStart) {
  fs::create_directory(dir_ / "work");
  ModuleEnd end = run((dir_ / "missing").string());
  EXPECT_EQ(end.kind, ModuleEndKind::NotStarted);
  EXPECT_EQ(end.value, ENOENT);
  test_support::write_file(dir_ / "module", "#!/no/such/shell\n");
  fs::permissions(dir_ / "module", fs::perms::owner_all);
  end = run((dir_ / "module").string());
  EXPECT_EQ(end.kind, ModuleEndKind::NotStarted);
  EXPECT_EQ(end.value, ENOENT);
  // No folder to run in.
  fs::remove(dir_ / "work");
  end = run(script("exit 0"));
  EXPECT_EQ(end.kind, ModuleEndKind::NotStarted);
  EXPECT_EQ(end.value, ENOENT);
}

TEST_F(ScriptModule, AStopSignalEndsTheModule) {
  fs::create_directory(dir_ / "work");
  // The module sends the stop itself once it is ready to note what it gets;
  // blocked, the signal waits for the run to take it.
  const ModuleEnd end = run(script(
      "trap 'echo TERM > term.txt; exit 0' TERM; kill -TERM $PPID; while :; do sleep 0.1; done"));
  EXPECT_EQ(end.kind, ModuleEndKind::Stopped);
  EXPECT_EQ(end.value, SIGTERM);
  EXPECT_EQ(test_support::read_file(dir_ / "work" / "term.txt"), "TERM\n");
}

}  // namespace
