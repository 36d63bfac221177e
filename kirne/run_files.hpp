#pragma once
// The files a run keeps open from setup to its end.
#include <optional>

#include "common/cluster_list.hpp"
#include "common/text_input.hpp"
#include "common/text_output.hpp"
#include "kirne/run_parameters.hpp"
#include "kirne/trajectory_reader.hpp"

namespace kirne {

struct RunFiles {
  TrajectoryReader trajectory;                  // FV
  common::ClusterListWriter cluster_list;       // FVC: conf.dat
  std::optional<common::TextOutput> atom_copy;  // FVV: ttt.xyz, test mode only

  common::TextOutput* atom_copy_or_null() { return atom_copy ? &*atom_copy : nullptr; }
};

// Test mode keeps a copy of every atom line read in ttt.xyz, created anew.
std::optional<common::TextOutput> create_atom_copy(RunMode mode);

// Closes the trajectory, then conf.dat, then the atom copy; test mode then
// waits for Enter, so the last lines can be read.
void close_run_files(RunFiles& files);

}  // namespace kirne
