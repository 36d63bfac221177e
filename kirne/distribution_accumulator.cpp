#include "kirne/distribution_accumulator.hpp"

#include <string>

#include "common/failure.hpp"
#include "kirne/distribution_bins.hpp"
#include "kirne/distribution_paths.hpp"

namespace kirne {
namespace {

// G2 and the partial RDFs: each atom but the absorber once, by its distance.
void add_distances(const Frame& frame, const std::vector<std::uint8_t>& type_indices,
                   std::size_t absorber, Histograms& histograms) {
  const double xa = frame.x[absorber], ya = frame.y[absorber], za = frame.z[absorber];
  for (std::size_t i = 0; i < frame.x.size(); ++i) {
    if (i == absorber) continue;
    const int bin = length_bin(leg_length(frame.x[i], frame.y[i], frame.z[i], xa, ya, za));
    if (bin == 0) continue;
    histograms.g2[bin] += 1.0;
    // An atom whose symbol is not in the type table has index 0 and no file
    // of its own to appear in, so only the total keeps its count.
    const int type = type_indices[i];
    if (type >= 1 && type <= kMaxTypes) histograms.partial[type][bin] += 1.0;
  }
}

}  // namespace

void add_absorber_contributions(const Frame& frame, const std::vector<std::uint8_t>& type_indices,
                                const Absorber& absorber, const DistributionChoice& choice,
                                double cluster_radius, Histograms& histograms) {
  // The absorber is one of the configuration's atoms; anything else is a
  // fault of the loop that chose it.
  if (absorber.number < 1 || absorber.number > frame.atom_count()) {
    common::program_fault("absorber " + std::to_string(absorber.number) + " outside the frame");
  }
  if (choice.g2) add_distances(frame, type_indices, absorber.index(), histograms);
  if (!choice.g3 && !choice.g4) return;
  PathFrame paths;
  paths.x = frame.x.data();
  paths.y = frame.y.data();
  paths.z = frame.z.data();
  paths.atom_count = frame.atom_count();
  paths.absorber = static_cast<int>(absorber.index());
  add_closed_paths(paths, last_visible_bin(cluster_radius),
                   choice.g3 ? histograms.g3.data() : nullptr,
                   choice.g4 ? histograms.g4.data() : nullptr);
}

}  // namespace kirne
