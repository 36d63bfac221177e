#pragma once
// One configuration of a multi-frame XYZ trajectory: atom count, comment
// line, then one line per atom with its symbol and coordinates. Extended
// XYZ is the same, with the cell in the comment line.
#include <cstdint>
#include <string>

#include "common/text_input.hpp"
#include "common/text_output.hpp"
#include "kirne/frame.hpp"
#include "kirne/run_stop.hpp"
#include "kirne/type_map.hpp"

namespace kirne {

struct XyzReading {
  const std::string* path = nullptr;  // FILENAME, for the messages
  // Read the cell from a Lattice key of the comment line (--pbc).
  bool want_lattice = false;
  // Numeric types in the symbol column stand for these symbols (--type-map).
  const TypeMap* type_map = nullptr;
  // Test mode: every atom line also goes to the console and to ttt.xyz.
  common::TextOutput* atom_copy = nullptr;
};

// The symbol at the start of an atom line, in upper case and padded to two
// characters: blanks, tabs, signs and digits in front are passed, the first
// two other characters are kept, and the blank or tab that ends the symbol
// is consumed. A line end also ends it. A line without any symbol
// character is a format error ("Invalid input").
Symbol read_atom_symbol(common::TextInput& input);

// Reads configuration `number` into `frame`. A negative atom count stops the
// run before any atom is read; so does a Lattice that cannot be read. A
// numeric type that the type map does not name, or a coordinate that is no
// number or lies beyond 1e6 A, stops it at that atom's line.
MaybeStop read_xyz_frame(common::TextInput& trajectory, std::int32_t number,
                         const XyzReading& reading, Frame& frame);

}  // namespace kirne
