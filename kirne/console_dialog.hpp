#pragma once
// Everything kirne says on the console before it opens the trajectory, and
// the questions of the interactive and test modes, in the order of the run.
// A question whose answer can never come (standard input has ended) gives
// back a stop.
#include "kirne/run_parameters.hpp"
#include "kirne/run_stop.hpp"

namespace kirne {

// The banner, the mode line and the empty line that follows it.
void print_banner(RunMode mode);
// "Enter central atom type: " (asked again until the line holds a word) and
// "Enter other atom types: ".
MaybeStop ask_atom_types(RunParameters& parameters);
// Number of types, the type table and the absorber type.
void print_type_table(const RunParameters& parameters);
// The trajectory name and Rmax.
MaybeStop ask_name_and_radius(RunParameters& parameters);
// The file name, the skips and Rmax as they stand now.
void print_parameter_echo(const RunParameters& parameters);
// The three yes/no questions.
MaybeStop ask_distribution_choices(RunParameters& parameters);
// Test mode: how many configurations to read at most.
MaybeStop ask_configuration_limit(RunParameters& parameters);
// Test mode: waits for one line (Enter); an ended input does not wait.
void pause_for_enter();

}  // namespace kirne
