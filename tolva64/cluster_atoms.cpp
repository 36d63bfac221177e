#include "tolva64/cluster_atoms.hpp"

#include "common/checked_real.hpp"
#include "tolva64/run_files.hpp"

namespace tolva64 {

bool read_cluster_atoms(const std::string& path, ClusterAtoms& atoms) {
  return common::read_cluster_file(path, kMaxClusterAtoms, atoms) ==
         common::ClusterReadStatus::Complete;
}

std::string cluster_refusal(const std::string& cluster_name, const ClusterAtoms& atoms) {
  if (atoms.count() == 0) return "the cluster file " + cluster_name + " holds no atom lines";
  for (double type : atoms.type) {
    if (type == 0.0) return "";
  }
  return "the cluster file " + cluster_name + " has no absorber line (type index 0)";
}

void move_origin_to_absorber(const PotentialMap& map, ClusterAtoms& atoms) {
  double xa = 0.0;
  double ya = 0.0;
  double za = 0.0;
  for (std::size_t i = 0; i < atoms.count(); ++i) {
    for (int j = 1; j <= map.count; ++j) {
      if (atoms.type[i] == map.type_index[j] && map.feff_potential[j] == 0) {
        xa = atoms.x[i];
        ya = atoms.y[i];
        za = atoms.z[i];
      }
    }
  }
  for (std::size_t i = 0; i < atoms.count(); ++i) {
    atoms.x[i] = common::checked_sub(atoms.x[i], xa);
    atoms.y[i] = common::checked_sub(atoms.y[i], ya);
    atoms.z[i] = common::checked_sub(atoms.z[i], za);
  }
}

}  // namespace tolva64
