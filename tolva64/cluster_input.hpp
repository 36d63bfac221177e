#pragma once
// The FEFF input of one cluster, as the plain and the parallel run compose
// it: the cluster file read and checked, the origin moved onto the absorber,
// the potentials without an atom within FEFF's radius found, and feff.inp
// written. What the user should hear of it comes back as lines, so that the
// parallel run can print them in cluster order.
#include <optional>
#include <string>
#include <vector>

#include "common/cluster_list.hpp"
#include "tolva64/absent_potentials.hpp"
#include "tolva64/run_files.hpp"
#include "tolva64/run_options.hpp"

namespace tolva64 {

struct InputSettings {
  std::optional<FeffRadius> radius;  // RMAX of feff.dat, if it has one
  bool drop_absent_potentials = false;
};

InputSettings input_settings_for(const RunFiles& files, const RunOptions& options);

enum class InputStatus { Composed, Refused, TooManyAtoms };

struct ClusterInput {
  InputStatus status = InputStatus::Composed;
  std::string left_out = "none";      // the potentials left out of feff.inp, for its record
  std::string refusal;                // why FEFF must not run, for a refused cluster
  std::vector<std::string> warnings;  // for standard output and standard error
  std::vector<std::string> notes;     // for standard output
};

// Composes input_path for the cluster, unless it has too many atoms or is
// refused; only a composed cluster marks the potential map.
ClusterInput prepare_feff_input(const common::ClusterEntry& line, const RunFiles& files,
                                const std::string& input_path, const InputSettings& settings,
                                PotentialMap& map, ClusterAtoms& atoms);

// The warnings and notes, in that order.
void print_input_lines(const ClusterInput& input);

// The potentials that composing the cluster's input would leave out under
// these settings, as its record names them ("none", "2 3"); empty when the
// cluster file cannot be read whole. Only with --drop-absent-potentials is
// the cluster file read.
std::string left_out_now(const std::string& cluster_name, const InputSettings& settings,
                         const PotentialMap& map, ClusterAtoms& atoms);

}  // namespace tolva64
