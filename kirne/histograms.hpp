#pragma once
// The distribution histograms: counts per bin held as doubles, growing over
// the whole run. Bin j (1..kBinCount) stands for the length j * kBinWidth.
#include <array>

#include "common/bounded_table.hpp"
#include "kirne/run_parameters.hpp"

namespace kirne {

// What g(r) is normalised by, summed over every absorber looked at in a
// periodic cell: each type's number density around it (itself not counted).
struct DensitySums {
  double absorbers = 0.0;
  double all_types = 0.0;                       // every other atom per cubic angstrom
  std::array<double, kMaxTypes + 1> by_type{};  // by type index 1..kMaxTypes
};

struct Histograms {
  common::BoundedTable<double> g2{"G2", kBinCount, 0.0};  // RDF_G2
  common::BoundedTable<double> g3{"G3", kBinCount, 0.0};  // RDF_G3
  common::BoundedTable<double> g4{"G4", kBinCount, 0.0};  // RDF_G4
  // PRDF: G2 split by the neighbour's type index, rows 1..kMaxTypes.
  common::BoundedTable<common::BoundedTable<double>> partial{
      "partial G2", kMaxTypes, common::BoundedTable<double>("partial G2 row", kBinCount, 0.0)};
  // MAXR: the tables show rows up to this length. Configuration 1 may lower
  // it to its smallest half extent, and every configuration clips it to Rmax.
  double row_limit = 500000.0;
  DensitySums densities;  // with --pbc only
};

}  // namespace kirne
