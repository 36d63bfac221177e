#include "kirne/distribution_accumulator.hpp"

#include <algorithm>

#include "kirne/distribution_bins.hpp"
#include "kirne/distribution_paths.hpp"

namespace kirne {
namespace {

// G2 and the partial RDFs: each atom but the absorber once, by its distance.
void add_distances(RunState& s, int atom_count) {
  const int a = s.NAT0;
  const double xa = s.X[a], ya = s.Y[a], za = s.Z[a];
  for (int i = 1; i <= atom_count; ++i) {
    if (i == a) continue;
    const int bin = length_bin(leg_length(s.X[i], s.Y[i], s.Z[i], xa, ya, za));
    if (bin == 0) continue;
    s.RDF_G2[bin] += 1.0;
    // An atom whose symbol is not in the type table has index 0 and no file
    // of its own to appear in, so only the total keeps its count.
    const int type = s.POTI[i];
    if (type >= 1 && type <= PMAX) s.PRDF[type][bin] += 1.0;
  }
}

// The absorber is always an atom of the tables; the table stops the run on
// any other number, before a raw pointer could be used with it.
int absorber_index(const RunState& s) {
  (void)s.X[s.NAT0];
  return s.NAT0 - 1;
}

}  // namespace

void prdf_calc(RunState& state) {
  // Atoms past the tables' size do not exist.
  const int atom_count = std::clamp(state.NAT, 0, NMAX);
  if (state.FL_G2) add_distances(state, atom_count);
  if (!state.FL_G3 && !state.FL_G4) return;
  PathFrame frame;
  frame.x = state.X.data();
  frame.y = state.Y.data();
  frame.z = state.Z.data();
  frame.atom_count = atom_count;
  frame.absorber = absorber_index(state);
  add_closed_paths(frame, last_visible_bin(state.RMAX_FROM_ABSORBER),
                   state.FL_G3 ? state.RDF_G3.data() : nullptr,
                   state.FL_G4 ? state.RDF_G4.data() : nullptr);
}

}  // namespace kirne
