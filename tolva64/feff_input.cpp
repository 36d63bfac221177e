#include "tolva64/feff_input.hpp"

#include <cmath>

#include "common/atomic_file.hpp"
#include "common/checked_real.hpp"
#include "common/number_layout.hpp"
#include "common/text_input.hpp"
#include "common/text_output.hpp"

namespace tolva64 {

namespace {

std::string coordinates_and_potential(const std::string& x, const std::string& y,
                                      const std::string& z, int feff_potential) {
  return " " + x + " " + y + " " + z + " " + common::integer_layout(feff_potential, 5);
}

// The lookup runs through the whole map: the last entry for the type index
// gives the potential, and every entry for it counts as met. -1: no line.
int feff_potential_of(double type, PotentialMap& map) {
  int potential = -1;
  for (int j = 1; j <= map.count; ++j) {
    if (type == map.type_index[j]) {
      potential = map.feff_potential[j];
      map.unmet_mark[j] = -1;
    }
  }
  return potential;
}

void copy_template(const std::string& template_path, const PotentialRenumbering& renumbering,
                   common::TextOutput& out) {
  common::TextInput in = common::TextInput::open_file(template_path);
  PotentialsCardEditor editor(renumbering);
  while (!in.at_eof()) {
    std::string line = in.read_until_cr_or_lf();
    in.skip_past_cr_or_lf();
    if (!renumbering.leaves_out_any()) {
      out.write(line).end_line();
    } else if (std::optional<std::string> edited = editor.edit(line)) {
      out.write(*edited).end_line();
    }
  }
  in.close();
}

// The potential as feff.inp numbers it; -1: no line.
int written_potential(int potential, const PotentialRenumbering& renumbering) {
  return potential < 0 ? -1 : renumbering.renumbered(potential);
}

void write_atom_lines(const ClusterAtoms& atoms, const PotentialRenumbering& renumbering,
                      PotentialMap& map, common::TextOutput& out) {
  using common::checked_add;
  using common::checked_mul;
  for (std::size_t i = 0; i < atoms.count(); ++i) {
    int potential = written_potential(feff_potential_of(atoms.type[i], map), renumbering);
    if (potential < 0) continue;
    double x = atoms.x[i];
    double y = atoms.y[i];
    double z = atoms.z[i];
    double r2 = checked_add(checked_add(checked_mul(x, x), checked_mul(y, y)), checked_mul(z, z));
    out.write(atom_line(x, y, z, potential, std::sqrt(r2))).end_line();
  }
}

}  // namespace

std::string atom_line(double x, double y, double z, int feff_potential, double distance) {
  using common::fixed_layout;
  return coordinates_and_potential(fixed_layout(x, 10, 5), fixed_layout(y, 10, 5),
                                   fixed_layout(z, 10, 5), feff_potential) +
         " " + fixed_layout(distance, 10, 5);
}

std::string dummy_atom_line(int feff_potential) {
  return dummy_atom_line(feff_potential, feff_potential);
}

std::string dummy_atom_line(int placed_by, int written_potential) {
  float c = static_cast<float>(placed_by) * 100.0f;
  std::string field = common::fixed_layout_single(c, 10, 5);
  return coordinates_and_potential(field, field, field, written_potential) + "  Dummy atom";
}

void mark_types_met(const ClusterAtoms& atoms, PotentialMap& map) {
  for (double type : atoms.type) feff_potential_of(type, map);
}

bool every_entry_met(const PotentialMap& map) {
  for (int j = 1; j <= map.count; ++j) {
    if (map.unmet_mark[j] == 1) return false;
  }
  return true;
}

void compose_feff_input(const std::string& cluster_name, const std::string& template_path,
                        const std::string& input_path, const ClusterAtoms& atoms,
                        const PotentialRenumbering& renumbering, PotentialMap& map) {
  common::TextOutput out = common::create_temporary_for(input_path);
  out.write(" TITLE  Result for FILENAME= ").write(cluster_name).end_line();
  copy_template(template_path, renumbering, out);
  write_atom_lines(atoms, renumbering, map, out);
  for (int j = 1; j <= map.count; ++j) {
    if (map.unmet_mark[j] != 1) continue;
    int original = map.feff_potential[j];
    int potential = original < 0 ? original : renumbering.renumbered(original);
    // The dummy atom of a potential left out goes with it; the others stay
    // where their original number puts them.
    if (original >= 0 && potential < 0) continue;
    out.write(dummy_atom_line(original, potential)).end_line();
  }
  out.write(" END").end_line();
  out.close();
  common::publish_file(common::temporary_name_for(input_path), input_path);
}

}  // namespace tolva64
