// tolva64's spectrum files: the row layout, reading them back to the same
// values, the publication under a temporary name, and the done test.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "test_support.hpp"
#include "tolva64/spectrum_files.hpp"

namespace {

namespace fs = std::filesystem;
using test_support::crlf;
using test_support::read_file;
using test_support::TempDir;
using namespace tolva64;

// Runs the test body with the temporary directory as the current one, as
// the per-cluster names are relative to it.
class InRunDirectory : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = fs::current_path();
    fs::current_path(dir_.path());
  }
  void TearDown() override { fs::current_path(old_); }
  TempDir dir_;
  fs::path old_;
};

using SpectrumFiles = InRunDirectory;

TEST_F(SpectrumFiles, RowsHoldTheValueThenTheGridToFiveDecimals) {
  Spectrum spectrum{{0.05, 10512.435, 0.0}, {0.012345, -0.0071, 0.0}};
  publish_spectrum_file(spectrum, "xt.001");
  EXPECT_EQ(read_file("xt.001"), crlf(" 1.2345000000000000E-002    0.05000\n"
                                      "-7.1000000000000004E-003 10512.43500\n"
                                      " 0.0000000000000000E+000    0.00000\n"));
}

TEST_F(SpectrumFiles, ReadingBackGivesTheSameValuesAndTheGridAsPrinted) {
  Spectrum spectrum{{0.1 + 0.2, 8979.123456}, {1.0 / 3.0, -2.0 / 7.0}};
  publish_spectrum_file(spectrum, "mu.002");
  EXPECT_FALSE(fs::exists(".mu.002.partial"));
  Spectrum back = read_spectrum_file("mu.002");
  EXPECT_EQ(back.value, spectrum.value);
  EXPECT_EQ(back.grid, (std::vector<double>{0.3, 8979.12346}));
}

TEST_F(SpectrumFiles, ClusterSpectraReplaceLeftoversAndPlantedLinks) {
  // A stale temporary file and a link planted under the other temporary
  // name: neither the link nor its target is written through.
  test_support::write_file("victim", "kept");
  fs::create_symlink("victim", ".mu.003.partial");
  test_support::write_file(".xt.003.partial", "stale");
  test_support::write_file("xt.003", "an earlier result");
  publish_cluster_spectra(Spectrum{{1.0}, {2.0}}, Spectrum{{8979.0}, {0.5}}, "003",
                          {"made_from.003", "record\r\n"});
  EXPECT_EQ(read_file("xt.003"), crlf(" 2.0000000000000000E+000    1.00000\n"));
  EXPECT_EQ(read_file("mu.003"), crlf(" 5.0000000000000000E-001 8979.00000\n"));
  EXPECT_EQ(read_file("made_from.003"), "record\r\n");
  EXPECT_EQ(read_file("victim"), "kept");
  EXPECT_FALSE(fs::exists(fs::symlink_status(".mu.003.partial")));
  EXPECT_FALSE(fs::exists(".xt.003.partial"));
  EXPECT_FALSE(fs::exists(".made_from.003.partial"));
  EXPECT_EQ(cluster_state("003"), ClusterState::Done);
}

TEST_F(SpectrumFiles, WithdrawnClusterIsNoLongerDone) {
  publish_cluster_spectra(Spectrum{{1.0}, {2.0}}, Spectrum{{8979.0}, {0.5}}, "004",
                          {"made_from.004", ""});
  withdraw_cluster_spectra("004");
  EXPECT_EQ(cluster_state("004"), ClusterState::NotRun);
  withdraw_cluster_spectra("005");  // nothing to withdraw is no fault
}

TEST_F(SpectrumFiles, ClusterIsDoneOnlyWithBothFiles) {
  EXPECT_EQ(chi_spectrum_name("1234"), "xt.1234");
  EXPECT_EQ(mu_spectrum_name("007"), "mu.007");
  test_support::write_file("mu.007", "");
  test_support::write_file("xt.008", "");
  test_support::write_file("xt.010", "");
  test_support::write_file("mu.010", "");
  EXPECT_EQ(cluster_state("007"), ClusterState::HalfDone);
  EXPECT_EQ(lone_spectrum_file("007"), "mu.007");
  EXPECT_EQ(cluster_state("008"), ClusterState::HalfDone);
  EXPECT_EQ(lone_spectrum_file("008"), "xt.008");
  EXPECT_FALSE(cluster_done("008"));
  EXPECT_EQ(cluster_state("009"), ClusterState::NotRun);
  EXPECT_TRUE(cluster_done("010"));
  fs::create_directory("xt.009");  // a directory is no result
  test_support::write_file("mu.009", "");
  EXPECT_EQ(cluster_state("009"), ClusterState::HalfDone);
}

}  // namespace
