#pragma once
// A periodic cell of any shape: three edge vectors a, b, c (the rows of H),
// fractional coordinates, the minimum image of a difference vector and the
// perpendicular widths that bound the radius within which it is unique.
#include <array>
#include <optional>

namespace kirne {

struct Vector3 {
  double x = 0.0, y = 0.0, z = 0.0;
};

class PeriodicCell {
 public:
  // The cell with edges a, b, c; none when they span no volume or are not
  // all finite numbers.
  static std::optional<PeriodicCell> from_edges(const Vector3& a, const Vector3& b,
                                                const Vector3& c);
  // An orthorhombic cell of edge lengths a, b, c along x, y, z.
  static std::optional<PeriodicCell> orthorhombic(double a, double b, double c);

  const std::array<Vector3, 3>& edges() const { return edges_; }
  double volume() const { return volume_; }  // |a . (b x c)|
  // V / |b x c|, V / |c x a|, V / |a x b|: the distances between opposite faces.
  std::array<double, 3> widths() const;
  double smallest_width() const;

  // f with d = f0 a + f1 b + f2 c.
  Vector3 fractional(const Vector3& d) const;
  // The shortest of d + n0 a + n1 b + n2 c over whole numbers n. A vector
  // that needs no shift comes back with the same bits.
  Vector3 minimum_image(const Vector3& d) const;
  // d - (n0 a + n1 b + n2 c), edge by edge, so that n = 0 changes nothing.
  // Inline: the neighbour search runs it for every candidate atom.
  Vector3 shifted(const Vector3& d, const double (&n)[3]) const {
    Vector3 r = d;
    for (int k = 0; k < 3; ++k) {
      if (n[k] == 0.0) continue;
      r.x -= n[k] * edges_[k].x;
      r.y -= n[k] * edges_[k].y;
      r.z -= n[k] * edges_[k].z;
    }
    return r;
  }

 private:
  std::array<Vector3, 3> edges_;
  // b x c, c x a, a x b over a . (b x c): the columns of the inverse of H.
  std::array<Vector3, 3> reciprocal_;
  double volume_ = 0.0;
};

inline double length_squared(const Vector3& v) { return (v.x * v.x + v.y * v.y) + v.z * v.z; }

}  // namespace kirne
