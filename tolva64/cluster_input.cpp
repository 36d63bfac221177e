#include "tolva64/cluster_input.hpp"

#include "tolva64/console.hpp"
#include "tolva64/feff_input.hpp"
#include "tolva64/input_record.hpp"

namespace tolva64 {

namespace {

// Names the potentials that no atom carries near the absorber; returns the
// renumbering that leaves them out when that was asked for.
PotentialRenumbering look_for_absent_potentials(const common::ClusterEntry& line,
                                                const InputSettings& settings,
                                                const PotentialMap& map,
                                                const ClusterAtoms& atoms,
                                                ClusterInput& input) {
  if (!settings.radius) return PotentialRenumbering();
  std::vector<int> absent = absent_potentials(map, atoms, settings.radius->value);
  if (absent.empty()) return PotentialRenumbering();
  const std::string which = potentials_text(absent);
  const std::string where = " within RMAX " + settings.radius->text + " of the absorber";
  if (settings.drop_absent_potentials) {
    input.notes.push_back(" " + line.name + ": " + which + " without an atom" + where +
                          ", left out of feff.inp.");
    input.left_out = left_out_text(absent);
    return PotentialRenumbering(absent);
  }
  input.warnings.push_back(" Warning: " + line.name + ": no atom of " + which + where +
                           "; FEFF 8.5L fails on such a cluster (--drop-absent-potentials"
                           " leaves them out).");
  return PotentialRenumbering();
}

}  // namespace

InputSettings input_settings_for(const RunFiles& files, const RunOptions& options) {
  return InputSettings{feff_radius(files.feff_template), options.drop_absent_potentials};
}

ClusterInput prepare_feff_input(const common::ClusterEntry& line, const RunFiles& files,
                                const std::string& input_path, const InputSettings& settings,
                                PotentialMap& map, ClusterAtoms& atoms) {
  ClusterInput input;
  if (!read_cluster_atoms(line.name, atoms)) {
    input.status = InputStatus::TooManyAtoms;
    return input;
  }
  input.refusal = cluster_refusal(line.name, atoms);
  if (!input.refusal.empty()) {
    input.status = InputStatus::Refused;
    return input;
  }
  move_origin_to_absorber(map, atoms);
  PotentialRenumbering renumbering =
      look_for_absent_potentials(line, settings, map, atoms, input);
  compose_feff_input(line.name, files.feff_template, input_path, atoms, renumbering, map);
  return input;
}

void print_input_lines(const ClusterInput& input) {
  for (const std::string& line : input.warnings) say_on_both(line);
  for (const std::string& line : input.notes) say(line);
}

std::string left_out_now(const std::string& cluster_name, const InputSettings& settings,
                         const PotentialMap& map, ClusterAtoms& atoms) {
  if (!settings.drop_absent_potentials || !settings.radius) return left_out_text({});
  if (!read_cluster_atoms(cluster_name, atoms)) return "";
  move_origin_to_absorber(map, atoms);
  return left_out_text(absent_potentials(map, atoms, settings.radius->value));
}

}  // namespace tolva64
