#pragma once
// One configuration of the multi-frame XYZ trajectory: atom count, comment
// line, then one line per atom with its symbol and coordinates.
#include "kirne/run_state.hpp"
#include "common/text_input.hpp"

namespace kirne {

// The symbol at the start of an atom line, in upper case and padded to two
// characters: blanks, tabs, signs and digits in front are passed, the first
// two other characters are kept, and the blank or tab that ends the symbol
// is consumed. A line end also ends it. A line without any symbol
// character is a format error ("Invalid input").
Symbol read_atom_symbol(common::TextInput& input);

// True when nothing but white space is left, so trailing blank lines never
// count as a further, empty configuration.
bool trajectory_finished(RunState& state);

// Reads the next configuration into NCL, NCLST, NAT, STCOM, POT, X, Y, Z;
// in test mode copies every atom line to the console and to ttt.xyz. An
// atom count outside 0..NMAX stops the run before any atom is read.
void read_configuration(RunState& state);

}  // namespace kirne
