#include "kirne/absorber_choice.hpp"

#include <cmath>
#include <string>

#include "common/checked_real.hpp"
#include "common/failure.hpp"
#include "common/number_layout.hpp"
#include "common/text_output.hpp"
#include "kirne/console_dialog.hpp"
#include "kirne/orderly_stop.hpp"

namespace kirne {

namespace {

using common::checked_add;
using common::checked_mul;
using common::checked_sub;

common::TextOutput& out() { return common::TextOutput::standard_output(); }

struct Extent {
  double min, max;
  void take(double v) {
    if (min > v) min = v;
    if (max < v) max = v;
  }
  double half() const { return checked_mul(checked_sub(max, min), 0.5); }
  double centre() const { return checked_mul(checked_add(min, max), 0.5); }
};

void take_box(RunState& s) {
  Extent x{s.X[1], s.X[1]}, y{s.Y[1], s.Y[1]}, z{s.Z[1], s.Z[1]};
  for (std::int32_t i = 1; i <= s.NAT; ++i) {
    x.take(s.X[i]);
    y.take(s.Y[i]);
    z.take(s.Z[i]);
  }
  for (double half : {x.half(), y.half(), z.half()}) {
    if (half < s.MAXR) s.MAXR = half;
  }
  bool test = s.mode == RunMode::Test;
  if (test) {
    out().write("  Maximum distance for PRDFs maxr=").write(common::scientific_layout(s.MAXR, 15));
    out().write(" A.").end_line();
  }
  s.X0 = x.centre();
  s.Y0 = y.centre();
  s.Z0 = z.centre();
  if (test) {
    out().write("  Central point in the cluster: ").write(common::scientific_layout(s.X0, 15));
    out().write(' ').write(common::scientific_layout(s.Y0, 15));
    out().write(' ').write(common::scientific_layout(s.Z0, 15)).end_line();
  }
}

double distance_from_centre(const RunState& s, std::int32_t i) {
  double dx = checked_sub(s.X[i], s.X0);
  double dy = checked_sub(s.Y[i], s.Y0);
  double dz = checked_sub(s.Z[i], s.Z0);
  double sum =
      checked_add(checked_add(checked_mul(dx, dx), checked_mul(dy, dy)), checked_mul(dz, dz));
  return std::sqrt(sum);
}

void require_given_atom(const RunState& s) {
  if (s.ICENTATOM <= s.NAT) return;
  stop_with_line(" Atom " + std::to_string(s.ICENTATOM) + " is not present in configuration 1 of " +
                 s.FILENAME + ", which has " + std::to_string(s.NAT) + " atoms !!!");
}

}  // namespace

void choose_absorber(RunState& s) {
  take_box(s);
  s.NAT0 = 1;
  double minr = 1.0e30;
  bool found = false;
  if (s.ICENTATOM == 0) {
    for (std::int32_t i = 1; i <= s.NAT; ++i) {
      double rr = distance_from_centre(s, i);
      if (minr > rr && s.POT[i] == s.CENTATOM) {
        s.NAT0 = i;
        minr = rr;
        found = true;
      }
    }
  } else {
    require_given_atom(s);
    s.NAT0 = s.ICENTATOM;
    minr = distance_from_centre(s, s.NAT0);
    found = true;
  }
  bool test = s.mode == RunMode::Test;
  if (!found) {
    out().write(" No ").write(s.CENTATOM).write(" atom is present in ").write(s.FILENAME);
    out().write(" !!!").end_line();
    if (test) pause_for_enter();
    common::stop_program(0);
  }
  if (test) {
    out().end_line().write("Central atom ").write(s.POT[s.NAT0]).write_integer(s.NAT0);
    out().write(" is located at ").write(common::scientific_layout(minr, 15));
    out().write(" angstroem from the center.").end_line();
  }
}

}  // namespace kirne
