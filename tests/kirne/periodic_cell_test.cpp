// Cells, fractions, widths and minimum images.
#include "kirne/periodic_cell.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace kirne;

namespace {

// The shortest image by brute force over a wide block of lattice shifts.
Vector3 shortest_image(const PeriodicCell& cell, const Vector3& d) {
  Vector3 best = d;
  double best_length = length_squared(d);
  for (int i = -4; i <= 4; ++i) {
    for (int j = -4; j <= 4; ++j) {
      for (int k = -4; k <= 4; ++k) {
        const double n[3] = {double(i), double(j), double(k)};
        const Vector3 image = cell.shifted(d, n);
        if (length_squared(image) < best_length) best = image, best_length = length_squared(image);
      }
    }
  }
  return best;
}

}  // namespace

TEST(PeriodicCell, OrthorhombicWidthsVolumeAndFractions) {
  const auto cell = PeriodicCell::orthorhombic(10.0, 12.0, 8.0);
  ASSERT_TRUE(cell.has_value());
  EXPECT_DOUBLE_EQ(cell->volume(), 960.0);
  EXPECT_DOUBLE_EQ(cell->widths()[0], 10.0);
  EXPECT_DOUBLE_EQ(cell->widths()[1], 12.0);
  EXPECT_DOUBLE_EQ(cell->smallest_width(), 8.0);
  const Vector3 f = cell->fractional({5.0, -3.0, 16.0});
  EXPECT_DOUBLE_EQ(f.x, 0.5);
  EXPECT_DOUBLE_EQ(f.y, -0.25);
  EXPECT_DOUBLE_EQ(f.z, 2.0);
  // 9.9 - 0.1 along x lies 0.2 away through the face.
  const Vector3 d = cell->minimum_image({9.8, 11.6, 7.6});
  EXPECT_NEAR(d.x, -0.2, 1e-12);
  EXPECT_NEAR(d.y, -0.4, 1e-12);
  EXPECT_NEAR(d.z, -0.4, 1e-12);
}

// A tilted cell's width is its volume over the opposite face's area: here
// the c vector leans over, but the distance between the ab faces stays 5.
TEST(PeriodicCell, TiltedWidthsAndFlatCellsRefused) {
  const auto cell = PeriodicCell::from_edges({4, 0, 0}, {0, 6, 0}, {3, 2, 5});
  ASSERT_TRUE(cell.has_value());
  EXPECT_DOUBLE_EQ(cell->volume(), 120.0);
  EXPECT_DOUBLE_EQ(cell->widths()[2], 5.0);
  // b x c = (30, 0, -18), c x a = (0, 20, -8).
  EXPECT_DOUBLE_EQ(cell->widths()[0], 120.0 / std::sqrt(1224.0));
  EXPECT_DOUBLE_EQ(cell->widths()[1], 120.0 / std::sqrt(464.0));
  EXPECT_FALSE(PeriodicCell::from_edges({1, 0, 0}, {2, 0, 0}, {0, 0, 1}).has_value());
  EXPECT_FALSE(PeriodicCell::orthorhombic(10, 0, 10).has_value());
  EXPECT_FALSE(PeriodicCell::orthorhombic(10, NAN, 10).has_value());
}

// A vector that needs no shift comes back with the same bits, so a cluster
// away from the faces is written as without a cell.
TEST(PeriodicCell, UnshiftedVectorKeepsItsBits) {
  const auto cell = PeriodicCell::orthorhombic(36.318846, 36.318846, 36.318846);
  const Vector3 d{1.0000000000000002, -2.3456789, 0.1};
  const Vector3 same = cell->minimum_image(d);
  EXPECT_EQ(same.x, d.x);
  EXPECT_EQ(same.y, d.y);
  EXPECT_EQ(same.z, d.z);
}

TEST(PeriodicCell, MinimumImageAgainstBruteForceInRandomTriclinicCells) {
  std::mt19937 rng(2024);
  std::uniform_real_distribution<double> edge(5.0, 15.0), tilt(-0.45, 0.45), spread(-40.0, 40.0);
  for (int round = 0; round < 300; ++round) {
    const double a = edge(rng), b = edge(rng), c = edge(rng);
    const auto cell = PeriodicCell::from_edges({a, 0, 0}, {tilt(rng) * a, b, 0},
                                               {tilt(rng) * a, tilt(rng) * b, c});
    ASSERT_TRUE(cell.has_value());
    for (int k = 0; k < 20; ++k) {
      const Vector3 d{spread(rng), spread(rng), spread(rng)};
      const Vector3 fast = cell->minimum_image(d);
      // Brute force around the image with rounded fractions, which lies
      // within a few cell vectors of the shortest.
      const Vector3 f0 = cell->fractional(d);
      const double n[3] = {std::round(f0.x), std::round(f0.y), std::round(f0.z)};
      const Vector3 brute = shortest_image(*cell, cell->shifted(d, n));
      ASSERT_NEAR(length_squared(fast), length_squared(brute), 1e-9) << "round " << round;
      // The image differs from d by whole cell vectors.
      const Vector3 f = cell->fractional({fast.x - d.x, fast.y - d.y, fast.z - d.z});
      ASSERT_NEAR(f.x, std::round(f.x), 1e-9);
      ASSERT_NEAR(f.y, std::round(f.y), 1e-9);
      ASSERT_NEAR(f.z, std::round(f.z), 1e-9);
    }
  }
}
