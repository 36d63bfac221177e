// The accumulation prunes paths that cannot reach a written row and shares
// the work between threads; on many random configurations its histograms
// must equal the full enumeration's in every bin a table can show.
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "brute_force_reference.hpp"
#include "kirne/distribution_accumulator.hpp"

namespace {

using kirne::RMAX;
using kirne::RunState;

// Bins whose row r = I * 0.01 can stay within a MAXR of at most |Rmax|.
int visible_bins(double rmax) {
  if (std::isnan(rmax)) return RMAX;
  int bins = 0;
  while (bins < RMAX && static_cast<double>(bins + 1) * 0.01 <= std::fabs(rmax)) ++bins;
  return bins;
}

// Coordinates that make many legs and leg sums land exactly on half bins:
// multiples of 0.125 and 0.375 along one axis, 0.005 off an axis point, or
// the same place as another atom; the rest random in a small box.
double grid_value(std::mt19937& rng) {
  const double steps[] = {0.0, 0.005, 0.125, 0.25, 0.375, 0.5, 0.625, 1.125, 2.25};
  return steps[rng() % 9] * ((rng() % 2) ? 1.0 : -1.0) + 0.125 * static_cast<int>(rng() % 9);
}

void fill_configuration(RunState& s, int atoms, double box, std::mt19937& rng) {
  std::uniform_real_distribution<double> coordinate(-box, box);
  s.NAT = atoms;
  for (int i = 1; i <= atoms; ++i) {
    switch (rng() % 4) {
      case 0:  // on the x axis of a grid
        s.X[i] = grid_value(rng), s.Y[i] = 0.0, s.Z[i] = 0.0;
        break;
      case 1:  // on an earlier atom, or 0.005 A off it
        if (i > 1) {
          const int j = 1 + static_cast<int>(rng() % (i - 1));
          s.X[i] = s.X[j] + ((rng() % 2) ? 0.005 : 0.0), s.Y[i] = s.Y[j], s.Z[i] = s.Z[j];
          break;
        }
        [[fallthrough]];
      default:
        s.X[i] = coordinate(rng), s.Y[i] = coordinate(rng), s.Z[i] = coordinate(rng);
    }
    s.POTI[i] = static_cast<std::uint8_t>(rng() % 4);
  }
}

void expect_same(const common::BoundedTable<double>& fast, const std::vector<double>& brute,
                 int bins, const std::string& what) {
  for (int bin = 1; bin <= bins; ++bin) {
    ASSERT_EQ(fast[bin], brute[bin]) << what << " bin " << bin;
  }
}

// Runs a few absorbers of one configuration through both and compares.
void compare(RunState& s, int absorbers, double rmax, int choices, std::mt19937& rng,
             const std::string& label) {
  s.RDF_G2.fill(0.0), s.RDF_G3.fill(0.0), s.RDF_G4.fill(0.0);
  for (int j = 1; j <= kirne::PMAX; ++j) s.PRDF[j].fill(0.0);
  s.FL_G2 = choices & 1, s.FL_G3 = choices & 2, s.FL_G4 = choices & 4;
  s.RMAX_FROM_ABSORBER = rmax;
  s.RMAX2 = rmax * rmax;
  reference::Histograms brute;
  for (int a = 0; a < absorbers; ++a) {
    s.NAT0 = 1 + static_cast<int>(rng() % s.NAT);
    kirne::prdf_calc(s);
    reference::brute_force_add(s, brute);
  }
  const int seen = visible_bins(rmax);
  expect_same(s.RDF_G2, brute.g2, RMAX, label + " G2");
  for (int j = 1; j <= kirne::PMAX; ++j) expect_same(s.PRDF[j], brute.prdf[j], RMAX, label);
  expect_same(s.RDF_G3, brute.g3, seen, label + " G3");
  expect_same(s.RDF_G4, brute.g4, seen, label + " G4");
}

const double RMAX_CHOICES[] = {0.0,   0.005, 0.5, 1.0,  1.125, 1.13, 2.25, 3.0,
                               -1.75, 60.0,  6.0, 50.0, std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity()};

TEST(FastAgainstBruteForce, SmallRandomConfigurationsEveryChoiceManyRmax) {
  auto s = std::make_unique<RunState>();
  std::mt19937 rng(20240611);
  for (int round = 0; round < 300; ++round) {
    const int atoms = 1 + static_cast<int>(rng() % 14);
    const double box = 0.5 + 0.25 * static_cast<int>(rng() % 12);
    fill_configuration(*s, atoms, box, rng);
    const double rmax = RMAX_CHOICES[rng() % std::size(RMAX_CHOICES)];
    for (int choices = 1; choices < 8; ++choices) {
      compare(*s, 3, rmax, choices, rng,
              "round " + std::to_string(round) + " rmax " + std::to_string(rmax));
      if (HasFatalFailure()) return;
    }
  }
}

TEST(FastAgainstBruteForce, ConfigurationsLargeEnoughToShareBetweenThreads) {
  // Over 160 atoms within reach: the paths are counted on several threads.
  auto s = std::make_unique<RunState>();
  std::mt19937 rng(77);
  fill_configuration(*s, 170, 1.5, rng);
  compare(*s, 1, 6.0, 7, rng, "threaded");
  fill_configuration(*s, 180, 2.0, rng);
  compare(*s, 1, 1.125, 6, rng, "threaded, pruned");
}

TEST(FastAgainstBruteForce, AbsorberOnTopOfAnotherAtomAndLonelyAbsorber) {
  auto s = std::make_unique<RunState>();
  std::mt19937 rng(5);
  s->NAT = 4;
  const double xs[] = {0.0, 0.0, 0.375, 0.375};
  for (int i = 1; i <= 4; ++i) s->X[i] = xs[i - 1], s->Y[i] = 0.0, s->Z[i] = 0.0;
  compare(*s, 4, 1.0, 7, rng, "stacked");
  s->NAT = 1;
  compare(*s, 1, 8.0, 7, rng, "alone");
}

}  // namespace
