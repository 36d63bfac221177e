#pragma once
// The full enumeration of every absorber-atom distance and every closed path,
// written out as plainly as possible, to check the fast accumulation against.
#include <cstdint>
#include <vector>

#include "kirne/frame.hpp"
#include "kirne/run_parameters.hpp"

namespace reference {

// Counts indexed by bin 1..kBinCount (index 0 unused); partial[type][bin]
// for types 0..kMaxTypes, where type 0 collects the neighbours outside the
// type table.
struct Histograms {
  std::vector<double> g2 = std::vector<double>(kirne::kBinCount + 1, 0.0);
  std::vector<double> g3 = std::vector<double>(kirne::kBinCount + 1, 0.0);
  std::vector<double> g4 = std::vector<double>(kirne::kBinCount + 1, 0.0);
  std::vector<std::vector<double>> partial = std::vector<std::vector<double>>(
      kirne::kMaxTypes + 1, std::vector<double>(kirne::kBinCount + 1, 0.0));
};

// Adds the contributions of the absorber (an index into the frame's atoms)
// for the chosen histograms, visiting every atom, pair and triple.
void brute_force_add(const kirne::Frame& frame, const std::vector<std::uint8_t>& type_indices,
                     std::size_t absorber, const kirne::DistributionChoice& choice,
                     Histograms& histograms);

}  // namespace reference
