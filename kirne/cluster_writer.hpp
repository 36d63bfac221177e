#pragma once
// The cluster writer: for the current absorber, one line in conf.dat and one
// cluster file with every atom within Rmax, relative to the absorber.
#include <cstdint>
#include <string>

#include "kirne/run_state.hpp"

namespace kirne {

// NAME_<configuration><absorber label>.xyz: md_7.xyz, or md_7_12.xyz when
// every absorber of a configuration gets its own cluster.
std::string cluster_file_name(const RunState& state);

// The type index of atom i for the current absorber: 0 for the absorber
// itself, else the highest entry of the type table holding its symbol, or 0.
std::uint8_t type_index(const RunState& state, std::int32_t i);

// TOLVA: appends the cluster's name to conf.dat, writes the cluster file
// (header, atoms within Rmax, one placeholder per type) and sets POTI for
// atoms 1..NAT, which the distribution step reads next.
void write_cluster(RunState& state);

}  // namespace kirne
