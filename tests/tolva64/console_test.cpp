// The console lines that are built as text: the FEFF announcement, whose
// cluster number is blank-padded to three places and widens past 999.
#include <gtest/gtest.h>

#include "tolva64/console.hpp"

namespace {

TEST(Console, FeffAnnouncementPadsTheClusterNumber) {
  EXPECT_EQ(tolva64::feff_announcement(7, "md_7.xyz"),
            "*** Cluster #  7. FEFF started for the file: md_7.xyz.");
  EXPECT_EQ(tolva64::feff_announcement(1234, "a b.xyz "),
            "*** Cluster #1234. FEFF started for the file: a b.xyz .");
}

}  // namespace
