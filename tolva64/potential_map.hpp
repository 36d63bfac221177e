#pragma once
// The potential map of pot.dat: which FEFF potential the atoms of each type
// index get, and which entries no atom has carried yet in this run.
#include <cstdint>
#include <string>

#include "common/bounded_table.hpp"
#include "tolva64/run_files.hpp"

namespace tolva64 {

struct PotentialMap {
  int count = 0;                                            // NPOT
  common::BoundedTable<std::int32_t> type_index{"POTN1", kMaxPotentials};      // POTN1
  common::BoundedTable<std::int32_t> feff_potential{"POTN2", kMaxPotentials};  // POTN2
  // 0: slot unused; 1: type not met yet in this run; -1: met. Never reset.
  common::BoundedTable<std::int32_t> unmet_mark{"POTFL", kMaxPotentials};      // POTFL
};

// READPOT: clears the map and reads it from the file. Entry lines start with
// a blank and hold two integers; every other line is passed over. False when
// the file holds more than kMaxPotentials entry lines: the map then holds the
// first kMaxPotentials.
bool read_potential_map(const std::string& path, PotentialMap& map);

// The FEFF potential of a type index, as the input composer gives it: the
// last entry for the type decides; -1 when no entry has it.
int potential_of(double type, const PotentialMap& map);

}  // namespace tolva64
