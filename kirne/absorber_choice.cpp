#include "kirne/absorber_choice.hpp"

#include <cmath>
#include <string>

#include "common/checked_real.hpp"
#include "common/number_layout.hpp"
#include "common/text_output.hpp"

namespace kirne {

namespace {

using common::checked_add;
using common::checked_mul;
using common::checked_sub;

common::TextOutput& out() { return common::TextOutput::standard_output(); }

struct Point {
  double x, y, z;
};

struct Extent {
  double min, max;  // MINX, MAXX and the like
  void take(double v) {
    if (min > v) min = v;
    if (max < v) max = v;
  }
  double half() const { return checked_mul(checked_sub(max, min), 0.5); }
  double centre() const { return checked_mul(checked_add(min, max), 0.5); }
};

// The centre of the atoms' bounding box (X0, Y0, Z0 before any absorber is
// known); the box's smallest half extent (RRR) lowers the row limit.
Point box_centre(const Frame& frame, double& row_limit, bool test) {
  // A configuration without atoms has the box of a single point at the origin.
  const Point first =
      frame.x.empty() ? Point{0.0, 0.0, 0.0} : Point{frame.x[0], frame.y[0], frame.z[0]};
  Extent x{first.x, first.x}, y{first.y, first.y}, z{first.z, first.z};
  for (std::size_t i = 0; i < frame.x.size(); ++i) {
    x.take(frame.x[i]);
    y.take(frame.y[i]);
    z.take(frame.z[i]);
  }
  for (double half : {x.half(), y.half(), z.half()}) {
    if (half < row_limit) row_limit = half;
  }
  if (test) {
    out()
        .write("  Maximum distance for PRDFs maxr=")
        .write(common::scientific_layout(row_limit, 15));
    out().write(" A.").end_line();
  }
  const Point centre{x.centre(), y.centre(), z.centre()};
  if (test) {
    out().write("  Central point in the cluster: ").write(common::scientific_layout(centre.x, 15));
    out().write(' ').write(common::scientific_layout(centre.y, 15));
    out().write(' ').write(common::scientific_layout(centre.z, 15)).end_line();
  }
  return centre;
}

double distance_from(const Point& centre, const Frame& frame, std::size_t i) {  // RR
  double dx = checked_sub(frame.x[i], centre.x);
  double dy = checked_sub(frame.y[i], centre.y);
  double dz = checked_sub(frame.z[i], centre.z);
  double sum =
      checked_add(checked_add(checked_mul(dx, dx), checked_mul(dy, dy)), checked_mul(dz, dz));
  return std::sqrt(sum);
}

MaybeStop missing_given_atom(const Frame& frame, const RunParameters& parameters) {
  return RunStop{" Atom " + std::to_string(parameters.absorber_atom) +
                 " is not present in configuration 1 of " + parameters.trajectory_path +
                 ", which has " + std::to_string(frame.atom_count()) + " atoms !!!"};
}

}  // namespace

MaybeStop choose_absorber(const Frame& frame, const RunParameters& parameters, double& row_limit,
                          std::int32_t& absorber_number) {
  const bool test = parameters.mode == RunMode::Test;
  const Point centre = box_centre(frame, row_limit, test);
  absorber_number = 1;
  double nearest = 1.0e30;  // MINR
  bool found = false;
  if (parameters.absorber_atom == 0) {
    for (std::size_t i = 0; i < frame.x.size(); ++i) {
      double distance = distance_from(centre, frame, i);
      if (nearest > distance && frame.symbols[i] == parameters.absorber_type()) {
        absorber_number = static_cast<std::int32_t>(i) + 1;
        nearest = distance;
        found = true;
      }
    }
  } else {
    if (parameters.absorber_atom > frame.atom_count()) return missing_given_atom(frame, parameters);
    absorber_number = parameters.absorber_atom;
    nearest = distance_from(centre, frame, static_cast<std::size_t>(absorber_number) - 1);
    found = true;
  }
  if (!found) {
    return RunStop{" No " + parameters.absorber_type() + " atom is present in " +
                       parameters.trajectory_path + " !!!",
                   test};
  }
  if (test) {
    out().end_line().write("Central atom ").write(frame.symbols[absorber_number - 1]);
    out().write_integer(absorber_number).write(" is located at ");
    out().write(common::scientific_layout(nearest, 15)).write(" angstroem from the center.");
    out().end_line();
  }
  return std::nullopt;
}

}  // namespace kirne
