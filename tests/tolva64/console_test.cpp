// The console lines that are built as text: the FEFF announcement, whose
// cluster number is blank-padded to three places and widens past 999, and
// the count of the clusters averaged.
#include <gtest/gtest.h>

#include "tolva64/console.hpp"

namespace {

TEST(Console, FeffAnnouncementPadsTheClusterNumber) {
  EXPECT_EQ(tolva64::feff_announcement(7, "md_7.xyz"),
            "*** Cluster #  7. FEFF started for the file: md_7.xyz.");
  EXPECT_EQ(tolva64::feff_announcement(1234, "a b.xyz "),
            "*** Cluster #1234. FEFF started for the file: a b.xyz .");
}

TEST(Console, AveragedLineCountsTheClustersOfEarlierRuns) {
  EXPECT_EQ(tolva64::averaged_line(8, 8), "");
  EXPECT_EQ(tolva64::averaged_line(0, 0), "");
  EXPECT_EQ(tolva64::averaged_line(8, 5), " Averaged 8 clusters: 5 run now, 3 from earlier runs.");
  EXPECT_EQ(tolva64::averaged_line(2, 1),
            " Averaged 2 clusters: 1 run now, 1 from an earlier run.");
  EXPECT_EQ(tolva64::averaged_line(3, 0), " Averaged 3 clusters, all from earlier runs.");
  EXPECT_EQ(tolva64::averaged_line(1, 0), " Averaged 1 cluster, from an earlier run.");
}

}  // namespace
