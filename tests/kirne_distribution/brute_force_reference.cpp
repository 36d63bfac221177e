#include "brute_force_reference.hpp"

#include <cmath>

namespace reference {
namespace {

double distance(const kirne::RunState& s, int p, int q) {
  const double dx = s.X[p] - s.X[q];
  const double dy = s.Y[p] - s.Y[q];
  const double dz = s.Z[p] - s.Z[q];
  return std::sqrt((dx * dx + dy * dy) + dz * dz);
}

// Rounds in the current rounding mode (to nearest, halves to even); anything
// that does not land in 1..RMAX, NaN included, gives 0.
int bin_of(double quotient) {
  const double rounded = std::nearbyint(quotient);
  if (rounded >= 1.0 && rounded <= kirne::RMAX) return static_cast<int>(rounded);
  return 0;
}

void add(std::vector<double>& h, int bin) {
  if (bin != 0) h[bin] += 1.0;
}

}  // namespace

void brute_force_add(const kirne::RunState& s, Histograms& h) {
  const int a = s.NAT0;
  for (int i = 1; i <= s.NAT; ++i) {
    if (i == a) continue;
    const double r1 = distance(s, i, a);
    if (s.FL_G2) {
      const int bin = bin_of(r1 / kirne::DR);
      add(h.g2, bin);
      add(h.prdf[s.POTI[i]], bin);
    }
    if (s.FL_G3) {
      for (int k = 1; k <= s.NAT; ++k) {
        if (k == i || k == a) continue;
        const double sum = (r1 + distance(s, k, i)) + distance(s, k, a);
        add(h.g3, bin_of((sum / kirne::DR) * 0.5));
      }
    }
    if (!s.FL_G4) continue;
    for (int k = 1; k <= s.NAT; ++k) {
      if (k == i) continue;
      const double r2 = distance(s, k, i);
      for (int l = 1; l <= s.NAT; ++l) {
        if (l == k || l == a) continue;
        const double sum = ((r1 + r2) + distance(s, k, l)) + distance(s, l, a);
        add(h.g4, bin_of((sum / kirne::DR) * 0.5));
      }
    }
  }
}

}  // namespace reference
