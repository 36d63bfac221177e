#include "kirne/distribution_output.hpp"

#include <string>

#include "common/number_layout.hpp"
#include "common/text_output.hpp"

namespace kirne {
namespace {

constexpr const char* kG2TableName = "g2_tot.txt";     // NAME_RDF_G2
constexpr const char* kG3TableName = "g3_tot.txt";     // NAME_RDF_G3
constexpr const char* kG4TableName = "g4_tot.txt";     // NAME_RDF_G4
constexpr const char* kPartialTableExtension = "txt";  // EXT

void say(const char* progress) { common::TextOutput::standard_output().write(progress).end_line(); }

// Counts per used configuration, per absorber and per angstrom. With no used
// configuration, or none of the absorbers in the last one, there is nothing
// to divide by: the table then shows zero at every length, the mean number
// of atoms seen around an absorber when none was looked at, and keeps the
// usual rows so that whatever reads it finds the usual lengths.
double table_value(double count, const TableScale& scale) {
  if (scale.configurations_used == 0 || scale.absorbers_per_configuration == 0) return 0.0;
  return ((count / static_cast<double>(scale.configurations_used)) / kBinWidth) /
         static_cast<double>(scale.absorbers_per_configuration);
}

// One row per bin whose length j * kBinWidth is at most the row limit (none
// when the limit is NaN).
void write_table(const std::string& name, const common::BoundedTable<double>& counts,
                 double row_limit, const TableScale& scale) {
  common::TextOutput file = common::TextOutput::create_file(name);
  for (int j = 1; j <= kBinCount; ++j) {
    const double r = static_cast<double>(j) * kBinWidth;
    if (!(r <= row_limit)) break;  // lengths only grow with the bin
    file.write(common::default_layout(table_value(counts[j], scale)))
        .write(' ')
        .write(common::fixed_layout(r, 10, 5))
        .end_line();
  }
  file.close();
}

void write_partials(const Histograms& histograms, const TableScale& scale,
                    const Symbol& absorber_symbol, const std::vector<Symbol>& types) {
  say("Saving p-RDF. ");
  const std::string absorber = file_symbol(absorber_symbol);  // PA
  for (int j = 1; j <= static_cast<int>(types.size()) && j <= kMaxTypes; ++j) {
    const std::string name =
        "g2_" + absorber + "-" + file_symbol(types[j - 1]) + "." + kPartialTableExtension;
    write_table(name, histograms.partial[j], histograms.row_limit, scale);
  }
}

}  // namespace

std::string file_symbol(const Symbol& symbol) {
  std::string trimmed = symbol;
  if (trimmed.size() >= 2 && trimmed[1] == ' ') trimmed.erase(1, 1);
  return trimmed;
}

void write_distribution_tables(const Histograms& histograms, const DistributionChoice& choice,
                               const TableScale& scale, const Symbol& absorber_symbol,
                               const std::vector<Symbol>& types) {
  if (choice.g2) {
    say("Saving G2 (RDF). ");
    write_table(kG2TableName, histograms.g2, histograms.row_limit, scale);
  }
  if (choice.g3) {
    say("Saving G3. ");
    write_table(kG3TableName, histograms.g3, histograms.row_limit, scale);
  }
  if (choice.g4) {
    say("Saving G4. ");
    write_table(kG4TableName, histograms.g4, histograms.row_limit, scale);
  }
  if (choice.g2) write_partials(histograms, scale, absorber_symbol, types);
}

}  // namespace kirne
