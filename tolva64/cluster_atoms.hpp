#pragma once
// The atoms of one cluster file, as FEFF's input needs them: type index and
// coordinates, then moved so that the absorber stands at the origin.
#include <string>

#include "common/bounded_table.hpp"
#include "potential_map.hpp"
#include "run_files.hpp"

namespace tolva64 {

struct ClusterAtoms {
  int count = 0;                                     // NAT
  common::BoundedTable<double> type{"POT", NMAX};    // type index, kept as read
  common::BoundedTable<double> x{"X", NMAX};
  common::BoundedTable<double> y{"Y", NMAX};
  common::BoundedTable<double> z{"Z", NMAX};
};

// Reads the header line and then one record of four reals per line; the rest
// of each line is passed over. More than NMAX records stop the run with a
// message naming the file and exit code 1.
void read_cluster_atoms(const std::string& path, ClusterAtoms& atoms);

// Takes the last atom whose type index maps to FEFF potential 0 as the
// absorber and moves every atom by its position. Without such an atom
// nothing moves.
void move_origin_to_absorber(const PotentialMap& map, ClusterAtoms& atoms);

}  // namespace tolva64
