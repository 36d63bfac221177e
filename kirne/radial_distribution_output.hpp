#pragma once
// g(r) when the cell is known: gr_tot.txt and one gr_<absorber>-<type>.txt
// per type, each "# r g(r) n(r)": the G2 counts normalised by the number
// density of the neighbours, and the running coordination number.
#include <cstdint>
#include <vector>

#include "kirne/histograms.hpp"
#include "kirne/run_parameters.hpp"

namespace kirne {

// Adds one absorber to the density sums: `type_counts` holds the frame's
// atoms per type index (0 for unlisted ones), `absorber_type` the index of
// the absorber's own element, `volume` the cell's volume.
void add_absorber_densities(const std::vector<std::int64_t>& type_counts, int absorber_type,
                            double volume, DensitySums& densities);

// The atoms of each type index 0..kMaxTypes in a frame.
std::vector<std::int64_t> count_types(const std::vector<std::uint8_t>& type_indices);

// Writes the g(r) files, one row per bin up to the row limit: r in the
// fixed layout 10.5, then g(r) and n(r) in the default real layout.
void write_radial_distributions(const Histograms& histograms, const Symbol& absorber_symbol,
                                const std::vector<Symbol>& types);

}  // namespace kirne
