#pragma once
// One configuration of the trajectory as read: its number, comment line and
// atoms. The atom tables are sized to the configuration; atom number n (as
// the user counts, from 1) is entry n - 1.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "kirne/periodic_cell.hpp"
#include "kirne/symbol.hpp"

namespace kirne {

struct Frame {
  std::int32_t number = 0;      // NCL: counted over every configuration read, skipped ones too
  std::string label;            // NCLST: the number in decimal
  std::string comment;          // STCOM: the second line, without its line end
  std::vector<Symbol> symbols;  // POT: upper case, a one-letter symbol padded with a blank
  std::vector<double> x, y, z;  // X, Y, Z: in angstrom, as read
  // The frame's own cell (an extended XYZ Lattice, a dump's box), if any.
  std::optional<PeriodicCell> cell;

  std::int32_t atom_count() const { return static_cast<std::int32_t>(x.size()); }  // NAT
  // Sizes every table for `count` atoms; capacity stays, so memory follows
  // the largest configuration read. Readers grow the tables as atom lines
  // come, so a count that promises more lines than the file holds never
  // asks for memory beyond what was read.
  void resize(std::int32_t count) {
    const auto n = static_cast<std::size_t>(count);
    symbols.resize(n);
    x.resize(n);
    y.resize(n);
    z.resize(n);
  }
};

}  // namespace kirne
