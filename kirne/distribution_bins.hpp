#pragma once
// The arithmetic every distribution histogram shares: how a leg is measured,
// how a length or a closed path picks its bin, and which bins a table can show.
#include <cmath>

#include "kirne/run_parameters.hpp"

namespace kirne {

// Plain Euclidean distance of two stored positions, summed x, y, then z, so
// that every caller gets the same bits for the same pair in either order.
inline double leg_length(double xp, double yp, double zp, double xq, double yq, double zq) {
  const double dx = xp - xq;
  const double dy = yp - yq;
  const double dz = zp - zq;
  return std::sqrt((dx * dx + dy * dy) + dz * dz);
}

// The nearest integer to q, halves going to the even neighbour, when that is a
// bin 1..kBinCount; 0 otherwise (NaN, infinities and huge values included). The
// range is settled before any conversion, so no value can overflow an int.
inline int histogram_bin(double q) {
  if (!(q >= 0.5) || q > kBinCount + 0.5) return 0;
  const double whole = std::floor(q);
  const double fraction = q - whole;  // exact: q is far below 2^52
  int bin = static_cast<int>(whole);
  if (fraction > 0.5 || (fraction == 0.5 && bin % 2 == 1)) ++bin;
  return bin;
}

// Bin of a distance between two atoms.
inline int length_bin(double length) { return histogram_bin(length / kBinWidth); }

// Bin of a closed path by its summed legs: divided by the bin width first, then halved.
inline int path_bin(double leg_sum) { return histogram_bin((leg_sum / kBinWidth) * 0.5); }

// The highest bin that a written table row can ever show for a run with this
// Rmax (or the last bin when rows may reach it). Rows stop at the row limit,
// and once a configuration has been read that is clipped to Rmax; a negative
// Rmax leaves it below zero, and a NaN Rmax clips nothing. The bound is taken
// on |Rmax| with two bins to spare, so the rounding of j * kBinWidth cannot
// matter.
inline int last_visible_bin(double cluster_radius) {
  const double bound = std::fabs(cluster_radius);
  if (!(bound < kBinCount * kBinWidth)) return kBinCount;
  const int bin = static_cast<int>(bound / kBinWidth) + 2;
  return bin < kBinCount ? bin : kBinCount;
}

}  // namespace kirne
