#include "feff_standin/absorption_background.hpp"

#include <cmath>
#include <numbers>

namespace feff_standin {
namespace {

// Full width (eV) of the arctangent edge step; about the core-hole widths of
// the 3d metals.
constexpr double kStepWidth = 2.0;

double edge_step(double e) {
  return 0.5 + std::atan(2.0 * e / kStepWidth) / std::numbers::pi;
}

}  // namespace

double atomic_background(double e, double e0) {
  // Above an edge the photoabsorption cross-section falls roughly as E^-3.
  const double decay = std::pow((e0 + kNormalisationEnergy) / (e0 + e), 3.0);
  return edge_step(e) / edge_step(kNormalisationEnergy) * decay;
}

}  // namespace feff_standin
