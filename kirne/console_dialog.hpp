#pragma once
// Everything kirne says on the console before it opens the trajectory, and
// the questions of the interactive and test modes, in the order of the run.
#include "kirne/run_state.hpp"

namespace kirne {

// The banner, the mode line and the empty line that follows it.
void print_banner(RunMode mode);
// Interactive and test modes: "Enter central atom type: " (asked again
// until the line holds a word) and "Enter other atom types: ".
void ask_atom_types(RunState& state);
// Number of types, the type table and the absorber type.
void print_type_table(const RunState& state);
// Interactive and test modes: the trajectory name and Rmax.
void ask_name_and_rmax(RunState& state);
// The file name, the skips and Rmax as they stand now.
void print_parameter_echo(const RunState& state);
// Interactive and test modes: the three yes/no questions.
void ask_distribution_choices(RunState& state);
// Test mode: how many configurations to read at most.
void ask_cluster_limit(RunState& state);
// Test mode: waits for one line (Enter); an ended input does not wait.
void pause_for_enter();

}  // namespace kirne
