// Hand-worked configurations: each expected count is read off the geometry.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <numeric>
#include <vector>

#include "kirne/distribution_accumulator.hpp"

namespace {

using kirne::RMAX;
using kirne::RunState;

struct Atom {
  double x, y, z;
  int type;
};

// A configuration with the absorber at atom 1 and all three choices set.
std::unique_ptr<RunState> configuration(const std::vector<Atom>& atoms, bool g2 = true,
                                        bool g3 = true, bool g4 = true) {
  auto s = std::make_unique<RunState>();
  s->NAT = static_cast<int>(atoms.size());
  for (int i = 1; i <= s->NAT; ++i) {
    const Atom& a = atoms[i - 1];
    s->X[i] = a.x;
    s->Y[i] = a.y;
    s->Z[i] = a.z;
    s->POTI[i] = static_cast<std::uint8_t>(a.type);
  }
  s->NAT0 = 1;
  s->RMAX_FROM_ABSORBER = 8.0;
  s->RMAX2 = 64.0;
  s->FL_G2 = g2;
  s->FL_G3 = g3;
  s->FL_G4 = g4;
  return s;
}

double total(const common::BoundedTable<double>& h) {
  return std::accumulate(h.data(), h.data() + h.size(), 0.0);
}

double partial_total(const RunState& s) {
  double sum = 0.0;
  for (int j = 1; j <= kirne::PMAX; ++j) sum += total(s.PRDF[j]);
  return sum;
}

TEST(DistributionAccumulator, OneNeighbourAt2AngstromGivesG2At200AndTheBackAndForthG4At400) {
  auto s = configuration({{0, 0, 0, 0}, {2.0, 0, 0, 2}});
  kirne::prdf_calc(*s);
  EXPECT_EQ(s->RDF_G2[200], 1.0);
  EXPECT_EQ(total(s->RDF_G2), 1.0);
  EXPECT_EQ(s->PRDF[2][200], 1.0);
  EXPECT_EQ(partial_total(*s), 1.0);
  EXPECT_EQ(total(s->RDF_G3), 0.0);
  // absorber -> atom -> absorber -> atom -> absorber: 8 A long, half 4 A.
  EXPECT_EQ(s->RDF_G4[400], 1.0);
  EXPECT_EQ(total(s->RDF_G4), 1.0);
}

TEST(DistributionAccumulator, LengthsOnHalfBinsRoundToTheEvenBin) {
  // 0.005 / 0.01 = 0.5 -> 0 (dropped); 0.125 -> 12.5 -> 12; 0.375 -> 37.5 -> 38;
  // an atom on the absorber -> 0 (dropped).
  auto s = configuration({{1, 1, 1, 0}, {1.005, 1, 1, 1}, {1, 1.125, 1, 1}, {1, 1, 1.375, 1},
                          {1, 1, 1, 1}},
                         true, false, false);
  kirne::prdf_calc(*s);
  EXPECT_EQ(s->RDF_G2[12], 1.0);
  EXPECT_EQ(s->RDF_G2[38], 1.0);
  EXPECT_EQ(total(s->RDF_G2), 2.0);
  EXPECT_EQ(s->PRDF[1][12], 1.0);
  EXPECT_EQ(s->PRDF[1][38], 1.0);
  EXPECT_EQ(partial_total(*s), 2.0);
}

TEST(DistributionAccumulator, TriangleWithLegsSumming2p25CountsTwiceInBin112) {
  // Legs 0.5 + 0.625 + 1.125 = 2.25 either way round: 112.5 goes to 112.
  auto s = configuration({{0, 0, 0, 0}, {0.5, 0, 0, 1}, {1.125, 0, 0, 1}}, false, true, false);
  kirne::prdf_calc(*s);
  EXPECT_EQ(s->RDF_G3[112], 2.0);
  EXPECT_EQ(total(s->RDF_G3), 2.0);
  EXPECT_EQ(total(s->RDF_G2), 0.0);
  EXPECT_EQ(total(s->RDF_G4), 0.0);
}

TEST(DistributionAccumulator, TwoNeighboursInALineGiveEveryOrderedPathOnce) {
  // A at 0, P at 1, Q at 2 on one axis. G3: A-P-Q-A and A-Q-P-A, 4 A each.
  // G4 (I, K, L): (P,A,P) 4, (P,A,Q) 6, (P,Q,P) 4, (Q,A,Q) 8, (Q,A,P) 6, (Q,P,Q) 6.
  auto s = configuration({{0, 0, 0, 0}, {1, 0, 0, 1}, {2, 0, 0, 1}});
  kirne::prdf_calc(*s);
  EXPECT_EQ(s->RDF_G2[100], 1.0);
  EXPECT_EQ(s->RDF_G2[200], 1.0);
  EXPECT_EQ(s->RDF_G3[200], 2.0);
  EXPECT_EQ(total(s->RDF_G3), 2.0);
  EXPECT_EQ(s->RDF_G4[200], 2.0);
  EXPECT_EQ(s->RDF_G4[300], 3.0);
  EXPECT_EQ(s->RDF_G4[400], 1.0);
  EXPECT_EQ(total(s->RDF_G4), 6.0);
}

TEST(DistributionAccumulator, EachChoiceDrivesOnlyItsOwnHistogram) {
  const std::vector<Atom> atoms = {{0, 0, 0, 0}, {1, 0, 0, 1}, {2, 0, 0, 1}};
  auto only_g4 = configuration(atoms, false, false, true);
  kirne::prdf_calc(*only_g4);
  EXPECT_EQ(total(only_g4->RDF_G2), 0.0);
  EXPECT_EQ(partial_total(*only_g4), 0.0);
  EXPECT_EQ(total(only_g4->RDF_G3), 0.0);
  EXPECT_EQ(total(only_g4->RDF_G4), 6.0);

  auto only_g3 = configuration(atoms, false, true, false);
  kirne::prdf_calc(*only_g3);
  EXPECT_EQ(total(only_g3->RDF_G2), 0.0);
  EXPECT_EQ(total(only_g3->RDF_G3), 2.0);
  EXPECT_EQ(total(only_g3->RDF_G4), 0.0);
}

TEST(DistributionAccumulator, NeighboursBeyondTheLastBinNeverCount) {
  // 60 A is bin 6000, 50.006 A rounds to 5001; 50.004 A still makes bin 5000.
  auto s = configuration({{0, 0, 0, 0}, {60, 0, 0, 1}, {0, 50.004, 0, 1}, {0, 0, 50.006, 1}});
  s->RMAX_FROM_ABSORBER = 100.0;
  kirne::prdf_calc(*s);
  EXPECT_EQ(s->RDF_G2[5000], 1.0);
  EXPECT_EQ(total(s->RDF_G2), 1.0);
  EXPECT_EQ(total(s->RDF_G3), 0.0);
  EXPECT_EQ(total(s->RDF_G4), 0.0);
}

TEST(DistributionAccumulator, NeighbourOutsideTheTypeTableCountsOnlyInTheTotal) {
  auto s = configuration({{0, 0, 0, 0}, {1.5, 0, 0, 0}, {0, 2.5, 0, 3}}, true, false, false);
  kirne::prdf_calc(*s);
  EXPECT_EQ(s->RDF_G2[150], 1.0);
  EXPECT_EQ(s->RDF_G2[250], 1.0);
  EXPECT_EQ(s->PRDF[3][250], 1.0);
  EXPECT_EQ(partial_total(*s), 1.0);
}

TEST(DistributionAccumulator, LengthsThatAreNoNumberOrHugeAreDropped) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  auto s = configuration({{0, 0, 0, 0}, {nan, 0, 0, 1}, {1e300, 0, 0, 1}, {3.0, 0, 0, 1}});
  kirne::prdf_calc(*s);
  EXPECT_EQ(s->RDF_G2[300], 1.0);
  EXPECT_EQ(total(s->RDF_G2), 1.0);
  EXPECT_EQ(total(s->RDF_G3), 0.0);
  // Only absorber -> 3 A atom -> absorber -> same atom -> absorber is finite.
  EXPECT_EQ(s->RDF_G4[600], 1.0);
  EXPECT_EQ(total(s->RDF_G4), 1.0);
}

TEST(DistributionAccumulator, AbsorbersOfOneConfigurationAddUp) {
  auto s = configuration({{0, 0, 0, 1}, {1, 0, 0, 1}, {2.5, 0, 0, 1}}, true, false, false);
  kirne::prdf_calc(*s);
  s->NAT0 = 3;
  kirne::prdf_calc(*s);
  // From atom 1: 1.0 and 2.5; from atom 3: 2.5 and 1.5.
  EXPECT_EQ(s->RDF_G2[100], 1.0);
  EXPECT_EQ(s->RDF_G2[150], 1.0);
  EXPECT_EQ(s->RDF_G2[250], 2.0);
  EXPECT_EQ(total(s->RDF_G2), 4.0);
}

}  // namespace
