// End-to-end runs of tolva64 with FEFF in scratch directories: several FEFF
// runs at once, shards of the list, and a run killed half-way and started
// again, each held against a plain run of the same clusters.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "feo_workspace.hpp"
#include "tolva64_test_run.hpp"

namespace {

namespace fs = std::filesystem;
using test_support::crlf;
using namespace tolva64_test;

const std::string LATE_TYPE_DUMMY = crlf("  100.00000  100.00000  100.00000     1  Dummy atom\n");
const std::string NEVER_MET_DUMMY = crlf("  200.00000  200.00000  200.00000     2  Dummy atom\n");

std::string cluster_name(int k) { return "md_" + std::to_string(k) + ".xyz"; }

bool holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Per-cluster files only, without the averages.
std::map<std::string, std::string> cluster_files(std::map<std::string, std::string> results) {
  std::erase_if(results, [](const auto& entry) { return holds(entry.first, ".txt"); });
  return results;
}

TEST(ScratchRunE2e, TwoJobsWriteWhatThePlainRunWrites) {
  FeoWorkspace plain(60);
  FeoWorkspace parallel(60);
  auto plain_run = plain.run("plain", {});
  auto parallel_run = parallel.run("jobs", {"--jobs", "2"});
  ASSERT_EQ(plain_run.exit_code, 0) << plain_run.err;
  ASSERT_EQ(parallel_run.exit_code, 0) << parallel_run.err;

  // The plain run itself: FEFF's line right after the announcement, and the
  // dummy atom of type 3 up to the cluster that first holds that type.
  const std::string announcement = "*** Cluster #  7. FEFF started for the file: md_7.xyz.\n";
  EXPECT_TRUE(holds(plain_run.out, crlf(announcement) + "FEFF ran for md_7.xyz\n"));
  EXPECT_EQ(plain_run.err.substr(0, 45), "FEFF note on md_5.xyz\nFEFF note on md_15.xyz\n");
  auto inputs = plain.inputs("plain");
  ASSERT_EQ(inputs.size(), 60u);
  EXPECT_TRUE(holds(inputs["md_22.xyz"], LATE_TYPE_DUMMY + NEVER_MET_DUMMY + crlf(" END\n")));
  EXPECT_FALSE(holds(inputs["md_23.xyz"], LATE_TYPE_DUMMY));
  EXPECT_TRUE(holds(inputs["md_60.xyz"], NEVER_MET_DUMMY + crlf(" END\n")));

  EXPECT_EQ(parallel_run.out, plain_run.out);
  EXPECT_EQ(parallel_run.err, plain_run.err);
  EXPECT_EQ(parallel.inputs("jobs"), inputs);
  auto results = plain.results();
  EXPECT_EQ(results.size(), 182u);  // xt, mu and the record of 60 clusters; the averages
  EXPECT_EQ(parallel.results(), results);
  EXPECT_EQ(parallel.leftovers(), std::vector<std::string>{});
}

TEST(ScratchRunE2e, ResumedParallelRunMatchesResumedPlainRun) {
  // Cluster 23 done: the clusters after it keep the dummy atom of type 3,
  // as a plain run that skips it does. Cluster 3 is done too; cluster 10,
  // with only mu.010, is run again.
  FeoWorkspace plain(30);
  FeoWorkspace parallel(30);
  for (const char* done : {"xt.003", "mu.003", "mu.010", "xt.023", "mu.023"}) {
    test_support::write_file(plain / done, "");
    test_support::write_file(parallel / done, "");
  }
  auto plain_run = plain.run("plain", {});
  auto parallel_run = parallel.run("jobs", {"-j3"});
  ASSERT_EQ(plain_run.exit_code, 0);
  ASSERT_EQ(parallel_run.exit_code, 0);
  EXPECT_TRUE(holds(plain.inputs("plain")["md_24.xyz"], LATE_TYPE_DUMMY));
  EXPECT_EQ(plain.inputs("plain").size(), 28u);
  EXPECT_TRUE(holds(plain_run.out, crlf("File: md_10.xyz\n Cluster  10, md_10.xyz: only mu.010 "
                                         "is there; the cluster is run again.\n")));
  EXPECT_EQ(parallel_run.out, plain_run.out);
  EXPECT_EQ(parallel.inputs("jobs"), plain.inputs("plain"));
  EXPECT_EQ(parallel.results(), plain.results());
}

TEST(ScratchRunE2e, MissingClusterFileEndsTheRunAfterTheClustersBeforeIt) {
  FeoWorkspace plain(12);
  FeoWorkspace parallel(12);
  for (const FeoWorkspace* work : {&plain, &parallel}) fs::remove(*work / "md_8.xyz");
  auto plain_run = plain.run("plain", {});
  auto parallel_run = parallel.run("jobs", {"--jobs=4"});
  EXPECT_EQ(plain_run.exit_code, 1);
  EXPECT_EQ(parallel_run.exit_code, 1);
  EXPECT_TRUE(holds(plain_run.out, crlf(" Error at line     8 in file conf.dat\n")));
  EXPECT_EQ(parallel_run.out, plain_run.out);
  EXPECT_EQ(parallel.results().size(), 21u);  // clusters 1 to 7, no averages
  EXPECT_EQ(parallel.results(), plain.results());
}

TEST(ScratchRunE2e, KeptScratchDirectoryHoldsTheInputAndFeffsOutput) {
  FeoWorkspace work(2);
  ASSERT_EQ(work.run("kept", {"--keep-scratch", "-j", "2"}).exit_code, 0);
  fs::path scratch = work / "tolva64.scratch" / "002";
  EXPECT_EQ(test_support::read_file(scratch / "feff.inp"), work.inputs("kept")["md_2.xyz"]);
  EXPECT_EQ(test_support::read_file(scratch / "feff_stdout.txt"), "FEFF ran for md_2.xyz\n");
  EXPECT_EQ(test_support::read_file(scratch / "feff_stderr.txt"), "");
  // Converted and deleted, as in a plain run.
  EXPECT_FALSE(fs::exists(scratch / "chi.dat"));
  EXPECT_FALSE(fs::exists(scratch / "xmu.dat"));
  EXPECT_FALSE(fs::exists(work / "feff.inp"));
}

TEST(ScratchRunE2e, ShardsThenAverageGiveThePlainRunFromAFreshStart) {
  FeoWorkspace plain(40);
  FeoWorkspace sharded(40);
  ASSERT_EQ(plain.run("plain", {}).exit_code, 0);
  // Shard 2 holds cluster 23, where type 3 first occurs; shards 3 and 1 run
  // before it and must still see what the clusters before theirs do.
  for (const char* shard : {"3/3", "1/3", "2/3"}) {
    auto result = sharded.run("shards", {"--shard", shard, "--jobs", "2"});
    ASSERT_EQ(result.exit_code, 0) << shard << result.err;
  }
  EXPECT_EQ(sharded.inputs("shards"), plain.inputs("plain"));
  EXPECT_EQ(sharded.results(), cluster_files(plain.results()));

  auto average = sharded.run("average", {"--average"});
  ASSERT_EQ(average.exit_code, 0);
  EXPECT_TRUE(sharded.runs("average").empty());
  for (const char* total : {"xt_tot.txt", "mu_tot.txt"}) {
    EXPECT_EQ(sharded.results()[total], plain.results()[total]) << total;
  }
}

TEST(ScratchRunE2e, ShardPrintsItsOwnClustersAndComposesAsFromAFreshStart) {
  FeoWorkspace plain(26);
  FeoWorkspace sharded(26);
  ASSERT_EQ(plain.run("plain", {}).exit_code, 0);
  // Every cluster but 22 and 25 is done, 23 among them: its atoms of type 3
  // still end the dummy atom for 25, as in a run from a fresh start.
  plain.copy_results_to(sharded);
  for (const char* redo : {"xt.022", "mu.022", "xt.025", "mu.025"}) fs::remove(sharded / redo);
  fs::remove(sharded / "xt_tot.txt");
  fs::remove(sharded / "mu_tot.txt");
  auto result = sharded.run("again", {"--shard", "1/3"});
  ASSERT_EQ(result.exit_code, 0);
  std::string expected = banner();
  for (int k = 1; k <= 26; k += 3) {
    expected += file_lines(cluster_name(k));
    if (k == 22 || k == 25) {
      expected += crlf("*** Cluster # " + std::to_string(k) + ". FEFF started for the file: " +
                       cluster_name(k) + ".\n") +
                  "FEFF ran for " + cluster_name(k) + "\n";
    }
  }
  expected += crlf(" \n" + std::string(65, '_') + "\nCalculations done.\n" +
                   "Shard 1/3: per-cluster files only. Once every shard is done, run "
                   "tolva64 --average.\n");
  EXPECT_EQ(result.out, expected);
  EXPECT_EQ(sharded.runs("again"), (std::vector<std::string>{"md_22.xyz", "md_25.xyz"}));
  EXPECT_EQ(sharded.inputs("again")["md_22.xyz"], plain.inputs("plain")["md_22.xyz"]);
  EXPECT_EQ(sharded.inputs("again")["md_25.xyz"], plain.inputs("plain")["md_25.xyz"]);
  EXPECT_EQ(sharded.results(), cluster_files(plain.results()));
}

TEST(ScratchRunE2e, KilledRunStartedAgainRedoesNothingAndLosesNothing) {
  FeoWorkspace reference(50);
  ASSERT_EQ(reference.run("fresh", {}).exit_code, 0);
  const auto finished = cluster_files(reference.results());

  FeoWorkspace work(50);
  work.kill_tolva64_at("md_20.xyz");
  auto killed = work.run("first", {"--jobs", "2"});
  EXPECT_EQ(killed.exit_code, 128 + 9);
  // What the killed run left is whole: each file as the fresh run wrote it.
  auto left = work.results();
  EXPECT_GT(left.size(), 0u);
  EXPECT_LE(left.size(), 3 * 19u);
  EXPECT_EQ(left.count("xt_tot.txt"), 0u);
  for (const auto& [name, content] : left) EXPECT_EQ(content, finished.at(name)) << name;

  std::vector<std::string> not_done;
  for (int k = 1; k <= 50; ++k) {
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "%03d", k);
    if (!left.count(std::string("xt.") + suffix)) not_done.push_back(cluster_name(k));
  }
  // A plain run from the same state is what the second run must do.
  FeoWorkspace plain(50);
  work.copy_results_to(plain);
  auto plain_run = plain.run("resume", {});
  auto second = work.run("second", {"--jobs", "2"});
  ASSERT_EQ(second.exit_code, 0) << second.err;
  // Started in cluster order, but two runs may log in either order.
  auto started = work.runs("second");
  std::sort(started.begin(), started.end());
  std::sort(not_done.begin(), not_done.end());
  EXPECT_EQ(started, not_done);
  // The second run first clears what the killed one left (how much depends
  // on how far its FEFF runs got), then runs as the plain run does.
  const std::string cleared = " Cleared what an interrupted run left: ";
  std::string out = second.out;
  std::size_t at = banner().size();
  ASSERT_EQ(out.compare(at, cleared.size(), cleared), 0) << out;
  out.erase(at, out.find("\r\n", at) + 2 - at);
  EXPECT_EQ(out, plain_run.out);
  EXPECT_EQ(work.results(), plain.results());
  // The averages too are those of the run that was never killed.
  EXPECT_EQ(work.results(), reference.results());
  EXPECT_EQ(work.leftovers(), std::vector<std::string>{});
}

TEST(ScratchRunE2e, ScratchRootLinkedToAnotherDiskIsUsedAndKept) {
  FeoWorkspace plain(6);
  FeoWorkspace linked(6);
  fs::create_directory(linked / "disk");
  fs::create_directory_symlink(linked / "disk", linked / "tolva64.scratch");
  auto plain_run = plain.run("plain", {});
  auto linked_run = linked.run("jobs", {"--jobs", "2"});
  ASSERT_EQ(linked_run.exit_code, 0) << linked_run.err;
  EXPECT_EQ(linked_run.out, plain_run.out);
  EXPECT_EQ(linked.results(), plain.results());
  EXPECT_TRUE(fs::is_symlink(linked / "tolva64.scratch"));
  EXPECT_TRUE(fs::is_empty(linked / "disk"));
}

}  // namespace

// FEFF's logs of a failed cluster outlive its scratch directory, and go once
// the cluster has a result.
TEST(ScratchRunE2e, FailedClusterKeepsItsScratchDirectoryUntilItHasAResult) {
  RunDir dir;
  dir.write_cluster("md_1.xyz", "0 0 0 0\n");
  dir.write("conf.dat", "md_1.xyz\nmd_1.xyz\n");
  const std::string chi = chi_file("0.05 0.1\n");
  const std::string xmu = xmu_file("8979.0 -0.5 0.05 0.123 0.118 0.04\n");
  dir.plan_feff_runs({{chi, xmu}, {chi, xmu, 1}, {chi, xmu}});
  auto first = dir.run({"--jobs", "1"});
  EXPECT_EQ(first.exit_code, 3) << first.err;
  EXPECT_TRUE(holds(first.out, crlf(" Cluster   2, md_1.xyz: no FEFF result: FEFF exited with "
                                    "status 1; its files are kept in tolva64.kept/002.\n")));
  EXPECT_TRUE(dir.exists("tolva64.kept/002/feff.inp"));
  EXPECT_TRUE(dir.exists("tolva64.kept/002/feff_stdout.txt"));
  EXPECT_FALSE(dir.exists("tolva64.kept/001"));
  EXPECT_FALSE(dir.exists("tolva64.scratch"));

  auto second = dir.run({"--jobs", "1"});
  EXPECT_EQ(second.exit_code, 0) << second.err;
  EXPECT_TRUE(dir.exists("xt.002"));
  EXPECT_FALSE(dir.exists("tolva64.kept"));
}
