// The cluster list conf.dat: the lines the writer adds, the clusters the
// reader gives with their line numbers, and the suffixes made from them.
#include "common/cluster_list.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "test_support.hpp"

namespace {

using test_support::TempDir;

std::vector<common::ClusterEntry> read_all(const std::string& path) {
  common::ClusterListReader list(path);
  std::vector<common::ClusterEntry> entries;
  while (std::optional<common::ClusterEntry> entry = list.next()) entries.push_back(*entry);
  list.close();
  return entries;
}

TEST(ClusterList, WriterEndsEveryNameWithCrLf) {
  TempDir dir;
  const std::string path = (dir / "conf.dat").string();
  common::ClusterListWriter writer(path);
  writer.add("md_1.xyz");
  writer.add("md 2.xyz ");
  writer.close();
  EXPECT_EQ(test_support::read_file(path), "md_1.xyz\r\nmd 2.xyz \r\n");
}

TEST(ClusterList, BlankLinesArePassedOverAndKeepTheirNumbers) {
  // An empty line, a line of a blank and a tab, a name with a trailing blank
  // (a name all the same), LF and CR LF line ends, and two line ends at the
  // very end.
  TempDir dir;
  const std::string path = (dir / "conf.dat").string();
  test_support::write_file(path, "a.xyz\r\n\r\n \t\nb.xyz \nc.xyz\r\n\n");
  std::vector<common::ClusterEntry> entries = read_all(path);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].number, 1);
  EXPECT_EQ(entries[0].name, "a.xyz");
  EXPECT_EQ(entries[1].number, 4);
  EXPECT_EQ(entries[1].name, "b.xyz ");
  EXPECT_EQ(entries[2].number, 5);
  EXPECT_EQ(entries[2].name, "c.xyz");
  EXPECT_EQ(common::count_clusters(path), 3);

  test_support::write_file(path, "\n\n  \n");
  EXPECT_TRUE(read_all(path).empty());
  EXPECT_EQ(common::count_clusters(path), 0);
}

TEST(ClusterList, OnlyBlanksAndTabsMakeABlankLine) {
  EXPECT_TRUE(common::is_blank_line(""));
  EXPECT_TRUE(common::is_blank_line(" \t \t"));
  EXPECT_FALSE(common::is_blank_line(" x"));
  EXPECT_FALSE(common::is_blank_line("\v"));
}

TEST(ClusterList, SuffixIsTheNumberPaddedWithZerosToThreeDigits) {
  EXPECT_EQ(common::cluster_suffix(1), "001");
  EXPECT_EQ(common::cluster_suffix(7), "007");
  EXPECT_EQ(common::cluster_suffix(42), "042");
  EXPECT_EQ(common::cluster_suffix(999), "999");
  EXPECT_EQ(common::cluster_suffix(1234), "1234");
}

}  // namespace
