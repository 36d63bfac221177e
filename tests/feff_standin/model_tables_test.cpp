// The tabulated and closed-form pieces of the model, against values worked
// out by hand from the documented formulas and from the X-ray Data Booklet.
#include <gtest/gtest.h>

#include "feff_standin/absorption_background.hpp"
#include "feff_standin/edge_energies.hpp"
#include "feff_standin/run_steps.hpp"
#include "feff_standin/scattering_model.hpp"

namespace feff_standin {
namespace {

TEST(EdgeEnergies, AgreeWithTheBookletWithinAFewEv) {
  struct Case {
    int z;
    Edge edge;
    double booklet;
  };
  const Case cases[] = {{26, Edge::K, 7112.0},   {29, Edge::K, 8979.0},  {30, Edge::K, 9659.0},
                        {47, Edge::K, 25514.0},  {29, Edge::L3, 932.7},  {79, Edge::L3, 11919.0},
                        {82, Edge::L3, 13035.0}, {92, Edge::K, 115606.0}, {92, Edge::L1, 21757.0}};
  for (const Case& c : cases) {
    EXPECT_NEAR(edge_energy(c.z, c.edge), c.booklet, 5.0) << "Z=" << c.z;
  }
  // Every element of the table has its K edge, and each L edge lies below it.
  for (int z = 1; z <= kMaxTabulatedZ; ++z) {
    EXPECT_GT(edge_energy(z, Edge::K), 0.0) << "Z=" << z;
    EXPECT_LT(edge_energy(z, Edge::L1), edge_energy(z, Edge::K)) << "Z=" << z;
    EXPECT_LE(edge_energy(z, Edge::L3), edge_energy(z, Edge::L2)) << "Z=" << z;
  }
}

TEST(EdgeEnergies, ShellsThatDoNotExistGiveZero) {
  EXPECT_EQ(edge_energy(1, Edge::L1), 0.0);
  EXPECT_EQ(edge_energy(2, Edge::L3), 0.0);
  EXPECT_EQ(edge_energy(0, Edge::K), 0.0);
  EXPECT_EQ(edge_energy(93, Edge::K), 0.0);
  EXPECT_THROW(absorber_edge_energy(1, Edge::L3), InputError);
  EXPECT_DOUBLE_EQ(absorber_edge_energy(29, Edge::K), edge_energy(29, Edge::K));
}

TEST(MeanFreePath, UniversalCurveCombinedWithTheCoreHole) {
  // k = 10: E = 380.998 eV; 538/E^2 + 0.41 sqrt(0.25 E) = 4.005136 monolayers
  // of 2.5 Å = 10.01284 Å; core hole 2 * 3.80998 * 10 / 1.5 = 50.79973 Å;
  // together 1 / (1/10.01284 + 1/50.79973).
  EXPECT_NEAR(mean_free_path(10.0), 8.364218, 1e-5);
  // Near the edge the core hole alone limits it: 2 * 3.80998 * 0.1 / 1.5.
  EXPECT_NEAR(mean_free_path(0.1), 0.507997, 1e-5);
}

TEST(ScatteringModel, AmplitudeIsALorentzianThatMovesOutWithZ) {
  // Heavier backscatterers scatter more strongly at high k, light ones at low k.
  EXPECT_GT(backscattering_amplitude(29, 12.0), backscattering_amplitude(8, 12.0));
  EXPECT_GT(backscattering_amplitude(8, 2.0) / backscattering_amplitude(8, 12.0),
            backscattering_amplitude(29, 2.0) / backscattering_amplitude(29, 12.0));
  for (double k : {0.5, 3.0, 8.0, 15.0, 20.0}) EXPECT_GT(backscattering_amplitude(26, k), 0.0);
}

TEST(AtomicBackground, IsOneFiftyEvAboveTheEdge) {
  EXPECT_DOUBLE_EQ(atomic_background(50.0, 8978.9), 1.0);
  EXPECT_DOUBLE_EQ(atomic_background(50.0, 532.0), 1.0);
  // At the edge: half the step, 0.5 / (0.5 + atan(50)/pi) * (9028.9/8978.9)^3.
  EXPECT_NEAR(atomic_background(0.0, 8978.9), 0.5116564, 1e-7);
  // Far above it the E^-3 fall: (9028.9/10502.892)^3 times the step ratio.
  EXPECT_NEAR(atomic_background(1523.992, 8978.9), 0.63924, 1e-4);
}

TEST(DelaySetting, OnlyPositiveNumbersCount) {
  EXPECT_DOUBLE_EQ(requested_delay("0.2"), 0.2);
  EXPECT_DOUBLE_EQ(requested_delay("1"), 1.0);
  EXPECT_DOUBLE_EQ(requested_delay(nullptr), 0.0);
  EXPECT_DOUBLE_EQ(requested_delay(""), 0.0);
  EXPECT_DOUBLE_EQ(requested_delay("fast"), 0.0);
  EXPECT_DOUBLE_EQ(requested_delay("0.2s"), 0.0);
  EXPECT_DOUBLE_EQ(requested_delay("-1"), 0.0);
}

}  // namespace
}  // namespace feff_standin
