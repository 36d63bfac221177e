#include "feff_standin/scattering_model.hpp"

#include <cmath>

namespace feff_standin {
namespace {

// Constants fitted to the copper and iron-oxide reference spectra; how is
// told in the README, section on the FEFF stand-in.
constexpr double kAmplitudeScale = 0.263;  // Å, peak |f| per sqrt(Z)
constexpr double kAmplitudeWidth = 4.23;   // Å^-1, half width of the Lorentzian
constexpr double kPeakPerRootZ = 0.990;    // Å^-1, peak position per sqrt(Z)
constexpr double kPhaseOffset = 4.34;      // rad
constexpr double kPhasePerRootZ = -0.146;  // rad per sqrt(Z)
constexpr double kPhaseLowK = 42.7;        // rad Å^-2
constexpr double kPhaseLowKSoftening = 1.5;  // Å^-1, keeps the phase finite at k = 0
constexpr double kCentralSlope = 0.0794;   // Å per Z^(1/3)

// Universal curve of the inelastic mean free path for elements, in
// monolayers, with a monolayer thickness typical of metals and oxides.
constexpr double kMonolayerNm = 0.25;

// Core-hole lifetime width (eV): the photoelectron's wave decays within the
// time the hole lives, which dominates the damping close to the edge.
constexpr double kCoreHoleWidth = 1.5;

}  // namespace

double backscattering_amplitude(int z, double k) {
  const double root_z = std::sqrt(static_cast<double>(z));
  const double offset = (k - kPeakPerRootZ * root_z) / kAmplitudeWidth;
  return kAmplitudeScale * root_z / (1.0 + offset * offset);
}

double backscattering_phase(int z, double k) {
  return kPhaseOffset + kPhasePerRootZ * std::sqrt(static_cast<double>(z)) +
         kPhaseLowK / (k * k + kPhaseLowKSoftening * kPhaseLowKSoftening);
}

double central_phase(int z, double k) {
  return -kCentralSlope * std::cbrt(static_cast<double>(z)) * k;
}

double mean_free_path(double k) {
  const double e = kHbar2Over2m * k * k;
  const double monolayers = 538.0 / (e * e) + 0.41 * std::sqrt(kMonolayerNm * e);
  const double inelastic = 10.0 * kMonolayerNm * monolayers;  // nm to Å
  // Distance travelled at speed hbar k / m during hbar / width.
  const double core_hole = 2.0 * kHbar2Over2m * k / kCoreHoleWidth;
  return 1.0 / (1.0 / inelastic + 1.0 / core_hole);
}

}  // namespace feff_standin
