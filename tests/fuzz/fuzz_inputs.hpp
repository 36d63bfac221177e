#pragma once
// Inputs for the randomized test: seed trajectories and their mutations,
// argument lists and answer streams, all drawn from one seeded generator.
#include <random>
#include <string>
#include <vector>

namespace kirne_fuzz {

using Random = std::mt19937_64;

// Small hand-made trajectories in the forms real files take, plus the first
// frames of the data sets found in `datasets` (if any).
std::vector<std::string> seed_trajectories(const std::string& datasets);

// A seed changed by a few random edits, a splice of two seeds, noise, or
// copies of a seed whose last copy alone may be edited.
std::string mutated_trajectory(const std::vector<std::string>& seeds, Random& random);

struct Invocation {
  std::vector<std::string> args;
  std::string answers;  // standard input
};

// An argument list for the trajectory md.xyz (argument-list, interactive or
// test mode, sometimes too short or too long) with a matching answer stream.
// A third are argument lists that list every element of the seeds, so that
// runs get as far as writing clusters.
Invocation random_invocation(Random& random);

}  // namespace kirne_fuzz
