// The averages at the end of a run: over the run's own sums when every
// cluster with results ran now, otherwise over every cluster's files.
#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.hpp"
#include "tolva64/result_totals.hpp"

namespace {

namespace fs = std::filesystem;
using test_support::crlf;
using test_support::read_file;
using test_support::write_file;
using namespace tolva64;

class ResultTotals : public ::testing::Test {
 protected:
  // Cluster 1 from an earlier run; cluster 2 run now, its sums in `run`.
  void SetUp() override {
    old_ = fs::current_path();
    fs::current_path(dir_.path());
    write_file("conf.dat", "a.xyz\nb.xyz\nc.xyz\n");
    write_file("xt.001", crlf(" 1.0000000000000000E+000    0.05000\n"));
    write_file("mu.001", crlf(" 4.0000000000000000E+000 8979.00000\n"));
    write_file("xt.002", crlf(" 3.0000000000000000E+000    0.05000\n"));
    write_file("mu.002", crlf(" 8.0000000000000000E+000 8979.00000\n"));
    add_chi(run_, Spectrum{{0.05}, {3.0}});
    add_mu(run_, Spectrum{{8979.0}, {8.0}});
  }
  void TearDown() override { fs::current_path(old_); }

  test_support::TempDir dir_;
  fs::path old_;
  SpectrumTotals run_;
};

TEST_F(ResultTotals, ClustersOfEarlierRunsAreReadBackInListOrder) {
  AveragedClusters averaged = write_list_averages(RunFiles(), run_, 1);
  EXPECT_EQ(averaged.total, 2);
  EXPECT_EQ(averaged.run_now, 1);
  // (1 + 3) / 2 and (4 + 8) / 2.
  EXPECT_EQ(read_file("xt_tot.txt"), crlf(" 2.0000000000000000E+000    0.05000\n"));
  EXPECT_EQ(read_file("mu_tot.txt"), crlf(" 6.0000000000000000E+000 8979.00000\n"));
}

TEST_F(ResultTotals, RunThatRanEveryClusterAveragesItsOwnSums) {
  AveragedClusters averaged = write_list_averages(RunFiles(), run_, 0);
  EXPECT_EQ(averaged.total, 1);
  EXPECT_EQ(averaged.run_now, 1);
  EXPECT_EQ(read_file("xt_tot.txt"), crlf(" 3.0000000000000000E+000    0.05000\n"));
}

}  // namespace
