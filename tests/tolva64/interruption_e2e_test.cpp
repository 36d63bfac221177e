// End-to-end runs of tolva64 stopped from outside: SIGTERM takes its FEFF
// runs with it; after SIGKILL the next run stops the FEFF left running, so a
// result it writes late is never taken for another cluster's; and a kill
// before any rename of a cluster's publication leaves a state that the next
// run completes to exactly the files of an uninterrupted run.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "tolva64_test_run.hpp"

namespace {

namespace fs = std::filesystem;
using test_support::crlf;
using namespace tolva64_test;

const std::string kChiRow = "0.05 0.012345\n";
const std::string kXmuRow = "8979.0 -0.5 0.05 0.123 0.118 0.04\n";

// True while the process exists and is no zombie.
bool running(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  if (!std::getline(stat, text)) return false;
  std::size_t close = text.rfind(')');
  return close != std::string::npos && close + 2 < text.size() && text[close + 2] != 'Z';
}

void use_script_as_feff(const RunDir& dir, const std::string& script) {
  fs::remove(dir / "feff.exe");
  dir.write("feff.exe", "#!/bin/sh\n" + script);
  fs::permissions(dir / "feff.exe", fs::perms::owner_all);
}

TEST(InterruptionRun, TerminationStopsTheRunningFeffFirst) {
  RunDir dir;
  dir.write_cluster("md_1.xyz", "0 0 0 0\n");
  dir.write("conf.dat", "md_1.xyz\n");
  // FEFF notes its process id, asks tolva64 to stop, and would run on for
  // half a minute; its child process shares its group.
  use_script_as_feff(dir, "sleep 30 &\necho $! > sleeper.pid\nkill -TERM $PPID\nwait\n");
  auto result = dir.run();
  EXPECT_EQ(result.exit_code, 128 + SIGTERM);
  pid_t sleeper = std::stoi(dir.read("sleeper.pid"));
  for (int tries = 0; tries < 200 && running(sleeper); ++tries) usleep(10000);
  EXPECT_FALSE(running(sleeper));
}

TEST(InterruptionRun, FeffLeftByAKilledRunCannotPassItsResultsOff) {
  RunDir dir;
  dir.write_cluster("md_1.xyz", "0 0 0 0\n");
  dir.write("conf.dat", "md_1.xyz\n");
  dir.write("late_chi", chi_file(kChiRow));
  dir.write("late_xmu", xmu_file(kXmuRow));
  // The first FEFF, once under way (tolva64 has noted it), kills tolva64
  // and leaves a process behind that writes its results a second later;
  // every later FEFF fails silently.
  use_script_as_feff(dir,
                     "if [ ! -e first ]; then\n"
                     "  touch first\n"
                     "  i=0\n"
                     "  while [ ! -e tolva64.feff.pgid ] && [ $i -lt 500 ]; do\n"
                     "    sleep 0.01; i=$((i + 1))\n"
                     "  done\n"
                     "  (sleep 1; cp late_chi chi.dat; cp late_xmu xmu.dat) >/dev/null 2>&1 &\n"
                     "  kill -KILL $PPID\n"
                     "  wait\n"
                     "fi\n");
  EXPECT_EQ(dir.run().exit_code, 128 + SIGKILL);
  auto second = dir.run();
  EXPECT_EQ(second.exit_code, 4);
  const std::string cleared =
      banner() + crlf(" Cleared what an interrupted run left: stopped 1 FEFF run.\n");
  EXPECT_EQ(second.out.substr(0, cleared.size()), cleared);
  EXPECT_NE(second.out.find(" Cluster   1, md_1.xyz: no FEFF result: FEFF wrote neither "
                            "chi.dat nor xmu.dat."),
            std::string::npos);
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  EXPECT_FALSE(dir.exists("chi.dat"));
  EXPECT_FALSE(dir.exists("xt.001"));
}

// Every file a run leaves that a reader takes for a result.
std::map<std::string, std::string> results(const RunDir& dir) {
  std::map<std::string, std::string> found;
  for (const char* name : {"xt.001", "mu.001", "made_from.001", "xt.002", "mu.002",
                           "made_from.002", "xt_tot.txt", "mu_tot.txt", "chi_avg.dat",
                           "mu_avg.dat", "tolva64.failed"}) {
    if (dir.exists(name)) found[name] = dir.read(name);
  }
  return found;
}

void set_up_two_clusters(RunDir& dir) {
  dir.write_cluster("md_1.xyz", "0 0 0 0\n");
  dir.write_cluster("md_2.xyz", "0 0 0 0\n1 1.5 0 0\n");
  dir.write("conf.dat", "md_1.xyz\nmd_2.xyz\n");
  dir.plan_feff({{chi_file(kChiRow), xmu_file(kXmuRow)}});
}

// The killed runs start from nothing, or from a cluster 2 that an earlier
// run left half done with another result: its old xt.002 must never stand
// beside the new mu.002 as if the two made a result.
void set_up_start(RunDir& dir, bool half_done) {
  set_up_two_clusters(dir);
  if (half_done) dir.write("xt.002", crlf(" 9.0000000000000000E+000    0.05000\n"));
}

TEST(InterruptionRun, KillBeforeEachRenameThenResumeGivesTheUninterruptedFiles) {
  if (!fs::exists("/usr/bin/strace")) GTEST_SKIP() << "needs strace to inject the kills";
  RunDir reference;
  set_up_two_clusters(reference);
  ASSERT_EQ(reference.run().exit_code, 0);
  const auto expected = results(reference);
  const std::string xt = crlf(" 1.2345000000000000E-002    0.05000\n");
  const std::string mu = crlf(" 1.2300000000000000E-001 8979.00000\n");
  for (const char* name : {"xt.001", "xt.002", "xt_tot.txt"}) EXPECT_EQ(expected.at(name), xt);
  for (const char* name : {"mu.001", "mu.002", "mu_tot.txt"}) EXPECT_EQ(expected.at(name), mu);

  for (bool half_done : {false, true}) {
    int kills = 0;
    for (int rename = 1; rename <= 40; ++rename) {
      RunDir dir;
      set_up_start(dir, half_done);
      const std::string inject = "inject=rename:signal=KILL:when=" + std::to_string(rename);
      // The leak checker of a sanitizer build cannot work under a tracer.
      auto killed = test_support::run_program(
          "/usr/bin/strace",
          {"-f", "-qq", "-o", "/dev/null", "-E", "ASAN_OPTIONS=detect_leaks=0", "-e", inject,
           TOLVA64_BIN},
          dir.path());
      if (killed.exit_code == 0) break;  // past the last rename of the run
      ASSERT_EQ(killed.exit_code, 128 + SIGKILL) << killed.err;
      ++kills;
      // The resumed run averages every cluster, those of the killed run too.
      auto resumed = dir.run();
      ASSERT_EQ(resumed.exit_code, 0) << "kill before rename " << rename << resumed.out;
      EXPECT_EQ(results(dir), expected) << "kill before rename " << rename << ", " << half_done;
      for (const fs::directory_entry& entry : fs::directory_iterator(dir.path())) {
        std::string name = entry.path().filename().string();
        EXPECT_EQ(name.find(".partial"), std::string::npos) << rename << ": " << name;
      }
    }
    // feff.inp, the FEFF record, the record, mu and xt of each cluster,
    // then the averages.
    EXPECT_GE(kills, 14) << half_done;
  }
}

}  // namespace
