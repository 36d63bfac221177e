// The driver run as the averager runs feff.exe, on modules that are shell
// scripts: the order of the modules, the results, each way a run can fail or
// be stopped, and what stays behind.
#include "feff8l/feff_run.hpp"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include <gtest/gtest.h>

#include "fake_modules.hpp"
#include "feff8l/scratch_folder.hpp"
#include "test_support.hpp"

namespace {

namespace fs = std::filesystem;
using feff8l_test::BackgroundRun;
using feff8l_test::entries_of;
using feff8l_test::FakeModules;
using feff8l_test::wait_for_file;
using Names = std::vector<std::string>;

const std::string kDriver = FEFF8L_EXE;
const std::string kInput = " TITLE fake\n EDGE K\n";
const std::string kAllModules = "rdinp\npot\nxsph\npathfinder\ngenfmt\nff2x\n";

test_support::RunResult run_driver(const test_support::TempDir& dir) {
  return test_support::run_program(kDriver, {}, dir.path());
}

// The one folder kept after a failure.
std::string kept_folder(const test_support::TempDir& dir) {
  for (const std::string& name : entries_of(dir.path())) {
    if (name.rfind("feff8l-failed-", 0) == 0) return name;
  }
  return "";
}

TEST(FeffRun, RunsTheModulesInOrderAndLeavesOnlyTheResults) {
  FakeModules modules;
  test_support::TempDir dir;
  test_support::write_file(dir / "feff.inp", kInput);
  const auto result = run_driver(dir);
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(entries_of(dir.path()), (Names{"chi.dat", "feff.inp", "xmu.dat"}));
  EXPECT_EQ(test_support::read_file(dir / "chi.dat"), kInput);  // the modules saw feff.inp
  EXPECT_EQ(test_support::read_file(dir / "xmu.dat"), kAllModules);
}

TEST(FeffRun, AFailedModuleKeepsTheFolderAndLeavesNoResults) {
  FakeModules modules;
  modules.set("genfmt", "echo ' Calculating EXAFS parameters...' > log5.dat; : > list.dat");
  test_support::TempDir dir;
  test_support::write_file(dir / "feff.inp", kInput);
  test_support::write_file(dir / "chi.dat", "an earlier run's");
  test_support::write_file(dir / "xmu.dat", "an earlier run's");
  const auto result = run_driver(dir);
  const std::string kept = kept_folder(dir);
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, " FEFF genfmt failed: no feff.pad; see " + kept + "/log5.dat and " +
                            kept + "/console.log\n");
  EXPECT_EQ(entries_of(dir.path()), (Names{"feff.inp", kept}));
  EXPECT_EQ(test_support::read_file(dir / kept / "order.txt"),
            "rdinp\npot\nxsph\npathfinder\ngenfmt\n");
  EXPECT_EQ(test_support::read_file(dir / kept / "failure.txt"),
            " FEFF genfmt failed: no feff.pad; see ./log5.dat and ./console.log\n");
}

TEST(FeffRun, EveryWayAModuleFailsIsNamed) {
  struct Case {
    std::string module, file, line_start;
  };
  const std::vector<Case> cases{
      {"pot", "#!/bin/sh\nexit 3\n", " FEFF pot failed: exit status 3; see "},
      {"xsph", "#!/bin/sh\nkill -KILL $$\n",
       " FEFF xsph failed: killed by signal 9 (Killed); see "},
      {"ff2x", "#!/no/such/shell\n",
       " FEFF ff2x failed: cannot start {modules}/feff8l_ff2x (No such file or directory); see "},
      {"rdinp", "#!/bin/sh\necho 'Fortran runtime error: Bad real number' >&2\nexit 2\n",
       " FEFF rdinp failed: exit status 2. \"Fortran runtime error: Bad real number\"; see "}};
  for (const Case& c : cases) {
    FakeModules modules;
    modules.set_file(c.module, c.file);
    test_support::TempDir dir;
    test_support::write_file(dir / "feff.inp", kInput);
    const auto result = run_driver(dir);
    std::string expected = c.line_start;
    if (auto at = expected.find("{modules}"); at != std::string::npos) {
      expected.replace(at, 9, modules.directory().string());
    }
    EXPECT_EQ(result.exit_code, 1) << c.module;
    EXPECT_EQ(result.err.substr(0, expected.size()), expected);
    EXPECT_EQ(entries_of(dir.path()), (Names{"feff.inp", kept_folder(dir)})) << c.module;
  }
}

TEST(FeffRun, WithoutFeffInpOrModulesNothingIsMade) {
  test_support::TempDir dir;
  {
    FakeModules modules;
    const auto result = run_driver(dir);
    EXPECT_EQ(result.exit_code, 2);
    EXPECT_EQ(result.err, " FEFF cannot run: no feff.inp in " + fs::canonical(dir.path()).string() +
                              "\n");
  }
  test_support::write_file(dir / "feff.inp", kInput);
  test_support::TempDir empty;
  setenv("FEFF8L_MODULE_DIR", empty.path().c_str(), 1);
  const auto result = run_driver(dir);
  unsetenv("FEFF8L_MODULE_DIR");
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_EQ(result.err, " FEFF cannot run: FEFF8L_MODULE_DIR=" + empty.path().string() +
                            " does not hold the FEFF modules\n");
  EXPECT_EQ(entries_of(dir.path()), (Names{"feff.inp"}));
}

// A parent may leave SIGCHLD ignored, which would have the modules reaped
// unseen, their exit status lost.
TEST(FeffRun, SeesAModulesExitStatusWhenStartedWithChildSignalsIgnored) {
  FakeModules modules;
  modules.set("pot", ": > pot.pad; exit 3");
  test_support::TempDir dir;
  test_support::write_file(dir / "feff.inp", kInput);
  const auto result =
      test_support::run_program("/bin/bash", {"-c", "trap '' CHLD; exec " + kDriver}, dir.path());
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.err.substr(0, 38), " FEFF pot failed: exit status 3; see f");
}

// xsph runs until it is killed; it tells where it is first.
void make_xsph_hang(FakeModules& modules) {
  modules.set("xsph", "echo $$ > ../xsph.pid; exec sleep 30");
}

TEST(FeffRun, AStopSignalEndsTheModuleAndRemovesTheScratchFolder) {
  // The averager, when stopped, sends SIGTERM to the whole process group: the
  // module may end before the driver takes its own signal.
  for (int stop : {SIGTERM, SIGINT, SIGHUP, -SIGTERM}) {
    FakeModules modules;
    make_xsph_hang(modules);
    test_support::TempDir dir;
    test_support::write_file(dir / "feff.inp", kInput);
    BackgroundRun run(kDriver, dir.path());
    ASSERT_TRUE(wait_for_file(dir / "xsph.pid", std::chrono::seconds(20)));
    if (stop < 0) {
      kill(-run.pid(), -stop);
    } else {
      kill(run.pid(), stop);
    }
    const int status = run.wait(std::chrono::seconds(20));
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == std::abs(stop)) << stop;
    EXPECT_EQ(entries_of(dir.path()), (Names{"feff.inp", "xsph.pid"})) << stop;
  }
}

// Gone, or a zombie that nobody reaps: either way no longer running.
bool ended(const std::string& pid) {
  std::ifstream stat("/proc/" + pid + "/stat");
  std::string id, name, state;
  return !(stat >> id >> name >> state) || state == "Z";
}

TEST(FeffRun, TheFolderOfAKilledRunGoesWithTheNextRunAndAKeptOneStays) {
  FakeModules modules;
  make_xsph_hang(modules);
  test_support::TempDir dir;
  test_support::write_file(dir / "feff.inp", kInput);
  fs::create_directory(dir / "feff8l-failed-7");
  test_support::write_file(dir / "feff8l-failed-7" / "failure.txt", " FEFF xsph failed\n");
  BackgroundRun run(kDriver, dir.path());
  ASSERT_TRUE(wait_for_file(dir / "xsph.pid", std::chrono::seconds(20)));
  const std::string scratch = feff8l::scratch_folder_name(feff8l::this_host(), run.pid());
  kill(run.pid(), SIGKILL);
  run.wait(std::chrono::seconds(20));
  EXPECT_EQ(entries_of(dir.path()), (Names{"feff.inp", "feff8l-failed-7", scratch, "xsph.pid"}));
  // The module dies with the driver.
  std::string module_pid;
  std::ifstream(dir / "xsph.pid") >> module_pid;
  for (int tries = 0; tries < 500 && !ended(module_pid); ++tries) usleep(10000);
  EXPECT_TRUE(ended(module_pid));

  modules.set("xsph", ": > phase.pad");
  EXPECT_EQ(run_driver(dir).exit_code, 0);
  EXPECT_EQ(entries_of(dir.path()),
            (Names{"chi.dat", "feff.inp", "feff8l-failed-7", "xmu.dat", "xsph.pid"}));
}

}  // namespace
