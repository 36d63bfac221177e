// The tables as files: rows, values, names and the progress lines. Every
// expected row is spelled out here from its bin number, not by the layouts.
#include "kirne/distribution_output.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/text_output.hpp"
#include "expected_tables.hpp"
#include "test_support.hpp"

namespace {

using test_support::read_file;

using expected::table;

class DistributionOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
    h_->row_limit = 8.0;
  }
  void TearDown() override { std::filesystem::current_path(previous_); }

  // Runs the output step and returns what it said on standard output.
  std::string save() {
    ::testing::internal::CaptureStdout();
    kirne::write_distribution_tables(*h_, choice_, scale_, absorber_symbol_, types_);
    common::TextOutput::standard_output().flush();
    return ::testing::internal::GetCapturedStdout();
  }
  bool exists(const std::string& name) const { return std::filesystem::exists(dir_ / name); }
  std::string file(const std::string& name) const { return read_file(dir_ / name); }

  test_support::TempDir dir_;
  std::filesystem::path previous_;
  std::unique_ptr<kirne::Histograms> h_ = std::make_unique<kirne::Histograms>();
  kirne::DistributionChoice choice_;
  kirne::TableScale scale_{1, 1};
  kirne::Symbol absorber_symbol_ = "FE";
  std::vector<kirne::Symbol> types_{"FE", "O "};
};

TEST_F(DistributionOutput, TenConfigurationsOfFourAbsorbersTurn80CountsInto200) {
  scale_ = {10, 4}, choice_.g2 = true;
  h_->g2[250] = 80.0;  // 80 / 10 / 0.01 / 4
  h_->g2[354] = 40.0;  // 40 / 10 / 0.01 / 4
  h_->g2[801] = 99.0;  // 8.01 A lies past the row limit
  EXPECT_EQ(save(), "Saving G2 (RDF). \r\nSaving p-RDF. \r\n");
  EXPECT_EQ(file("g2_tot.txt"),
            table(800, {{250, " 2.0000000000000000E+002"}, {354, " 1.0000000000000000E+002"}}));
  EXPECT_FALSE(exists("g3_tot.txt"));
  EXPECT_FALSE(exists("g4_tot.txt"));
}

TEST_F(DistributionOutput, EveryTypeGetsAPartialFileNamedWithoutPaddingBlanks) {
  choice_.g2 = true;
  h_->partial[2][100] = 20.0;  // 20 / 1 / 0.01 / 1
  h_->partial[3][100] = 5.0;   // a row past the type table is no type
  save();
  EXPECT_EQ(file("g2_FE-FE.txt"), table(800));
  EXPECT_EQ(file("g2_FE-O.txt"), table(800, {{100, " 2.0000000000000000E+003"}}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 3);

  absorber_symbol_ = "O ";
  save();
  EXPECT_TRUE(exists("g2_O-FE.txt"));
  EXPECT_TRUE(exists("g2_O-O.txt"));
}

TEST_F(DistributionOutput, RowsStopAtTheRowLimit) {
  choice_.g2 = true;
  const std::vector<std::pair<double, int>> rows = {
      {8.0, 800}, {0.005, 0},   {-6.0, 0},   {std::numeric_limits<double>::quiet_NaN(), 0},
      {0.01, 1},  {2.999, 299}, {60.0, 5000}};
  for (const auto& [maxr, count] : rows) {
    h_->row_limit = maxr;
    save();
    EXPECT_EQ(file("g2_tot.txt"), table(count)) << "row limit " << maxr;
  }
  EXPECT_EQ(file("g2_FE-O.txt").substr(5000 * 37 - 12), "  50.00000\r\n");
}

TEST_F(DistributionOutput, PathTablesAloneWithTheirOwnProgressLines) {
  choice_.g3 = true, choice_.g4 = true, h_->row_limit = 1.0;
  h_->g3[7] = 3.0, h_->g4[100] = 1.0, h_->g2[7] = 1.0;
  EXPECT_EQ(save(), "Saving G3. \r\nSaving G4. \r\n");
  EXPECT_EQ(file("g3_tot.txt"), table(100, {{7, " 3.0000000000000000E+002"}}));
  EXPECT_EQ(file("g4_tot.txt"), table(100, {{100, " 1.0000000000000000E+002"}}));
  EXPECT_FALSE(exists("g2_tot.txt"));
  EXPECT_FALSE(exists("g2_FE-FE.txt"));
}

TEST_F(DistributionOutput, NothingToNormaliseByGivesRowsOfZeros) {
  choice_.g2 = true, choice_.g3 = true;
  scale_.configurations_used = 0;  // no configuration used: nothing was counted
  save();
  EXPECT_EQ(file("g2_tot.txt"), table(800));
  EXPECT_EQ(file("g3_tot.txt"), table(800));

  scale_ = {3, 0};  // the last used configuration held no absorber
  h_->g2[200] = 12.0;
  save();
  EXPECT_EQ(file("g2_tot.txt"), table(800));
  EXPECT_EQ(file("g2_FE-FE.txt"), table(800));
}

TEST_F(DistributionOutput, NoChoiceWritesNothing) {
  EXPECT_EQ(save(), "");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 0);
}

}  // namespace
