#pragma once
// The closed paths through the absorber (G3 and G4), enumerated only among
// the atoms that a path of a visible length can reach.

namespace kirne {

// One configuration's coordinates, indexed from 0, and the absorber among them.
struct PathFrame {
  const double* x = nullptr;
  const double* y = nullptr;
  const double* z = nullptr;
  int atom_count = 0;
  // Index of the absorber, 0-based; past atom_count it is no stop of any path.
  int absorber = 0;
};

// Adds one count per closed path to g3 (absorber -> I -> K -> absorber, I and
// K distinct non-absorbers) and g4 (absorber -> I -> K -> L -> absorber, no
// two consecutive stops the same atom), at index bin - 1 of arrays of kBinCount
// counts; a null table is not wanted. Every path whose bin is at most
// last_bin is counted exactly as the full enumeration counts it; paths of
// higher bins may be left out.
void add_closed_paths(const PathFrame& frame, int last_bin, double* g3, double* g4);

}  // namespace kirne
