#pragma once
// PRDFCALC: the histograms' share of one absorber of one configuration.
#include <cstdint>
#include <vector>

#include "kirne/histograms.hpp"
#include "kirne/neighbour_search.hpp"
#include "kirne/run_parameters.hpp"

namespace kirne {

// Adds the absorber's contributions to the histograms the choice asks for:
// G2 and the partial RDFs by each other atom's distance and type index (the
// frame's, indexed by atom), G3 and G4 by the closed paths through the
// absorber, all on the neighbourhood's vectors and positions. What could
// only land in bins past Rmax, which no table row shows, may be left out,
// so the neighbourhood need reach no further than search_radius(Rmax).
void add_absorber_contributions(const Neighbourhood& around,
                                const std::vector<std::uint8_t>& type_indices,
                                const DistributionChoice& choice, double cluster_radius,
                                Histograms& histograms);

}  // namespace kirne
