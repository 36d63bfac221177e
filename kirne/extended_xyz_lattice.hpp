#pragma once
// The cell of an extended XYZ frame: Lattice="ax ay az bx by bz cx cy cz"
// anywhere among the key=value pairs of its comment line.
#include <optional>
#include <string>
#include <string_view>

#include "kirne/periodic_cell.hpp"

namespace kirne {

struct LatticeReading {
  std::optional<PeriodicCell> cell;  // none when the line has no Lattice key
  std::string problem;               // why a Lattice value was refused; empty when none was
};

// Reads the pairs of the comment line: blanks separate them, a value that
// holds blanks is wrapped in double quotes (a backslash keeps the next
// character), and a key alone is a flag. Every key but Lattice (any letter
// case) is passed over.
LatticeReading read_lattice(std::string_view comment);

}  // namespace kirne
