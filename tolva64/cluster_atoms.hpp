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

// Why FEFF must not run on these atoms: a cluster file cut short by a full
// disk may hold no atom line, or lose the absorber's (type index 0); without
// it, a dummy atom would stand at the origin as the absorber. Empty when
// the cluster is fit to run.
std::string cluster_refusal(const std::string& cluster_name, const ClusterAtoms& atoms);

// Takes the last atom whose type index maps to FEFF potential 0 as the
// absorber and moves every atom by its position. Without such an atom
// nothing moves.
void move_origin_to_absorber(const PotentialMap& map, ClusterAtoms& atoms);

}  // namespace tolva64
