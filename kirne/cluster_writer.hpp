#pragma once
// The cluster writer: for one absorber, one line in conf.dat and one
// cluster file with every atom within Rmax, relative to the absorber.
#include <cstdint>
#include <string>
#include <vector>

#include "common/cluster_list.hpp"
#include "kirne/absorber.hpp"
#include "kirne/frame.hpp"
#include "kirne/neighbour_search.hpp"
#include "kirne/run_parameters.hpp"

namespace kirne {

// <base>_<configuration><absorber label>.xyz: md_7.xyz, or md_7_12.xyz when
// every absorber of a configuration gets its own cluster.
std::string cluster_file_name(const std::string& base_name, const Frame& frame,
                              const Absorber& absorber);

// TOLVA: appends the cluster's name to conf.dat, then writes the cluster
// file: the header, every atom of the neighbourhood within Rmax in
// configuration order with its type index (0 for the absorber) and its
// place relative to the absorber (its minimum image in a periodic cell),
// and one placeholder per type. The file takes its name only once it is
// whole, so a listed cluster is never empty or short.
void write_cluster(const RunParameters& parameters, const Frame& frame, const Neighbourhood& around,
                   const std::vector<std::uint8_t>& type_indices, const Absorber& absorber,
                   common::ClusterListWriter& cluster_list);

}  // namespace kirne
