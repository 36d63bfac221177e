#include "common/words.hpp"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

using Words = std::vector<std::string_view>;

TEST(SplitWords, BlanksAndTabsSeparateEverythingElseBelongsToAWord) {
  EXPECT_EQ(common::split_words("  Fe\tO  Zr "), (Words{"Fe", "O", "Zr"}));
  EXPECT_EQ(common::split_words(" 0  29  Cu,x\r"), (Words{"0", "29", "Cu,x\r"}));
  EXPECT_EQ(common::split_words(" \t "), Words{});
  EXPECT_EQ(common::split_words(""), Words{});
}

}  // namespace
