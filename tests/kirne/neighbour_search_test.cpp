// The grid of the neighbour search against a pass over every atom.
#include "kirne/neighbour_search.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace kirne;

namespace {

Frame random_frame(int atoms, double box, std::mt19937& rng) {
  std::uniform_real_distribution<double> place(-0.1 * box, 1.1 * box);
  Frame frame;
  frame.resize(atoms);
  for (std::size_t i = 0; i < frame.x.size(); ++i) {
    frame.x[i] = place(rng), frame.y[i] = place(rng), frame.z[i] = place(rng);
  }
  return frame;
}

// Every atom within the radius, by a pass over all of them.
std::vector<std::uint32_t> within_by_pass(const Frame& f, const PeriodicCell* cell, std::size_t a,
                                          double radius) {
  std::vector<std::uint32_t> atoms;
  for (std::uint32_t i = 0; i < f.x.size(); ++i) {
    Vector3 d{f.x[i] - f.x[a], f.y[i] - f.y[a], f.z[i] - f.z[a]};
    if (cell != nullptr) d = cell->minimum_image(d);
    if (length_squared(d) <= radius * radius) atoms.push_back(i);
  }
  return atoms;
}

void expect_same_as_pass(const Frame& frame, const PeriodicCell* cell, double radius,
                         const std::string& label) {
  const NeighbourSearch search(frame, cell, radius);
  Neighbourhood around;
  for (std::size_t a = 0; a < frame.x.size(); a += 7) {
    search.find(a, around);
    ASSERT_EQ(around.atoms, within_by_pass(frame, cell, a, radius)) << label << " absorber " << a;
    ASSERT_EQ(around.atoms[around.absorber], a);
    EXPECT_EQ(around.dx[around.absorber], 0.0);
    EXPECT_EQ(around.periodic, cell != nullptr);
  }
}

}  // namespace

TEST(NeighbourSearch, SameAtomsAsAPassWithoutACell) {
  std::mt19937 rng(7);
  for (double radius : {0.5, 2.0, 3.7, 30.0}) {
    expect_same_as_pass(random_frame(400, 15.0, rng), nullptr, radius, "plain");
  }
}

TEST(NeighbourSearch, SameAtomsAsAPassInOrthorhombicAndTiltedCells) {
  std::mt19937 rng(8);
  const auto cube = PeriodicCell::orthorhombic(15.0, 16.0, 17.0);
  const auto tilted = PeriodicCell::from_edges({15, 0, 0}, {4, 14, 0}, {-3, 5, 16});
  for (double radius : {1.0, 2.5, 4.9, 7.0}) {
    expect_same_as_pass(random_frame(400, 15.0, rng), &*cube, radius, "cube");
    expect_same_as_pass(random_frame(400, 15.0, rng), &*tilted, radius, "tilted");
  }
}

// Vectors and positions: plain differences and stored coordinates without
// a cell; minimum images, standing for positions, with one.
TEST(NeighbourSearch, VectorsAndPositions) {
  Frame frame;
  frame.resize(2);
  frame.x = {0.5, 9.5};
  const auto cell = PeriodicCell::orthorhombic(10, 10, 10);
  Neighbourhood around;
  NeighbourSearch(frame, &*cell, 2.0).find(0, around);
  EXPECT_EQ(around.dx, (std::vector<double>{0.0, -1.0}));
  EXPECT_EQ(around.x, around.dx);
  NeighbourSearch(frame, nullptr, 20.0).find(0, around);
  EXPECT_EQ(around.dx, (std::vector<double>{0.0, 9.0}));
  EXPECT_EQ(around.x, frame.x);
}

// Coordinates that are no finite number leave every atom a candidate, so
// the cluster writer's checks see them as before.
TEST(NeighbourSearch, EveryAtomWhenCoordinatesAreNoNumbers) {
  std::mt19937 rng(9);
  Frame frame = random_frame(100, 10.0, rng);
  frame.x[50] = NAN;
  Neighbourhood around;
  NeighbourSearch(frame, nullptr, 1.0).find(3, around);
  EXPECT_EQ(around.size(), 100u);
  EXPECT_TRUE(std::isinf(search_radius(NAN)));
  // Rows reach bin 602 at most; two bins more cover every path stop.
  EXPECT_DOUBLE_EQ(search_radius(-6.0), 6.04 * (1 + 1e-9));
  EXPECT_NEAR(search_radius(0.0), 0.04, 1e-9);
}
