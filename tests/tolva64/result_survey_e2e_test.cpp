// End-to-end runs over results made from other inputs: the record written
// beside each result, stale results run again and counted, a stale result
// that cannot be made again left out, shards that redo only their own, and
// --average, which leaves stale results out of the averages.
#include <gtest/gtest.h>

#include <filesystem>

#include "tolva64_test_run.hpp"

namespace {

namespace fs = std::filesystem;
using test_support::crlf;
using namespace tolva64_test;

const std::string kChiRow = "0.05 0.25\n";
const std::string kXmuRow = "8979.0 -0.5 0.05 0.5\n";
const std::string kXt = crlf(" 2.5000000000000000E-001    0.05000\n");
const std::string kMu = crlf(" 5.0000000000000000E-001 8979.00000\n");

// Two clusters whose FEFF results are the same rows, run once.
void run_two_clusters(RunDir& dir) {
  dir.write_cluster("md_1.xyz", "0 0 0 0\n");
  dir.write_cluster("md_2.xyz", "0 0 0 0\n1 1.5 0 0\n");
  dir.write("conf.dat", "md_1.xyz\nmd_2.xyz\n");
  dir.plan_feff({{chi_file(kChiRow), xmu_file(kXmuRow)}});
  ASSERT_EQ(dir.run().exit_code, 0);
}

TEST(ResultSurveyRun, EveryResultHasItsRecordBesideIt) {
  RunDir dir;
  run_two_clusters(dir);
  // The fingerprints of the cluster file's, pot.dat's and feff.dat's bytes,
  // worked out apart from tolva64.
  EXPECT_EQ(dir.read("made_from.001"),
            crlf("# tolva64: the inputs xt.<ext> and mu.<ext> were made from (FNV-1a, 64 bits)\n"
                 "cluster md_1.xyz\n"
                 "cluster_file ed4780b66bf71d66\n"
                 "pot.dat 87627381b7aabe95\n"
                 "feff.dat 4c8319fe26e8c7ef\n"
                 "left_out none\n"));
  EXPECT_TRUE(dir.exists("made_from.002"));
}

TEST(ResultSurveyRun, StaleResultsAreRunAgainAndCounted) {
  RunDir dir;
  run_two_clusters(dir);
  // kirne run again with other parameters: md_2.xyz is another cluster now.
  dir.write_cluster("md_2.xyz", "0 0 0 0\n1 2.5 0 0\n");
  auto changed_cluster = dir.run();
  EXPECT_EQ(changed_cluster.exit_code, 0);
  EXPECT_EQ(changed_cluster.out,
            banner() +
                crlf(" 1 of 2 clusters has results made from other inputs (changed: cluster "
                     "file); they are run again.\n") +
                file_lines("md_1.xyz") + file_lines("md_2.xyz") + feff_lines(2, "md_2.xyz", 3) +
                closing(true, true, " Averaged 2 clusters: 1 run now, 1 from an earlier run."));
  EXPECT_NE(dir.read("seen_feff_3.inp").find("    2.50000    0.00000    0.00000     1"),
            std::string::npos);

  // Another pot.dat and another feff.dat: every cluster again, and the
  // averages are the run's own.
  dir.write("pot.dat", "Type -> potential\n 0 0\n 1 1\n 2 2\n");
  dir.write("feff.dat", " EDGE K\n ATOMS\n");
  auto changed_inputs = dir.run();
  EXPECT_EQ(changed_inputs.exit_code, 0);
  EXPECT_EQ(changed_inputs.out,
            banner() +
                crlf(" 2 of 2 clusters have results made from other inputs (changed: pot.dat, "
                     "feff.dat); they are run again.\n") +
                file_lines("md_1.xyz") + feff_lines(1, "md_1.xyz", 4) + file_lines("md_2.xyz") +
                feff_lines(2, "md_2.xyz", 5) + closing(true, true));

  // Nothing changed since: nothing runs.
  auto unchanged = dir.run();
  EXPECT_EQ(unchanged.out, banner() + file_lines("md_1.xyz") + file_lines("md_2.xyz") +
                               closing(true, true, " Averaged 2 clusters, all from earlier runs."));
  EXPECT_EQ(dir.read("fake_feff.count"), "5");
  EXPECT_EQ(dir.read("xt_tot.txt"), kXt);
}

TEST(ResultSurveyRun, StaleResultThatCannotBeMadeAgainIsNoResult) {
  // A renamed cluster file of the same bytes is another cluster all the same.
  RunDir dir;
  run_two_clusters(dir);
  fs::copy_file(dir / "md_2.xyz", dir / "md_9.xyz");
  dir.write("conf.dat", "md_1.xyz\nmd_9.xyz\n");
  dir.plan_feff({{"", ""}});
  auto result = dir.run();
  EXPECT_EQ(result.exit_code, 3);
  EXPECT_EQ(result.out,
            banner() +
                crlf(" 1 of 2 clusters has results made from other inputs (changed: cluster "
                     "file); they are run again.\n") +
                file_lines("md_1.xyz") + file_lines("md_9.xyz") + feff_lines(2, "md_9.xyz", 3) +
                crlf(" Cluster   2, md_9.xyz: no FEFF result: FEFF wrote neither chi.dat nor "
                     "xmu.dat.\n") +
                closing(true, true, " Averaged 1 cluster, from an earlier run.") +
                crlf(" 1 of 2 clusters have no FEFF result: md_9.xyz\n"));
  EXPECT_FALSE(dir.exists("xt.002"));
  EXPECT_FALSE(dir.exists("mu.002"));
  EXPECT_EQ(dir.read("xt_tot.txt"), kXt);
  EXPECT_EQ(dir.read("tolva64.failed"), "md_9.xyz\r\n");
}

TEST(ResultSurveyRun, AverageLeavesStaleResultsOutAndComparesOnlyInputsThatAreThere) {
  RunDir dir;
  run_two_clusters(dir);
  dir.write_cluster("md_2.xyz", "0 0 0 0\n1 2.5 0 0\n");
  auto stale = dir.run({"--average"});
  EXPECT_EQ(stale.exit_code, 3);
  EXPECT_EQ(stale.out,
            banner() +
                crlf(" Line     2, md_2.xyz: xt.002 and mu.002 made from other inputs (changed: "
                     "cluster file), left out of the averages.\n"
                     " \n" + std::string(65, '_') + "\n"
                     "Averaged 1 chi(k) and 1 mu(E) files.\n"
                     "See the file XT_TOT.TXT for the result.\n"
                     "See XT_STD.TXT for the standard deviation and XT_SEM.TXT for the standard "
                     "error of the mean.\n"
                     "See the file MU_TOT.TXT for the result.\n"
                     "See MU_STD.TXT for the standard deviation and MU_SEM.TXT for the standard "
                     "error of the mean.\n"
                     " 1 of 2 clusters have no FEFF result: md_2.xyz\n"));
  // Results moved away from their inputs are averaged as they are.
  for (const char* input : {"md_2.xyz", "pot.dat", "feff.dat"}) fs::remove(dir / input);
  auto moved = dir.run({"--average"});
  EXPECT_EQ(moved.exit_code, 0);
  EXPECT_NE(moved.out.find("Averaged 2 chi(k) and 2 mu(E) files."), std::string::npos);
}

TEST(ResultSurveyRun, ShardRedoesOnlyItsOwnStaleClusters) {
  RunDir dir;
  run_two_clusters(dir);
  dir.write("pot.dat", " 0 0\n 1 1\n 2 2\n 3 3\n");
  auto shard = dir.run({"--shard", "1/2"});
  EXPECT_EQ(shard.exit_code, 0);
  EXPECT_EQ(shard.out,
            banner() +
                crlf(" 1 of 1 cluster has results made from other inputs (changed: pot.dat); "
                     "they are run again.\n") +
                file_lines("md_1.xyz") + feff_lines(1, "md_1.xyz", 3) +
                crlf(" \n" + std::string(65, '_') + "\nCalculations done.\n"
                     "Shard 1/2: per-cluster files only. Once every shard is done, run "
                     "tolva64 --average.\n"));
  // Cluster 2 is shard 2's: still there, still stale, so --average leaves it out.
  EXPECT_TRUE(dir.exists("xt.002"));
  EXPECT_EQ(dir.run({"--average"}).exit_code, 3);
  EXPECT_EQ(dir.run({"--shard", "2/2", "-j", "2"}).exit_code, 0);
  EXPECT_EQ(dir.run({"--average"}).exit_code, 0);
  EXPECT_EQ(dir.read("fake_feff.count"), "4");
}

TEST(ResultSurveyRun, ParallelRunRedoesWhatThePlainRunRedoes) {
  RunDir plain;
  RunDir parallel;
  for (RunDir* dir : {&plain, &parallel}) {
    run_two_clusters(*dir);
    dir->write_cluster("md_1.xyz", "0 0 0 0\n2 1.5 0 0\n");
  }
  auto plain_run = plain.run();
  auto parallel_run = parallel.run({"--jobs", "2"});
  EXPECT_EQ(parallel_run.exit_code, 0);
  EXPECT_EQ(parallel_run.out, plain_run.out);
  EXPECT_EQ(parallel_run.out.substr(banner().size(), 30), " 1 of 2 clusters has results m");
  EXPECT_EQ(parallel.read("made_from.001"), plain.read("made_from.001"));
  EXPECT_EQ(parallel.read("xt_tot.txt"), kXt);
}

}  // namespace
