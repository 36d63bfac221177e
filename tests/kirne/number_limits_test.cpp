// The coordinates and the Rmax a run takes.
#include "kirne/number_limits.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace kirne;

namespace {

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

}  // namespace

// 1e6 A either way is the last place taken; the next double beyond it, NaN
// and the infinities are not, in any of the three coordinates.
TEST(NumberLimits, PositionsUpToAMillionAngstrom) {
  EXPECT_TRUE(usable_position(1e6, -1e6, 0.0));
  const double beyond = std::nextafter(1e6, kInf);
  for (double bad : {beyond, -beyond, kNan, kInf, -kInf, 1e150}) {
    EXPECT_FALSE(usable_position(bad, 0.0, 0.0)) << bad;
    EXPECT_FALSE(usable_position(0.0, bad, 0.0)) << bad;
    EXPECT_FALSE(usable_position(0.0, 0.0, bad)) << bad;
  }
}

TEST(NumberLimits, RmaxMustBeFinite) {
  for (double radius : {0.0, -1.0, 6.5, 1e300}) {
    EXPECT_FALSE(check_cluster_radius(radius).has_value()) << radius;
  }
  EXPECT_EQ(check_cluster_radius(kNan)->line,
            " Rmax must be a finite number of angstrom, not nan !!!");
  EXPECT_EQ(check_cluster_radius(-kInf)->line,
            " Rmax must be a finite number of angstrom, not -inf !!!");
}
