// The cluster file and its conf.dat line, written into a fresh directory.
#include "kirne/cluster_writer.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "kirne/type_table.hpp"
#include "test_support.hpp"

using namespace kirne;
using test_support::read_file;

namespace {

class ClusterWriter : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
  }
  void TearDown() override { std::filesystem::current_path(previous_); }

  test_support::TempDir dir_;
  std::filesystem::path previous_;
};

Frame frame_of(const std::vector<Symbol>& symbols, const std::vector<double>& x) {
  Frame frame;
  frame.number = 7;
  frame.label = "7";
  frame.comment = "t=1.5 ps";
  frame.resize(static_cast<std::int32_t>(symbols.size()));
  frame.symbols = symbols;
  frame.x = x;
  return frame;
}

}  // namespace

TEST(ClusterFileName, SingleAndSeveralAbsorbers) {
  Frame frame;
  frame.label = "7";
  Absorber absorber;
  EXPECT_EQ(cluster_file_name("md", frame, absorber), "md_7.xyz");
  absorber.label = "_12";
  EXPECT_EQ(cluster_file_name("md", frame, absorber), "md_7_12.xyz");
}

// Atom 2 is the absorber at x = 1. Atom 1 lies exactly at Rmax = 1.5 (kept),
// atom 4 0.25 beyond it, atom 5 as far as a trajectory may place it (no
// frame with a NaN reaches the writer: the readers stop on it). Atom 3 is
// iron like the absorber and keeps its index; the unknown ZR gets 0.
TEST_F(ClusterWriter, AtomsWithinRmaxInOrderThenThePlaceholders) {
  Frame frame = frame_of({"O ", "FE", "FE", "O ", "O ", "ZR"}, {-0.5, 1.0, 2.0, 2.75, -1e6, 1.5});
  RunParameters parameters;
  parameters.base_name = "md";
  parameters.types = {"FE", "O "};
  parameters.cluster_radius_squared = 2.25;
  Absorber absorber;
  absorber.number = 2;
  absorber.label = "_2";
  absorber.x = 1.0;
  common::ClusterListWriter list("conf.dat");
  Neighbourhood around;
  NeighbourSearch(frame, nullptr, search_radius(1.5)).find(absorber.index(), around);
  write_cluster(parameters, frame, around, type_indices(frame.symbols, parameters.types), absorber,
                list);
  list.close();
  EXPECT_EQ(read_file("conf.dat"), "md_7_2.xyz\r\n");
  EXPECT_EQ(read_file("md_7_2.xyz"),
            "# Cluster: 7_2. t=1.5 ps\r\n"
            "2 -1.5000000000000000E+000  0.0000000000000000E+000  0.0000000000000000E+000\r\n"
            "0  0.0000000000000000E+000  0.0000000000000000E+000  0.0000000000000000E+000\r\n"
            "1  1.0000000000000000E+000  0.0000000000000000E+000  0.0000000000000000E+000\r\n"
            "0  5.0000000000000000E-001  0.0000000000000000E+000  0.0000000000000000E+000\r\n"
            "1 100 100 10\r\n"
            "2 100 100 20\r\n");
  EXPECT_FALSE(std::filesystem::exists(".md_7_2.xyz.partial"));
}
