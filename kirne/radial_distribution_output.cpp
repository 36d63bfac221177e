#include "kirne/radial_distribution_output.hpp"

#include <cmath>
#include <string>

#include "common/number_layout.hpp"
#include "common/text_output.hpp"
#include "kirne/distribution_output.hpp"

namespace kirne {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The volume of the shell that bin j gathers: lengths from (j - 1/2) to
// (j + 1/2) bin widths.
double shell_volume(int j) {
  const double inner = (j - 0.5) * kBinWidth, outer = (j + 0.5) * kBinWidth;
  return 4.0 / 3.0 * kPi * (outer * outer * outer - inner * inner * inner);
}

void write_gr(const std::string& name, const common::BoundedTable<double>& counts,
              double density_sum, double absorbers, double row_limit) {
  common::TextOutput file = common::TextOutput::create_file(name);
  file.write("# r g(r) n(r)").end_line();
  double running = 0.0;
  for (int j = 1; j <= kBinCount; ++j) {
    const double r = static_cast<double>(j) * kBinWidth;
    if (!(r <= row_limit)) break;
    const double g = density_sum > 0.0 ? counts[j] / (density_sum * shell_volume(j)) : 0.0;
    running += counts[j];
    const double n = absorbers > 0.0 ? running / absorbers : 0.0;
    file.write(common::fixed_layout(r, 10, 5)).write(' ').write(common::default_layout(g));
    file.write(' ').write(common::default_layout(n)).end_line();
  }
  file.close();
}

}  // namespace

std::vector<std::int64_t> count_types(const std::vector<std::uint8_t>& type_indices) {
  std::vector<std::int64_t> counts(kMaxTypes + 1, 0);
  for (std::uint8_t index : type_indices) ++counts[index];
  return counts;
}

void add_absorber_densities(const std::vector<std::int64_t>& type_counts, int absorber_type,
                            double volume, DensitySums& densities) {
  densities.absorbers += 1.0;
  std::int64_t others = -1;  // the absorber is no neighbour of its own
  for (int t = 0; t <= kMaxTypes; ++t) {
    const std::int64_t of_type = type_counts[t] - (t == absorber_type ? 1 : 0);
    others += type_counts[t];
    if (t >= 1) densities.by_type[t] += static_cast<double>(of_type) / volume;
  }
  densities.all_types += static_cast<double>(others) / volume;
}

void write_radial_distributions(const Histograms& histograms, const Symbol& absorber_symbol,
                                const std::vector<Symbol>& types) {
  const DensitySums& d = histograms.densities;
  write_gr("gr_tot.txt", histograms.g2, d.all_types, d.absorbers, histograms.row_limit);
  const std::string absorber = file_symbol(absorber_symbol);
  for (int j = 1; j <= static_cast<int>(types.size()) && j <= kMaxTypes; ++j) {
    write_gr("gr_" + absorber + "-" + file_symbol(types[j - 1]) + ".txt", histograms.partial[j],
             d.by_type[j], d.absorbers, histograms.row_limit);
  }
}

}  // namespace kirne
