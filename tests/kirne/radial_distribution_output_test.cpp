// g(r) files: normalisation by density and shell volume, running counts.
#include "kirne/radial_distribution_output.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "common/number_layout.hpp"
#include "test_support.hpp"

using namespace kirne;

TEST(RadialDistribution, DensitiesLeaveTheAbsorberOut) {
  DensitySums d;
  std::vector<std::int64_t> counts(kMaxTypes + 1, 0);
  counts[1] = 3, counts[2] = 5;
  add_absorber_densities(counts, 1, 2.0, d);
  add_absorber_densities(counts, 1, 2.0, d);
  EXPECT_EQ(d.absorbers, 2.0);
  EXPECT_EQ(d.all_types, 7.0);   // (8 - 1) / 2, twice
  EXPECT_EQ(d.by_type[1], 2.0);  // (3 - 1) / 2, twice
  EXPECT_EQ(d.by_type[2], 5.0);
  EXPECT_EQ(count_types({1, 1, 2, 0}), (std::vector<std::int64_t>{1, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0,
                                                                  0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

// Two absorbers, 4 neighbours in bin 2 (r = 0.02): g = 4 / (1.0 * V) with V
// the shell from 0.015 to 0.025; n(r) = 4 / 2 from r = 0.02 on.
TEST(RadialDistribution, RowsOfGAndRunningCount) {
  test_support::TempDir dir;
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  Histograms h;
  h.row_limit = 0.03;
  h.g2[2] = 4.0;
  h.partial[2][2] = 4.0;
  h.densities.absorbers = 2.0;
  h.densities.all_types = 1.0;
  h.densities.by_type[2] = 0.5;
  write_radial_distributions(h, "CU", {"CU", "O "});
  std::filesystem::current_path(previous);
  const double shell =
      4.0 / 3.0 * 3.14159265358979323846 * (0.025 * 0.025 * 0.025 - 0.015 * 0.015 * 0.015);
  // Each field follows one blank; the default layout brings its own sign blank.
  const std::string zero = "  0.0000000000000000E+000", two = "  2.0000000000000000E+000";
  auto rows = [&](double density) {
    return "# r g(r) n(r)\r\n   0.01000" + zero + zero + "\r\n   0.02000 " +
           common::default_layout(4.0 / (density * shell)) + two + "\r\n   0.03000" + zero + two +
           "\r\n";
  };
  EXPECT_EQ(test_support::read_file(dir / "gr_tot.txt"), rows(1.0));
  EXPECT_EQ(test_support::read_file(dir / "gr_CU-O.txt"), rows(0.5));
  EXPECT_EQ(test_support::read_file(dir / "gr_CU-CU.txt"),
            "# r g(r) n(r)\r\n   0.01000" + zero + zero + "\r\n   0.02000" + zero + zero +
                "\r\n   0.03000" + zero + zero + "\r\n");
}
