#pragma once
// The atoms of one cluster file as FEFF's input needs them: read through the
// cluster file module, then moved so that the absorber stands at the origin.
#include <string>

#include "common/cluster_file.hpp"
#include "tolva64/potential_map.hpp"

namespace tolva64 {

using common::ClusterAtoms;

// Reads the cluster file. False when it holds more than kMaxClusterAtoms
// records, which are not read.
bool read_cluster_atoms(const std::string& path, ClusterAtoms& atoms);

// Takes the last atom whose type index maps to FEFF potential 0 as the
// absorber and moves every atom by its position. Without such an atom
// nothing moves.
void move_origin_to_absorber(const PotentialMap& map, ClusterAtoms& atoms);

}  // namespace tolva64
