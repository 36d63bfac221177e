#include "kirne/periodic_cell.hpp"

#include <algorithm>
#include <cmath>

namespace kirne {

namespace {

Vector3 cross(const Vector3& p, const Vector3& q) {
  return {p.y * q.z - p.z * q.y, p.z * q.x - p.x * q.z, p.x * q.y - p.y * q.x};
}

double dot(const Vector3& p, const Vector3& q) { return p.x * q.x + p.y * q.y + p.z * q.z; }

bool finite(const Vector3& v) {
  return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

}  // namespace

std::optional<PeriodicCell> PeriodicCell::from_edges(const Vector3& a, const Vector3& b,
                                                     const Vector3& c) {
  if (!finite(a) || !finite(b) || !finite(c)) return std::nullopt;
  const double triple = dot(a, cross(b, c));
  const double scale = std::sqrt(length_squared(a) * length_squared(b) * length_squared(c));
  // A cell flatter than this is no cell: its widths would be mere rounding.
  if (!(std::fabs(triple) > 1e-9 * scale) || !std::isfinite(triple)) return std::nullopt;
  PeriodicCell cell;
  cell.edges_ = {a, b, c};
  cell.volume_ = std::fabs(triple);
  const Vector3 rows[3] = {cross(b, c), cross(c, a), cross(a, b)};
  for (int k = 0; k < 3; ++k) {
    cell.reciprocal_[k] = {rows[k].x / triple, rows[k].y / triple, rows[k].z / triple};
  }
  return cell;
}

std::optional<PeriodicCell> PeriodicCell::orthorhombic(double a, double b, double c) {
  return from_edges({a, 0.0, 0.0}, {0.0, b, 0.0}, {0.0, 0.0, c});
}

std::array<double, 3> PeriodicCell::widths() const {
  const auto& e = edges_;
  return {volume_ / std::sqrt(length_squared(cross(e[1], e[2]))),
          volume_ / std::sqrt(length_squared(cross(e[2], e[0]))),
          volume_ / std::sqrt(length_squared(cross(e[0], e[1])))};
}

double PeriodicCell::smallest_width() const {
  const std::array<double, 3> w = widths();
  return std::min({w[0], w[1], w[2]});
}

Vector3 PeriodicCell::fractional(const Vector3& d) const {
  return {dot(d, reciprocal_[0]), dot(d, reciprocal_[1]), dot(d, reciprocal_[2])};
}

// Rounding the fractions gives the minimum image whenever that image is
// shorter than half the smallest width (any other image is then longer);
// in a strongly tilted cell a longer result may hide a shorter neighbour,
// so the 27 images around it are compared.
Vector3 PeriodicCell::minimum_image(const Vector3& d) const {
  const Vector3 f = fractional(d);
  const double n[3] = {std::nearbyint(f.x), std::nearbyint(f.y), std::nearbyint(f.z)};
  Vector3 best = shifted(d, n);
  const double half = 0.5 * smallest_width();
  double best_length = length_squared(best);
  if (best_length < half * half || !std::isfinite(best_length)) return best;
  for (int i = -1; i <= 1; ++i) {
    for (int j = -1; j <= 1; ++j) {
      for (int k = -1; k <= 1; ++k) {
        const double m[3] = {n[0] + i, n[1] + j, n[2] + k};
        const Vector3 image = shifted(d, m);
        const double length = length_squared(image);
        if (length < best_length) best = image, best_length = length;
      }
    }
  }
  return best;
}

}  // namespace kirne
