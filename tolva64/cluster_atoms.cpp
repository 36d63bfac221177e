#include "cluster_atoms.hpp"

#include "common/checked_real.hpp"
#include "common/text_input.hpp"

namespace tolva64 {

void read_cluster_atoms(const std::string& path, ClusterAtoms& atoms) {
  common::TextInput in = common::TextInput::open_file(path);
  atoms.count = 0;
  in.line();  // the "# Cluster: " header says nothing FEFF needs
  while (!in.at_eof()) {
    if (atoms.count == NMAX) {
      stop_on_file(path, "holds more than " + std::to_string(NMAX) + " atoms!");
    }
    int i = ++atoms.count;
    atoms.type[i] = in.read_real();
    atoms.x[i] = in.read_real();
    atoms.y[i] = in.read_real();
    atoms.z[i] = in.read_real();
    in.line();
  }
  in.close();
}

void move_origin_to_absorber(const PotentialMap& map, ClusterAtoms& atoms) {
  double xa = 0.0;
  double ya = 0.0;
  double za = 0.0;
  for (int i = 1; i <= atoms.count; ++i) {
    for (int j = 1; j <= map.count; ++j) {
      if (atoms.type[i] == map.type_index[j] && map.feff_potential[j] == 0) {
        xa = atoms.x[i];
        ya = atoms.y[i];
        za = atoms.z[i];
      }
    }
  }
  for (int i = 1; i <= atoms.count; ++i) {
    atoms.x[i] = common::checked_sub(atoms.x[i], xa);
    atoms.y[i] = common::checked_sub(atoms.y[i], ya);
    atoms.z[i] = common::checked_sub(atoms.z[i], za);
  }
}

}  // namespace tolva64
