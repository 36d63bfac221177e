#pragma once
// COMPOSEINP: writes FEFF's input for one cluster file.
#include <string>

#include "tolva64/absent_potentials.hpp"
#include "tolva64/cluster_atoms.hpp"
#include "tolva64/potential_map.hpp"

namespace tolva64 {

// One atom line: x, y, z and the distance in the fixed layout 10.5, the FEFF
// potential in the integer layout 5, a blank before each; wide values shift
// the rest of the line.
std::string atom_line(double x, double y, double z, int feff_potential, double distance);

// The line that stands in for a potential no atom has carried yet: its
// coordinates are 100 times the potential, in single precision.
std::string dummy_atom_line(int feff_potential);
// As above, placed by the map's potential and written with its new number.
std::string dummy_atom_line(int placed_by, int written_potential);

// COMPOSEINP: writes `input_path` for the cluster's atoms, already read and
// moved onto the absorber: the title line, the template copied line by line,
// one line per atom the map gives a potential, the dummy-atom lines of the
// entries still unmet, and " END". Marks every map entry whose type index
// occurs in the cluster as met. With a renumbering that leaves potentials
// out, their card lines, atoms and dummy atoms are left out and the other
// potentials numbered anew. The file appears whole: it is written under a
// temporary name, created afresh, and renamed into place.
void compose_feff_input(const std::string& cluster_name, const std::string& template_path,
                        const std::string& input_path, const ClusterAtoms& atoms,
                        const PotentialRenumbering& renumbering, PotentialMap& map);

// Marks the entries of every type index that occurs among the atoms as met,
// exactly as composing the cluster's input would, without writing anything.
void mark_types_met(const ClusterAtoms& atoms, PotentialMap& map);

// True when no entry waits for its type index any more: later clusters can
// then change no mark.
bool every_entry_met(const PotentialMap& map);

}  // namespace tolva64
