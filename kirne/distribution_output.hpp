#pragma once
// PRDFSAVE: the histograms as two-column tables, value then length.
#include <cstdint>
#include <string>
#include <vector>

#include "kirne/histograms.hpp"
#include "kirne/run_parameters.hpp"

namespace kirne {

// What the counts are divided by: every table value is a count per used
// configuration, per absorber and per angstrom.
struct TableScale {
  std::int32_t configurations_used = 0;          // NCL once the loop has ended: used, not read
  std::int32_t absorbers_per_configuration = 0;  // NCL3: as counted in the last used one
};

// A symbol as table names show it: a one-letter symbol is held with a
// trailing blank, which no file name wants ("O " -> "O").
std::string file_symbol(const Symbol& symbol);

// Writes g2_tot.txt, g3_tot.txt, g4_tot.txt and the partial RDFs
// g2_<absorber>-<type>.txt that the choice asks for, one row per bin up to
// the histograms' row limit, each preceded by its progress line.
void write_distribution_tables(const Histograms& histograms, const DistributionChoice& choice,
                               const TableScale& scale, const Symbol& absorber_symbol,
                               const std::vector<Symbol>& types);

}  // namespace kirne
