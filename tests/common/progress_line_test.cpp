// The text of the progress line; the line itself only appears on a terminal.
#include "common/progress_line.hpp"

#include <gtest/gtest.h>

namespace {

TEST(ProgressText, CountsElapsedTimeAndTheEstimateLeft) {
  EXPECT_EQ(common::progress_text(0, 100, 0.4, "clusters"), " 0 of 100 clusters, 0:00 elapsed");
  // 25 done in 30 s: 75 more take 90 s.
  EXPECT_EQ(common::progress_text(25, 100, 30.0, "clusters"),
            " 25 of 100 clusters, 0:30 elapsed, about 1:30 left");
  EXPECT_EQ(common::progress_text(1, 3, 59.6, "frames"),
            " 1 of 3 frames, 1:00 elapsed, about 1:59 left");
  EXPECT_EQ(common::progress_text(8, 8, 3725.0, "clusters"), " 8 of 8 clusters, 62:05 elapsed");
}

}  // namespace
