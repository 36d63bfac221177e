#include "kirne/distribution_accumulator.hpp"

#include <cmath>

#include "kirne/distribution_bins.hpp"
#include "kirne/distribution_paths.hpp"

namespace kirne {
namespace {

// G2 and the partial RDFs: each atom but the absorber once, by its distance.
void add_distances(const Neighbourhood& around, const std::vector<std::uint8_t>& type_indices,
                   Histograms& histograms) {
  for (std::size_t k = 0; k < around.size(); ++k) {
    if (k == around.absorber) continue;
    const double dx = around.dx[k], dy = around.dy[k], dz = around.dz[k];
    const int bin = length_bin(std::sqrt((dx * dx + dy * dy) + dz * dz));
    if (bin == 0) continue;
    histograms.g2[bin] += 1.0;
    // An atom whose symbol is not in the type table has index 0 and no file
    // of its own to appear in, so only the total keeps its count.
    const int type = type_indices[around.atoms[k]];
    if (type >= 1 && type <= kMaxTypes) histograms.partial[type][bin] += 1.0;
  }
}

}  // namespace

void add_absorber_contributions(const Neighbourhood& around,
                                const std::vector<std::uint8_t>& type_indices,
                                const DistributionChoice& choice, double cluster_radius,
                                Histograms& histograms) {
  if (choice.g2) add_distances(around, type_indices, histograms);
  if (!choice.g3 && !choice.g4) return;
  PathFrame paths;
  paths.x = around.x.data();
  paths.y = around.y.data();
  paths.z = around.z.data();
  paths.atom_count = static_cast<int>(around.size());
  paths.absorber = static_cast<int>(around.absorber);
  add_closed_paths(paths, last_visible_bin(cluster_radius),
                   choice.g3 ? histograms.g3.data() : nullptr,
                   choice.g4 ? histograms.g4.data() : nullptr);
}

}  // namespace kirne
