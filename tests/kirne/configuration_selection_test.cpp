// Which configurations the skips select.
#include "kirne/configuration_selection.hpp"

#include <gtest/gtest.h>

#include <vector>

using namespace kirne;

namespace {

std::vector<int> used_of(int skip_first, int skip_between, int configurations) {
  ConfigurationSelection selection(skip_first, skip_between);
  std::vector<int> used;
  for (int number = 1; number <= configurations; ++number) {
    if (selection.use_next()) used.push_back(number);
  }
  return used;
}

}  // namespace

TEST(ConfigurationSelection, SkipsAtTheStartAndBetween) {
  EXPECT_EQ(used_of(0, 0, 3), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(used_of(0, 1, 5), (std::vector<int>{2, 4}));
  EXPECT_EQ(used_of(2, 3, 14), (std::vector<int>{6, 10, 14}));
  EXPECT_EQ(used_of(7, 0, 5), (std::vector<int>{}));
  EXPECT_EQ(used_of(0, -1, 5), (std::vector<int>{}));
  EXPECT_EQ(used_of(-3, 0, 2), (std::vector<int>{1, 2}));
}
