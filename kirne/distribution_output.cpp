#include "kirne/distribution_output.hpp"

#include <string>

#include "common/number_layout.hpp"
#include "common/text_output.hpp"

namespace kirne {
namespace {

constexpr const char* NAME_RDF_G2 = "g2_tot.txt";
constexpr const char* NAME_RDF_G3 = "g3_tot.txt";
constexpr const char* NAME_RDF_G4 = "g4_tot.txt";
constexpr const char* EXT = "txt";

void say(const char* progress) {
  common::TextOutput::standard_output().write(progress).end_line();
}

// Counts per used configuration, per absorber and per angstrom. With no used
// configuration, or none of the absorbers in the last one, there is nothing
// to divide by: the table then shows zero at every length, the mean number
// of atoms seen around an absorber when none was looked at, and keeps the
// usual rows so that whatever reads it finds the usual lengths.
double table_value(double count, const RunState& s) {
  if (s.NCL == 0 || s.NCL3 == 0) return 0.0;
  return ((count / static_cast<double>(s.NCL)) / DR) / static_cast<double>(s.NCL3);
}

// One row per bin whose length I * DR is at most MAXR (none when MAXR is NaN).
void write_table(const std::string& name, const common::BoundedTable<double>& counts,
                 const RunState& s) {
  common::TextOutput file = common::TextOutput::create_file(name);
  for (int i = 1; i <= RMAX; ++i) {
    const double r = static_cast<double>(i) * DR;
    if (!(r <= s.MAXR)) break;  // lengths only grow with the bin
    file.write(common::default_layout(table_value(counts[i], s)))
        .write(' ')
        .write(common::fixed_layout(r, 10, 5))
        .end_line();
  }
  file.close();
}

// A one-letter symbol is held with a trailing blank, which no file name wants.
std::string file_symbol(const Symbol& symbol) {
  std::string trimmed = symbol;
  if (trimmed.size() >= 2 && trimmed[1] == ' ') trimmed.erase(1, 1);
  return trimmed;
}

void write_partials(const RunState& s) {
  say("Saving p-RDF. ");
  const std::string absorber = file_symbol(s.POT[s.NAT0]);
  for (int j = 1; j <= s.NPOT && j <= PMAX; ++j) {
    const std::string name = "g2_" + absorber + "-" + file_symbol(s.POTN[j]) + "." + EXT;
    write_table(name, s.PRDF[j], s);
  }
}

}  // namespace

void prdf_save(const RunState& state) {
  if (state.FL_G2) {
    say("Saving G2 (RDF). ");
    write_table(NAME_RDF_G2, state.RDF_G2, state);
  }
  if (state.FL_G3) {
    say("Saving G3. ");
    write_table(NAME_RDF_G3, state.RDF_G3, state);
  }
  if (state.FL_G4) {
    say("Saving G4. ");
    write_table(NAME_RDF_G4, state.RDF_G4, state);
  }
  if (state.FL_G2) write_partials(state);
}

}  // namespace kirne
