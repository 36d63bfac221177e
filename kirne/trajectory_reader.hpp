#pragma once
// One configuration of the multi-frame XYZ trajectory: atom count, comment
// line, then one line per atom with its symbol and coordinates.
#include <cstdint>
#include <string>

#include "common/text_input.hpp"
#include "common/text_output.hpp"
#include "kirne/frame.hpp"
#include "kirne/run_stop.hpp"

namespace kirne {

// The symbol at the start of an atom line, in upper case and padded to two
// characters: blanks, tabs, signs and digits in front are passed, the first
// two other characters are kept, and the blank or tab that ends the symbol
// is consumed. A line end also ends it. A line without any symbol
// character is a format error ("Invalid input").
Symbol read_atom_symbol(common::TextInput& input);

// True when nothing but white space is left, so trailing blank lines never
// count as a further, empty configuration.
bool trajectory_finished(common::TextInput& trajectory);

// Reads configuration `number` of the file `path` into `frame`. With an
// atom copy (test mode) every atom line also goes to the console and to
// the copy. An atom count outside 0..kMaxAtoms stops the run before any
// atom is read.
MaybeStop read_configuration(common::TextInput& trajectory, std::int32_t number,
                             const std::string& path, Frame& frame, common::TextOutput* atom_copy);

}  // namespace kirne
