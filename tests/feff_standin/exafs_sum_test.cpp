#include "feff_standin/exafs_sum.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "feff_standin/scattering_model.hpp"

namespace feff_standin {
namespace {

FeffInput copper_pair(double distance) {
  FeffInput in;
  in.atomic_number = {{0, 29}, {1, 29}};
  in.atoms = {{0.0, 0.0, 0.0, 0, 1}, {distance, 0.0, 0.0, 1, 2}};
  return in;
}

std::string error_of(const FeffInput& in) {
  try {
    select_cluster(in);
  } catch (const InputError& error) {
    return error.what();
  }
  return "no error";
}

TEST(SelectCluster, MeasuresFromTheFirstAbsorberAndStopsAtRmax) {
  FeffInput in;
  in.atomic_number = {{0, 26}, {1, 8}};
  in.atoms = {{1.0, 1.0, 1.0, 1, 1},        // 3.0 Å from the absorber
              {4.0, 1.0, 1.0, 0, 2},        // the absorber
              {4.0, 5.0, -2.0, 1, 3},       // sqrt(0 + 16 + 9) = 5 Å
              {7.0, 5.0, 1.0, 0, 4},        // second potential-0 atom: a scatterer, 5 Å
              {4.0, 1.0, 7.01, 1, 5},       // 6.01 Å: outside the default 6 Å
              {100.0, 100.0, 10.0, 7, 6},   // placeholder with no potential line
              {2000.0, 2000.0, 2000.0, 9, 7}};
  const Cluster c = select_cluster(in);
  EXPECT_EQ(c.absorber_z, 26);
  ASSERT_EQ(c.scatterers.size(), 3u);
  EXPECT_DOUBLE_EQ(c.scatterers[0].distance, 3.0);
  EXPECT_EQ(c.scatterers[0].z, 8);
  EXPECT_DOUBLE_EQ(c.scatterers[1].distance, 5.0);
  EXPECT_DOUBLE_EQ(c.scatterers[2].distance, 5.0);
  EXPECT_EQ(c.scatterers[2].z, 26);
  in.rmax = 6.02;
  EXPECT_EQ(select_cluster(in).scatterers.size(), 4u);
}

TEST(SelectCluster, RefusesWhatCannotBeComputed) {
  FeffInput in = copper_pair(2.5);
  in.atoms[0].ipot = 1;
  EXPECT_EQ(error_of(in), "feff.inp has no atom of potential 0 (absorber)");
  in = copper_pair(2.5);
  in.atoms[1].ipot = 3;
  EXPECT_EQ(error_of(in), "feff.inp line 2: potential 3 has no line under POTENTIALS");
  in = copper_pair(0.05);
  EXPECT_EQ(error_of(in), "feff.inp line 2: atom sits on the absorber");
  in = copper_pair(2.5);
  in.atomic_number.erase(0);
  EXPECT_EQ(error_of(in), "feff.inp line 1: potential 0 has no line under POTENTIALS");
}

std::vector<SpectrumRow> spectrum_of(const FeffInput& in) {
  return exafs_spectrum(select_cluster(in), in);
}

TEST(ExafsSpectrum, GridRunsFromZeroToKmaxInSteps) {
  FeffInput in = copper_pair(2.55);
  auto rows = spectrum_of(in);
  ASSERT_EQ(rows.size(), 401u);
  EXPECT_EQ(rows[0].k, 0.0);
  EXPECT_EQ(rows[0].chi, 0.0);
  EXPECT_EQ(rows[0].mag, 0.0);
  EXPECT_DOUBLE_EQ(rows[1].k, 0.05);
  EXPECT_DOUBLE_EQ(rows[400].k, 20.0);
  in.kmax = 14.0;
  EXPECT_EQ(spectrum_of(in).size(), 281u);
  in.kmax = 14.04;
  EXPECT_EQ(spectrum_of(in).size(), 281u);
}

TEST(ExafsSpectrum, ChiIsTheImaginaryPartOfAContinuousPhasor) {
  const auto rows = spectrum_of(copper_pair(2.55));
  for (std::size_t i = 1; i < rows.size(); ++i) {
    EXPECT_NEAR(rows[i].chi, rows[i].mag * std::sin(rows[i].phase), 1e-12);
    if (i > 1) {
      EXPECT_LT(std::abs(rows[i].phase - rows[i - 1].phase), std::numbers::pi);
    }
  }
}

TEST(ExafsSpectrum, DistanceEntersAsPhase2kRAndAmplitudeOverRSquared) {
  const auto near = spectrum_of(copper_pair(2.5));
  const auto far = spectrum_of(copper_pair(3.0));
  for (std::size_t i : {60u, 160u, 240u}) {
    const double k = near[i].k;
    const double turn = 2.0 * std::numbers::pi;
    EXPECT_NEAR(std::remainder(far[i].phase - near[i].phase - 2.0 * k * 0.5, turn), 0.0, 1e-9);
    const double expected = (2.5 * 2.5) / (3.0 * 3.0) * std::exp(-2.0 * 0.5 / mean_free_path(k));
    EXPECT_NEAR(far[i].mag / near[i].mag, expected, 1e-12);
  }
}

TEST(ExafsSpectrum, S02Sig2AndNeighbourCountScaleTheSignal) {
  FeffInput in = copper_pair(2.55);
  const auto base = spectrum_of(in);
  in.s02 = 0.5;
  in.sig2 = 0.005;  // at k = 10: exp(-2 * 0.005 * 100) = exp(-1)
  in.atoms.push_back({0.0, -2.55, 0.0, 1, 3});
  const auto scaled = spectrum_of(in);
  // Two neighbours at half weight: only the Debye-Waller factor is left.
  EXPECT_NEAR(scaled[200].chi, base[200].chi * std::exp(-1.0), 1e-15);
  EXPECT_NEAR(scaled[100].chi, base[100].chi * std::exp(-0.25), 1e-15);
  EXPECT_DOUBLE_EQ(scaled[200].phase, base[200].phase);
}

}  // namespace
}  // namespace feff_standin
