#pragma once
// PRDFCALC: the histograms' share of one absorber of one configuration.
#include <cstdint>
#include <vector>

#include "kirne/absorber.hpp"
#include "kirne/frame.hpp"
#include "kirne/histograms.hpp"
#include "kirne/run_parameters.hpp"

namespace kirne {

// Adds the absorber's contributions to the histograms the choice asks for:
// G2 and the partial RDFs by each other atom's distance and type index, G3
// and G4 by the closed paths through the absorber. Paths that could only
// land in bins past Rmax, which no table row shows, may be left out.
void add_absorber_contributions(const Frame& frame, const std::vector<std::uint8_t>& type_indices,
                                const Absorber& absorber, const DistributionChoice& choice,
                                double cluster_radius, Histograms& histograms);

}  // namespace kirne
