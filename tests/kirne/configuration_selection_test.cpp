// Which configurations the skips select, and which type index an atom gets.
#include <gtest/gtest.h>

#include <vector>

#include "kirne/cluster_writer.hpp"
#include "kirne/configuration_loop.hpp"

using namespace kirne;

namespace {

std::vector<int> used_of(int skipfirst, int skip, int configurations) {
  static RunState state;
  state.SKIPFIRST = skipfirst;
  state.SKIP = skip;
  state.ISKIP = -1;
  std::vector<int> used;
  for (int ncl = 1; ncl <= configurations; ++ncl) {
    if (configuration_used(state)) {
      used.push_back(ncl);
      state.ISKIP = -1;
    }
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
}

TEST(TypeIndex, AbsorberZeroHighestEntryUnknownZero) {
  static RunState s;
  s.NPOT = 3;
  s.POTN[1] = "FE";
  s.POTN[2] = "O ";
  s.POTN[3] = "FE";
  s.NAT = 4;
  s.POT[1] = "FE";
  s.POT[2] = "O ";
  s.POT[3] = "ZR";
  s.POT[4] = "FE";
  s.NAT0 = 4;
  EXPECT_EQ(type_index(s, 1), 3);
  EXPECT_EQ(type_index(s, 2), 2);
  EXPECT_EQ(type_index(s, 3), 0);
  EXPECT_EQ(type_index(s, 4), 0);
}

TEST(ClusterFileName, SingleAndSeveralAbsorbers) {
  static RunState s;
  s.NAME = "md";
  s.NCLST = "7";
  EXPECT_EQ(cluster_file_name(s), "md_7.xyz");
  s.NCLST2 = "_12";
  EXPECT_EQ(cluster_file_name(s), "md_7_12.xyz");
}
