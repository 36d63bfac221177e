#pragma once
// The full enumeration of every absorber-atom distance and every closed path,
// written out as plainly as possible, to check the fast accumulation against.
#include <vector>

#include "kirne/run_state.hpp"

namespace reference {

// Counts indexed by bin 1..RMAX (index 0 unused); prdf[type][bin] for
// types 0..PMAX, where type 0 collects the neighbours outside the type table.
struct Histograms {
  std::vector<double> g2 = std::vector<double>(kirne::RMAX + 1, 0.0);
  std::vector<double> g3 = std::vector<double>(kirne::RMAX + 1, 0.0);
  std::vector<double> g4 = std::vector<double>(kirne::RMAX + 1, 0.0);
  std::vector<std::vector<double>> prdf = std::vector<std::vector<double>>(
      kirne::PMAX + 1, std::vector<double>(kirne::RMAX + 1, 0.0));
};

// Adds the contributions of absorber NAT0 of the state's configuration for
// the chosen histograms, visiting every atom, pair and triple.
void brute_force_add(const kirne::RunState& state, Histograms& histograms);

}  // namespace reference
