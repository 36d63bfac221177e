// kirne stopped by a full disk, then tolva64 in the same directory: the
// cluster that could not be written is missing, never short, so tolva64 runs
// the clusters before it and stops at its line instead of averaging an empty
// cluster as a spectrum of zeros.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_support.hpp"

namespace {

namespace fs = std::filesystem;
using test_support::read_file;
using test_support::write_file;

// Configuration k: the iron absorber at the origin and k oxygen atoms 1 A
// away, so cluster k takes 124 + 78 k bytes and the twelfth is the first
// past 1 KiB.
std::string growing_trajectory(int frames) {
  std::string text;
  for (int k = 1; k <= frames; ++k) {
    text += std::to_string(k + 1) + "\nf\nFe 0 0 0\n";
    for (int i = 0; i < k; ++i) text += "O 1 0 0\n";
  }
  return text;
}

TEST(KirneThenTolva64, ClusterLostToAFullDiskStopsTolva64AtItsLine) {
  test_support::TempDir dir;
  write_file(dir / "md.xyz", growing_trajectory(15));
  // Files may not grow past 1 KiB; an ignored SIGXFSZ turns that into a
  // failed write, as a full disk is.
  auto kirne = test_support::run_program(
      "/bin/bash", {"-c", "trap '' XFSZ; ulimit -f 1; exec \"$0\" \"$@\"", KIRNE_BIN, "md", "0",
                    "0", "2", "Fe", "0", "O"},
      dir.path());
  ASSERT_EQ(kirne.exit_code, 217) << kirne.out << kirne.err;
  ASSERT_EQ(read_file(dir / "conf.dat").substr(read_file(dir / "conf.dat").size() - 11),
            "md_12.xyz\r\n");
  EXPECT_FALSE(fs::exists(dir / "md_12.xyz"));

  write_file(dir / "pot.dat", " 0 0\n 1 1\n 2 2\n");
  write_file(dir / "feff.dat",
             " EDGE      K\n RMAX      6.0\n POTENTIALS\n     0  26  Fe\n     1  26  Fe\n"
             "     2   8  O\n ATOMS\n");
  fs::copy_file(FEFF_STANDIN_BIN, dir / "feff.exe");
  auto tolva64 = test_support::run_program(TOLVA64_BIN, {}, dir.path());
  EXPECT_EQ(tolva64.exit_code, 1) << tolva64.out << tolva64.err;
  const std::string stop = " Error at line    12 in file conf.dat\r\n";
  ASSERT_GE(tolva64.out.size(), stop.size());
  EXPECT_EQ(tolva64.out.substr(tolva64.out.size() - stop.size()), stop);
  EXPECT_TRUE(fs::exists(dir / "xt.011"));
  EXPECT_FALSE(fs::exists(dir / "xt.012"));
  EXPECT_FALSE(fs::exists(dir / "xt_tot.txt"));
}

}  // namespace
