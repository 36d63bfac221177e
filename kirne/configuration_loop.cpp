#include "kirne/configuration_loop.hpp"

#include <cstdint>
#include <string>
#include <vector>

#include "common/checked_real.hpp"
#include "common/number_layout.hpp"
#include "common/text_output.hpp"
#include "kirne/absorber.hpp"
#include "kirne/absorber_choice.hpp"
#include "kirne/cluster_writer.hpp"
#include "kirne/configuration_selection.hpp"
#include "kirne/console_dialog.hpp"
#include "kirne/distribution_accumulator.hpp"
#include "kirne/frame.hpp"
#include "kirne/trajectory_reader.hpp"
#include "kirne/type_table.hpp"

namespace kirne {

namespace {

common::TextOutput& out() { return common::TextOutput::standard_output(); }

bool diagnosing(const RunParameters& parameters, const Frame& frame) {
  return parameters.mode == RunMode::Test && frame.number == 1;
}

// Configuration 1 with one absorber per configuration fixes the absorber and
// may lower the row limit; every other configuration sets it to Rmax. Either
// way it never exceeds Rmax.
MaybeStop settle_absorber_and_row_limit(const RunParameters& parameters, const Frame& frame,
                                        Absorber& absorber, double& row_limit) {
  if (frame.number == 1 && !parameters.several_absorbers()) {
    if (MaybeStop stop = choose_absorber(frame, parameters, row_limit, absorber.number)) {
      return stop;
    }
  } else {
    row_limit = parameters.cluster_radius;
  }
  if (row_limit > parameters.cluster_radius) row_limit = parameters.cluster_radius;
  return std::nullopt;
}

// An absorber past the configuration's atoms would be a ghost, so the run
// stops instead.
MaybeStop check_absorbers_present(const RunParameters& parameters, const Frame& frame,
                                  const Absorber& absorber) {
  const bool several = parameters.several_absorbers();
  const std::int32_t highest = several ? parameters.absorber_scan : absorber.number;
  if (highest <= frame.atom_count()) return std::nullopt;
  const std::string configuration =
      "configuration " + frame.label + " of " + parameters.trajectory_path;
  const std::string atoms = std::to_string(frame.atom_count()) + " atoms !!!";
  if (several) {
    return RunStop{" Absorbers are looked for among atoms 1 to " +
                   std::to_string(parameters.absorber_scan) + ", but " + configuration + " has " +
                   atoms};
  }
  return RunStop{" Absorber atom " + std::to_string(absorber.number) + " is not present in " +
                 configuration + ", which has " + atoms};
}

void print_shift(const Frame& frame, const Absorber& absorber) {
  const std::size_t i = absorber.index();
  out().write("Central atom coordinates after shift: ");
  out().write(common::scientific_layout(common::checked_sub(frame.x[i], absorber.x), 12));
  out().write(' ');
  out().write(common::scientific_layout(common::checked_sub(frame.y[i], absorber.y), 12));
  out().write(' ');
  out().write(common::scientific_layout(common::checked_sub(frame.z[i], absorber.z), 12));
  out().end_line();
}

// One absorber: its position, its cluster, then its share of the histograms.
void process_absorber(const RunParameters& parameters, const Frame& frame,
                      const std::vector<std::uint8_t>& type_indices, Absorber& absorber,
                      RunFiles& files, Histograms& histograms) {
  const std::size_t i = absorber.index();
  absorber.x = frame.x[i];
  absorber.y = frame.y[i];
  absorber.z = frame.z[i];
  if (diagnosing(parameters, frame)) {
    print_shift(frame, absorber);
    pause_for_enter();
  }
  write_cluster(parameters, frame, type_indices, absorber, files.cluster_list);
  if (!parameters.distributions.any()) return;
  add_absorber_contributions(frame, type_indices, absorber, parameters.distributions,
                             parameters.cluster_radius, histograms);
}

// The absorbers of a used configuration: the fixed one, or every atom of the
// absorber type among the first n. Gives back how many there were.
std::int32_t process_absorbers(const RunParameters& parameters, const Frame& frame,
                               Absorber& absorber, RunFiles& files, Histograms& histograms) {
  const std::vector<std::uint8_t> indices = type_indices(frame.symbols, parameters.types);
  std::int32_t absorbers = 0;
  if (!parameters.several_absorbers()) {
    absorber.label.clear();
    process_absorber(parameters, frame, indices, absorber, files, histograms);
    absorbers = 1;
  } else {
    for (std::int32_t k = 1; k <= parameters.absorber_scan; ++k) {
      if (frame.symbols[k - 1] != parameters.absorber_type()) continue;
      absorbers += 1;
      absorber.number = k;
      absorber.label = "_" + std::to_string(k);
      process_absorber(parameters, frame, indices, absorber, files, histograms);
    }
  }
  if (diagnosing(parameters, frame)) out().write("TOLVA finished.").end_line();
  return absorbers;
}

}  // namespace

MaybeStop walk_configurations(const RunParameters& parameters, RunFiles& files, RunCounts& counts,
                              Histograms& histograms, Symbol& absorber_symbol) {
  Frame frame;
  Absorber absorber;
  ConfigurationSelection selection(parameters.skip_first, parameters.skip_between);
  absorber_symbol = "  ";
  while (!trajectory_finished(files.trajectory) &&
         counts.configurations_read < parameters.configuration_limit) {
    counts.configurations_read += 1;
    MaybeStop stop =
        read_configuration(files.trajectory, counts.configurations_read, parameters.trajectory_path,
                           frame, files.atom_copy_or_null());
    if (!stop)
      stop = settle_absorber_and_row_limit(parameters, frame, absorber, histograms.row_limit);
    if (!stop && selection.use_next()) {
      counts.configurations_used += 1;
      stop = check_absorbers_present(parameters, frame, absorber);
      if (!stop) {
        counts.absorbers_in_last_used =
            process_absorbers(parameters, frame, absorber, files, histograms);
      }
    }
    if (stop) return stop;
    if (absorber.number <= frame.atom_count()) absorber_symbol = frame.symbols[absorber.index()];
  }
  return std::nullopt;
}

void print_statistics(const RunCounts& counts) {
  out().end_line().write("Number of clusters: ").end_line();
  out().write("   Total: ").write_integer(counts.configurations_read).end_line();
  out().write("   Used: ").write_integer(counts.configurations_used).end_line();
  out().write("   Absorbers in each used cluster: ");
  out().write_integer(counts.absorbers_in_last_used).end_line();
  out().end_line();
}

}  // namespace kirne
