#include "brute_force_reference.hpp"

#include <cmath>

namespace reference {
namespace {

double distance(const kirne::Frame& f, std::size_t p, std::size_t q) {
  const double dx = f.x[p] - f.x[q];
  const double dy = f.y[p] - f.y[q];
  const double dz = f.z[p] - f.z[q];
  return std::sqrt((dx * dx + dy * dy) + dz * dz);
}

// Rounds in the current rounding mode (to nearest, halves to even); anything
// that does not land in 1..kBinCount, NaN included, gives 0.
int bin_of(double quotient) {
  const double rounded = std::nearbyint(quotient);
  if (rounded >= 1.0 && rounded <= kirne::kBinCount) return static_cast<int>(rounded);
  return 0;
}

void add(std::vector<double>& h, int bin) {
  if (bin != 0) h[bin] += 1.0;
}

}  // namespace

void brute_force_add(const kirne::Frame& f, const std::vector<std::uint8_t>& type_indices,
                     std::size_t a, const kirne::DistributionChoice& choice, Histograms& h) {
  const std::size_t n = f.x.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i == a) continue;
    const double r1 = distance(f, i, a);
    if (choice.g2) {
      const int bin = bin_of(r1 / kirne::kBinWidth);
      add(h.g2, bin);
      add(h.partial[type_indices[i]], bin);
    }
    if (choice.g3) {
      for (std::size_t k = 0; k < n; ++k) {
        if (k == i || k == a) continue;
        const double sum = (r1 + distance(f, k, i)) + distance(f, k, a);
        add(h.g3, bin_of((sum / kirne::kBinWidth) * 0.5));
      }
    }
    if (!choice.g4) continue;
    for (std::size_t k = 0; k < n; ++k) {
      if (k == i) continue;
      const double r2 = distance(f, k, i);
      for (std::size_t l = 0; l < n; ++l) {
        if (l == k || l == a) continue;
        const double sum = ((r1 + r2) + distance(f, k, l)) + distance(f, l, a);
        add(h.g4, bin_of((sum / kirne::kBinWidth) * 0.5));
      }
    }
  }
}

}  // namespace reference
