// The accumulation looks only at the atoms the neighbour search finds,
// prunes paths that cannot reach a written row and shares the work between
// threads; on many random configurations its histograms must equal the full
// enumeration's in every bin a table can show, with and without a cell.
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
#include "kirne/histograms.hpp"
#include "kirne/neighbour_search.hpp"

namespace {

using kirne::kBinCount;

// A configuration with the type index of each of its atoms.
struct Configuration {
  kirne::Frame frame;
  std::vector<std::uint8_t> types;
};

// Bins whose row r = I * 0.01 can stay within a MAXR of at most |Rmax|.
int visible_bins(double rmax) {
  if (std::isnan(rmax)) return kBinCount;
  int bins = 0;
  while (bins < kBinCount && static_cast<double>(bins + 1) * 0.01 <= std::fabs(rmax)) ++bins;
  return bins;
}

// Coordinates that make many legs and leg sums land exactly on half bins:
// multiples of 0.125 and 0.375 along one axis, 0.005 off an axis point, or
// the same place as another atom; the rest random in a small box.
double grid_value(std::mt19937& rng) {
  const double steps[] = {0.0, 0.005, 0.125, 0.25, 0.375, 0.5, 0.625, 1.125, 2.25};
  return steps[rng() % 9] * ((rng() % 2) ? 1.0 : -1.0) + 0.125 * static_cast<int>(rng() % 9);
}

void fill_configuration(Configuration& c, int atoms, double box, std::mt19937& rng) {
  std::uniform_real_distribution<double> coordinate(-box, box);
  kirne::Frame& f = c.frame;
  f.resize(atoms);
  c.types.assign(static_cast<std::size_t>(atoms), 0);
  for (std::size_t i = 0; i < static_cast<std::size_t>(atoms); ++i) {
    switch (rng() % 4) {
      case 0:  // on the x axis of a grid
        f.x[i] = grid_value(rng), f.y[i] = 0.0, f.z[i] = 0.0;
        break;
      case 1:  // on an earlier atom, or 0.005 A off it
        if (i > 0) {
          const std::size_t j = rng() % i;
          f.x[i] = f.x[j] + ((rng() % 2) ? 0.005 : 0.0), f.y[i] = f.y[j], f.z[i] = f.z[j];
          break;
        }
        [[fallthrough]];
      default:
        f.x[i] = coordinate(rng), f.y[i] = coordinate(rng), f.z[i] = coordinate(rng);
    }
    c.types[i] = static_cast<std::uint8_t>(rng() % 4);
  }
}

void expect_same(const common::BoundedTable<double>& fast, const std::vector<double>& brute,
                 int bins, const std::string& what) {
  for (int bin = 1; bin <= bins; ++bin) {
    ASSERT_EQ(fast[bin], brute[bin]) << what << " bin " << bin;
  }
}

// The configuration as the absorber sees it in a periodic cell: every atom
// at its minimum image, the absorber at the origin.
Configuration seen_from(const Configuration& c, std::size_t absorber,
                        const kirne::PeriodicCell& cell) {
  Configuration images = c;
  const kirne::Frame& f = c.frame;
  for (std::size_t i = 0; i < f.x.size(); ++i) {
    const kirne::Vector3 d = cell.minimum_image(
        {f.x[i] - f.x[absorber], f.y[i] - f.y[absorber], f.z[i] - f.z[absorber]});
    images.frame.x[i] = d.x, images.frame.y[i] = d.y, images.frame.z[i] = d.z;
  }
  return images;
}

// Runs a few absorbers of one configuration through both and compares
// every bin a table can show.
void compare(const Configuration& c, int absorbers, double rmax, int choices, std::mt19937& rng,
             const std::string& label, const kirne::PeriodicCell* cell = nullptr) {
  auto fast = std::make_unique<kirne::Histograms>();
  const kirne::DistributionChoice choice{(choices & 1) != 0, (choices & 2) != 0,
                                         (choices & 4) != 0};
  reference::Histograms brute;
  const kirne::NeighbourSearch search(c.frame, cell, kirne::search_radius(rmax));
  kirne::Neighbourhood around;
  for (int a = 0; a < absorbers; ++a) {
    const std::size_t absorber = rng() % c.frame.x.size();
    search.find(absorber, around);
    kirne::add_absorber_contributions(around, c.types, choice, rmax, *fast);
    const Configuration seen = cell ? seen_from(c, absorber, *cell) : c;
    reference::brute_force_add(seen.frame, seen.types, absorber, choice, brute);
  }
  const int seen = visible_bins(rmax);
  expect_same(fast->g2, brute.g2, seen, label + " G2");
  for (int j = 1; j <= kirne::kMaxTypes; ++j) {
    expect_same(fast->partial[j], brute.partial[j], seen, label);
  }
  expect_same(fast->g3, brute.g3, seen, label + " G3");
  expect_same(fast->g4, brute.g4, seen, label + " G4");
}

const double RMAX_CHOICES[] = {0.0,
                               0.005,
                               0.5,
                               1.0,
                               1.125,
                               1.13,
                               2.25,
                               3.0,
                               -1.75,
                               60.0,
                               6.0,
                               50.0,
                               std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity()};

TEST(FastAgainstBruteForce, SmallRandomConfigurationsEveryChoiceManyRmax) {
  Configuration s;
  std::mt19937 rng(20240611);
  for (int round = 0; round < 300; ++round) {
    const int atoms = 1 + static_cast<int>(rng() % 14);
    const double box = 0.5 + 0.25 * static_cast<int>(rng() % 12);
    fill_configuration(s, atoms, box, rng);
    const double rmax = RMAX_CHOICES[rng() % std::size(RMAX_CHOICES)];
    for (int choices = 1; choices < 8; ++choices) {
      compare(s, 3, rmax, choices, rng,
              "round " + std::to_string(round) + " rmax " + std::to_string(rmax));
      if (HasFatalFailure()) return;
    }
  }
}

TEST(FastAgainstBruteForce, ConfigurationsLargeEnoughToShareBetweenThreads) {
  // Over 160 atoms within reach: the paths are counted on several threads.
  Configuration s;
  std::mt19937 rng(77);
  fill_configuration(s, 170, 1.5, rng);
  compare(s, 1, 6.0, 7, rng, "threaded");
  fill_configuration(s, 180, 2.0, rng);
  compare(s, 1, 1.125, 6, rng, "threaded, pruned");
}

// Enough atoms for the grid of the neighbour search, in a tilted periodic
// cell: the paths run between the minimum images of the cluster file.
TEST(FastAgainstBruteForce, MinimumImagesInATiltedCell) {
  Configuration s;
  std::mt19937 rng(31);
  const auto cell = kirne::PeriodicCell::from_edges({7.0, 0, 0}, {1.5, 6.5, 0}, {-1.0, 0.8, 7.5});
  ASSERT_TRUE(cell.has_value());
  for (int round = 0; round < 4; ++round) {
    fill_configuration(s, 90, 6.0, rng);
    compare(s, 3, 2.5, round == 0 ? 7 : 3, rng, "periodic " + std::to_string(round), &*cell);
    if (HasFatalFailure()) return;
  }
}

TEST(FastAgainstBruteForce, AbsorberOnTopOfAnotherAtomAndLonelyAbsorber) {
  Configuration s;
  std::mt19937 rng(5);
  s.frame.resize(4);
  s.frame.x = {0.0, 0.0, 0.375, 0.375};
  s.types.assign(4, 1);
  compare(s, 4, 1.0, 7, rng, "stacked");
  s.frame.resize(1);
  s.types.resize(1);
  compare(s, 1, 8.0, 7, rng, "alone");
}

}  // namespace
