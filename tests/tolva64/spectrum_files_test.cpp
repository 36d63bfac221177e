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
  write_spectrum_file(spectrum, "xt.001");
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

TEST_F(SpectrumFiles, PendingSpectrumAppearsOnlyWhenPublished) {
  write_pending_spectrum(Spectrum{{1.0}, {2.0}}, "xt.003");
  EXPECT_TRUE(fs::exists(".xt.003.partial"));
  EXPECT_FALSE(fs::exists("xt.003"));
  EXPECT_FALSE(cluster_done("003"));
  publish_pending_spectrum("xt.003");
  EXPECT_EQ(read_file("xt.003"), crlf(" 2.0000000000000000E+000    1.00000\n"));
  EXPECT_FALSE(fs::exists(".xt.003.partial"));

  write_pending_spectrum(Spectrum{{1.0}, {2.0}}, "mu.004");
  discard_pending_spectrum("mu.004");
  EXPECT_FALSE(fs::exists(".mu.004.partial"));
  EXPECT_FALSE(fs::exists("mu.004"));
}

TEST_F(SpectrumFiles, ClusterIsDoneWhenEitherFileExists) {
  EXPECT_EQ(chi_spectrum_name("1234"), "xt.1234");
  EXPECT_EQ(mu_spectrum_name("007"), "mu.007");
  test_support::write_file("mu.007", "");
  test_support::write_file("xt.008", "");
  EXPECT_TRUE(cluster_done("007"));
  EXPECT_TRUE(cluster_done("008"));
  EXPECT_FALSE(cluster_done("009"));
  fs::create_directory("xt.009");  // a directory is no result
  EXPECT_FALSE(cluster_done("009"));
}

}  // namespace
