// The clusters without a FEFF result: their lines, the closing summary, the
// list file and the exit code.
#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.hpp"
#include "tolva64/failed_clusters.hpp"

namespace {

namespace fs = std::filesystem;
using namespace tolva64;

TEST(FailedClusters, LinesNameTheClusterAndWhy) {
  EXPECT_EQ(failure_line(3, "md_3.xyz", "FEFF exited with status 1"),
            " Cluster   3, md_3.xyz: no FEFF result: FEFF exited with status 1.");
  EXPECT_EQ(summary_line(12, {"md_3.xyz", "md_5.xyz"}),
            " 2 of 12 clusters have no FEFF result: md_3.xyz, md_5.xyz");
  EXPECT_EQ(summary_line(1, {"a.xyz"}), " 1 of 1 cluster has no FEFF result: a.xyz");
  std::vector<std::string> eleven;
  for (int i = 1; i <= 11; ++i) eleven.push_back(std::to_string(i));
  EXPECT_EQ(summary_line(40, eleven),
            " 11 of 40 clusters have no FEFF result: 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, ...");
  EXPECT_EQ(failed_list_name(std::nullopt), "tolva64.failed");
  EXPECT_EQ(failed_list_name(Shard{2, 4}), "tolva64.failed.2of4");
}

TEST(FailedClusters, ExitCodeSaysWhetherAnyOrAllLackResults) {
  FailedClusters none("x");
  EXPECT_EQ(none.exit_code(), 0);  // an empty list: nothing lacks results
  FailedClusters some("x");
  for (int i = 0; i < 3; ++i) some.count_cluster();
  EXPECT_EQ(some.exit_code(), 0);
  some.add("a");
  EXPECT_EQ(some.exit_code(), 3);
  some.add("b");
  some.add("c");
  EXPECT_EQ(some.exit_code(), 4);
}

TEST(FailedClusters, ListFileHoldsEveryNameAndGoesWhenNoneFails) {
  test_support::TempDir dir;
  const std::string list = (dir / "tolva64.failed").string();
  FailedClusters failed(list);
  for (int i = 0; i < 12; ++i) failed.count_cluster();
  for (int i = 1; i <= 11; ++i) failed.add("md_" + std::to_string(i) + ".xyz");
  failed.close();
  std::string expected;
  for (int i = 1; i <= 11; ++i) expected += "md_" + std::to_string(i) + ".xyz\r\n";
  EXPECT_EQ(test_support::read_file(list), expected);
  FailedClusters clean(list);
  clean.count_cluster();
  clean.close();
  EXPECT_FALSE(fs::exists(list));
}

}  // namespace
