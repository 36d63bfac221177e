// Hand-worked configurations: each expected count is read off the geometry.
#include "kirne/distribution_accumulator.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <numeric>
#include <vector>

namespace {

using kirne::kBinCount;

struct Atom {
  double x, y, z;
  int type;
};

// A configuration, its type indices and the histograms it adds to.
struct Accumulation {
  kirne::Frame frame;
  std::vector<std::uint8_t> types;
  kirne::DistributionChoice choice;
  double cluster_radius = 8.0;
  std::unique_ptr<kirne::Histograms> h = std::make_unique<kirne::Histograms>();

  void add(std::size_t absorber = 0) {
    kirne::Neighbourhood around;
    kirne::NeighbourSearch(frame, nullptr, kirne::search_radius(cluster_radius))
        .find(absorber, around);
    kirne::add_absorber_contributions(around, types, choice, cluster_radius, *h);
  }
};

// A configuration with the absorber at atom 1 and the choices given.
Accumulation configuration(const std::vector<Atom>& atoms, bool g2 = true, bool g3 = true,
                           bool g4 = true) {
  Accumulation run;
  run.frame.resize(static_cast<std::int32_t>(atoms.size()));
  for (std::size_t i = 0; i < atoms.size(); ++i) {
    run.frame.x[i] = atoms[i].x;
    run.frame.y[i] = atoms[i].y;
    run.frame.z[i] = atoms[i].z;
    run.types.push_back(static_cast<std::uint8_t>(atoms[i].type));
  }
  run.choice = {g2, g3, g4};
  return run;
}

double total(const common::BoundedTable<double>& h) {
  return std::accumulate(h.data(), h.data() + h.size(), 0.0);
}

double partial_total(const kirne::Histograms& h) {
  double sum = 0.0;
  for (int j = 1; j <= kirne::kMaxTypes; ++j) sum += total(h.partial[j]);
  return sum;
}

TEST(DistributionAccumulator, OneNeighbourAt2AngstromGivesG2At200AndTheBackAndForthG4At400) {
  Accumulation s = configuration({{0, 0, 0, 0}, {2.0, 0, 0, 2}});
  s.add();
  EXPECT_EQ(s.h->g2[200], 1.0);
  EXPECT_EQ(total(s.h->g2), 1.0);
  EXPECT_EQ(s.h->partial[2][200], 1.0);
  EXPECT_EQ(partial_total(*s.h), 1.0);
  EXPECT_EQ(total(s.h->g3), 0.0);
  // absorber -> atom -> absorber -> atom -> absorber: 8 A long, half 4 A.
  EXPECT_EQ(s.h->g4[400], 1.0);
  EXPECT_EQ(total(s.h->g4), 1.0);
}

TEST(DistributionAccumulator, LengthsOnHalfBinsRoundToTheEvenBin) {
  // 0.005 / 0.01 = 0.5 -> 0 (dropped); 0.125 -> 12.5 -> 12; 0.375 -> 37.5 -> 38;
  // an atom on the absorber -> 0 (dropped).
  Accumulation s = configuration(
      {{1, 1, 1, 0}, {1.005, 1, 1, 1}, {1, 1.125, 1, 1}, {1, 1, 1.375, 1}, {1, 1, 1, 1}}, true,
      false, false);
  s.add();
  EXPECT_EQ(s.h->g2[12], 1.0);
  EXPECT_EQ(s.h->g2[38], 1.0);
  EXPECT_EQ(total(s.h->g2), 2.0);
  EXPECT_EQ(s.h->partial[1][12], 1.0);
  EXPECT_EQ(s.h->partial[1][38], 1.0);
  EXPECT_EQ(partial_total(*s.h), 2.0);
}

TEST(DistributionAccumulator, TriangleWithLegsSumming2p25CountsTwiceInBin112) {
  // Legs 0.5 + 0.625 + 1.125 = 2.25 either way round: 112.5 goes to 112.
  Accumulation s =
      configuration({{0, 0, 0, 0}, {0.5, 0, 0, 1}, {1.125, 0, 0, 1}}, false, true, false);
  s.add();
  EXPECT_EQ(s.h->g3[112], 2.0);
  EXPECT_EQ(total(s.h->g3), 2.0);
  EXPECT_EQ(total(s.h->g2), 0.0);
  EXPECT_EQ(total(s.h->g4), 0.0);
}

TEST(DistributionAccumulator, TwoNeighboursInALineGiveEveryOrderedPathOnce) {
  // A at 0, P at 1, Q at 2 on one axis. G3: A-P-Q-A and A-Q-P-A, 4 A each.
  // G4 (I, K, L): (P,A,P) 4, (P,A,Q) 6, (P,Q,P) 4, (Q,A,Q) 8, (Q,A,P) 6, (Q,P,Q) 6.
  Accumulation s = configuration({{0, 0, 0, 0}, {1, 0, 0, 1}, {2, 0, 0, 1}});
  s.add();
  EXPECT_EQ(s.h->g2[100], 1.0);
  EXPECT_EQ(s.h->g2[200], 1.0);
  EXPECT_EQ(s.h->g3[200], 2.0);
  EXPECT_EQ(total(s.h->g3), 2.0);
  EXPECT_EQ(s.h->g4[200], 2.0);
  EXPECT_EQ(s.h->g4[300], 3.0);
  EXPECT_EQ(s.h->g4[400], 1.0);
  EXPECT_EQ(total(s.h->g4), 6.0);
}

TEST(DistributionAccumulator, EachChoiceDrivesOnlyItsOwnHistogram) {
  const std::vector<Atom> atoms = {{0, 0, 0, 0}, {1, 0, 0, 1}, {2, 0, 0, 1}};
  Accumulation only_g4 = configuration(atoms, false, false, true);
  only_g4.add();
  EXPECT_EQ(total(only_g4.h->g2), 0.0);
  EXPECT_EQ(partial_total(*only_g4.h), 0.0);
  EXPECT_EQ(total(only_g4.h->g3), 0.0);
  EXPECT_EQ(total(only_g4.h->g4), 6.0);

  Accumulation only_g3 = configuration(atoms, false, true, false);
  only_g3.add();
  EXPECT_EQ(total(only_g3.h->g2), 0.0);
  EXPECT_EQ(total(only_g3.h->g3), 2.0);
  EXPECT_EQ(total(only_g3.h->g4), 0.0);
}

TEST(DistributionAccumulator, NeighboursBeyondTheLastBinNeverCount) {
  // 60 A is bin 6000, 50.006 A rounds to 5001; 50.004 A still makes bin 5000.
  Accumulation s =
      configuration({{0, 0, 0, 0}, {60, 0, 0, 1}, {0, 50.004, 0, 1}, {0, 0, 50.006, 1}});
  s.cluster_radius = 100.0;
  s.add();
  EXPECT_EQ(s.h->g2[5000], 1.0);
  EXPECT_EQ(total(s.h->g2), 1.0);
  EXPECT_EQ(total(s.h->g3), 0.0);
  EXPECT_EQ(total(s.h->g4), 0.0);
}

TEST(DistributionAccumulator, NeighbourOutsideTheTypeTableCountsOnlyInTheTotal) {
  Accumulation s =
      configuration({{0, 0, 0, 0}, {1.5, 0, 0, 0}, {0, 2.5, 0, 3}}, true, false, false);
  s.add();
  EXPECT_EQ(s.h->g2[150], 1.0);
  EXPECT_EQ(s.h->g2[250], 1.0);
  EXPECT_EQ(s.h->partial[3][250], 1.0);
  EXPECT_EQ(partial_total(*s.h), 1.0);
}

TEST(DistributionAccumulator, LengthsThatAreNoNumberOrHugeAreDropped) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  Accumulation s = configuration({{0, 0, 0, 0}, {nan, 0, 0, 1}, {1e300, 0, 0, 1}, {3.0, 0, 0, 1}});
  s.add();
  EXPECT_EQ(s.h->g2[300], 1.0);
  EXPECT_EQ(total(s.h->g2), 1.0);
  EXPECT_EQ(total(s.h->g3), 0.0);
  // Only absorber -> 3 A atom -> absorber -> same atom -> absorber is finite.
  EXPECT_EQ(s.h->g4[600], 1.0);
  EXPECT_EQ(total(s.h->g4), 1.0);
}

TEST(DistributionAccumulator, AbsorbersOfOneConfigurationAddUp) {
  Accumulation s = configuration({{0, 0, 0, 1}, {1, 0, 0, 1}, {2.5, 0, 0, 1}}, true, false, false);
  s.add(0);
  s.add(2);
  // From atom 1: 1.0 and 2.5; from atom 3: 2.5 and 1.5.
  EXPECT_EQ(s.h->g2[100], 1.0);
  EXPECT_EQ(s.h->g2[150], 1.0);
  EXPECT_EQ(s.h->g2[250], 2.0);
  EXPECT_EQ(total(s.h->g2), 4.0);
}

}  // namespace
