#pragma once
// Potentials without an atom near the absorber. FEFF 8.5L fails, silently,
// on a cluster in which a potential of its input is carried only by atoms
// beyond the cluster's FEFF radius (RMAX of feff.dat): a dummy atom or a
// placeholder. Such a cluster is named before FEFF runs; on request its
// feff.inp leaves those potentials out and numbers the rest anew, in the
// POTENTIALS card as in the atom lines, so FEFF can run it.
#include <optional>
#include <string>
#include <vector>

#include "tolva64/cluster_atoms.hpp"
#include "tolva64/potential_map.hpp"

namespace tolva64 {

struct FeffRadius {
  double value = 0.0;
  std::string text;  // as written in feff.dat
};

// RMAX of the template: the number after the first line whose first word is
// RMAX, in any case. Nothing when there is no such line.
std::optional<FeffRadius> feff_radius(const std::string& template_path);

// The potentials the map gives (0 and up, each once, rising) that no atom
// of the cluster carries within the radius of the absorber at the origin.
std::vector<int> absent_potentials(const PotentialMap& map, const ClusterAtoms& atoms,
                                   double radius);

// "potential 2", "potentials 2, 3"
std::string potentials_text(const std::vector<int>& potentials);

// Potential numbers with the absent ones left out: each later potential
// moves down by the number left out below it.
class PotentialRenumbering {
 public:
  PotentialRenumbering() = default;
  explicit PotentialRenumbering(std::vector<int> absent) : absent_(std::move(absent)) {}
  bool leaves_out_any() const { return !absent_.empty(); }
  // The new number; -1 for a potential left out.
  int renumbered(int potential) const;

 private:
  std::vector<int> absent_;
};

// Follows the template line by line and gives each line as feff.inp gets
// it: lines of the POTENTIALS card renumbered, or nothing for a potential
// left out; every other line as it is.
class PotentialsCardEditor {
 public:
  explicit PotentialsCardEditor(const PotentialRenumbering& renumbering)
      : renumbering_(renumbering) {}
  std::optional<std::string> edit(const std::string& line);

 private:
  const PotentialRenumbering& renumbering_;
  bool in_card_ = false;
};

}  // namespace tolva64
