// What tolva64 says about itself: the version, and the values --help
// promises, written out here so that a change of a default shows.
#include <gtest/gtest.h>

#include "tolva64/help_text.hpp"

namespace {

bool holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(HelpText, VersionIsTheOneTheBannerShows) {
  EXPECT_EQ(tolva64::version_text(), "tolva64 4.2\n");
}

TEST(HelpText, StatesTheDefaultsAndLimitsTheRunUses) {
  const std::string help = tolva64::help_text();
  EXPECT_TRUE(holds(help, "  -j, --jobs N         up to N FEFF runs at once (1 to 512). Each runs "
                          "in its\n"));
  EXPECT_TRUE(holds(help, "      --tasks N        number of array tasks, i.e. shards (default: "
                          "the\n                       number of clusters, at most 10)\n"));
  EXPECT_TRUE(holds(help, "                       (default: 4)\n"));
  EXPECT_TRUE(holds(help, "      --version        shows the version\n"));
  EXPECT_FALSE(holds(help, "@"));
}

}  // namespace
