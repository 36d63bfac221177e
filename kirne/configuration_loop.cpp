#include "kirne/configuration_loop.hpp"

#include <cmath>
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
#include "kirne/neighbour_search.hpp"
#include "kirne/number_limits.hpp"
#include "kirne/radial_distribution_output.hpp"
#include "kirne/reading_progress.hpp"
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

// With --pbc a used configuration is measured in its own cell or the one
// given; it needs one, and one wide enough that no atom within Rmax has a
// second image within Rmax.
MaybeStop settle_cell(const RunParameters& parameters, Frame& frame) {
  if (!frame.cell) frame.cell = parameters.given_cell;
  if (!parameters.periodic) return std::nullopt;
  const std::string configuration =
      "configuration " + frame.label + " of " + parameters.trajectory_path;
  if (!frame.cell) {
    return RunStop{" With --pbc every configuration needs a cell, and " + configuration +
                   " has none. Give it with --cell, or use extended XYZ (Lattice=\"...\") "
                   "or a LAMMPS dump."};
  }
  const double half_width = 0.5 * frame.cell->smallest_width();
  if (std::fabs(parameters.cluster_radius) <= half_width) return std::nullopt;
  return RunStop{" Rmax " + message_number(parameters.cluster_radius) +
                 " is more than half the smallest width of the cell of " + configuration + " (" +
                 message_number(half_width) +
                 "): an atom would be seen more than once. Choose a smaller Rmax."};
}

// What every absorber of a used configuration shares.
struct UsedFrame {
  const Frame& frame;
  const std::vector<std::uint8_t>& type_indices;
  const NeighbourSearch& search;
  std::vector<std::int64_t> type_counts;  // with --pbc, for g(r)
  Neighbourhood around;                   // reused from absorber to absorber
};

// One absorber: its position, its cluster, then its share of the histograms.
void process_absorber(const RunParameters& parameters, UsedFrame& used, Absorber& absorber,
                      RunFiles& files, Histograms& histograms) {
  const Frame& frame = used.frame;
  const std::size_t i = absorber.index();
  absorber.x = frame.x[i];
  absorber.y = frame.y[i];
  absorber.z = frame.z[i];
  if (diagnosing(parameters, frame)) {
    print_shift(frame, absorber);
    pause_for_enter();
  }
  used.search.find(i, used.around);
  write_cluster(parameters, frame, used.around, used.type_indices, absorber, files.cluster_list);
  if (!parameters.distributions.any()) return;
  add_absorber_contributions(used.around, used.type_indices, parameters.distributions,
                             parameters.cluster_radius, histograms);
  if (parameters.periodic) {
    const std::vector<std::uint8_t> own = type_indices({frame.symbols[i]}, parameters.types);
    add_absorber_densities(used.type_counts, own[0], frame.cell->volume(), histograms.densities);
  }
}

// The absorbers of a used configuration: the fixed one, or every atom of the
// absorber type among the first n.
void process_absorbers(const RunParameters& parameters, UsedFrame& used, Absorber& absorber,
                       RunFiles& files, Histograms& histograms, std::int32_t& absorbers) {
  absorbers = 0;
  if (!parameters.several_absorbers()) {
    absorber.label.clear();
    process_absorber(parameters, used, absorber, files, histograms);
    absorbers = 1;
  } else {
    for (std::int32_t k = 1; k <= parameters.absorber_scan; ++k) {
      if (used.frame.symbols[k - 1] != parameters.absorber_type()) continue;
      absorbers += 1;
      absorber.number = k;
      absorber.label = "_" + std::to_string(k);
      process_absorber(parameters, used, absorber, files, histograms);
    }
  }
  if (diagnosing(parameters, used.frame)) out().write("TOLVA finished.").end_line();
}

// A used configuration: its checks, then its absorbers' clusters and
// histograms. Every atom must have a listed type before any cluster is
// written.
MaybeStop use_configuration(const RunParameters& parameters, Frame& frame, Absorber& absorber,
                            RunFiles& files, Histograms& histograms, RunCounts& counts) {
  if (MaybeStop stop = check_absorbers_present(parameters, frame, absorber)) return stop;
  if (MaybeStop stop = settle_cell(parameters, frame)) return stop;
  const std::vector<std::uint8_t> indices = type_indices(frame.symbols, parameters.types);
  const std::int32_t aside = parameters.several_absorbers() ? 0 : absorber.number;
  if (MaybeStop stop = check_listed_types(frame.symbols, indices, aside)) return stop;
  const PeriodicCell* cell = parameters.periodic ? &*frame.cell : nullptr;
  const NeighbourSearch search(frame, cell, search_radius(parameters.cluster_radius));
  UsedFrame used{frame, indices, search, {}, {}};
  if (parameters.periodic) used.type_counts = count_types(indices);
  process_absorbers(parameters, used, absorber, files, histograms, counts.absorbers_in_last_used);
  return std::nullopt;
}

}  // namespace

MaybeStop walk_configurations(const RunParameters& parameters, RunFiles& files, RunCounts& counts,
                              Histograms& histograms, Symbol& absorber_symbol) {
  Frame frame;
  Absorber absorber;
  ConfigurationSelection selection(parameters.skip_first, parameters.skip_between);
  // Test mode fills the console with atom lines; it shows no progress.
  ReadingProgress progress(parameters.trajectory_path, parameters.mode != RunMode::Test);
  absorber_symbol = "  ";
  while (!files.trajectory.finished() &&
         counts.configurations_read < parameters.configuration_limit) {
    counts.configurations_read += 1;
    MaybeStop stop =
        files.trajectory.read(counts.configurations_read, frame, files.atom_copy_or_null());
    if (!stop) {
      stop = settle_absorber_and_row_limit(parameters, frame, absorber, histograms.row_limit);
    }
    if (!stop && selection.use_next()) {
      counts.configurations_used += 1;
      stop = use_configuration(parameters, frame, absorber, files, histograms, counts);
    }
    if (stop) return stop;
    if (absorber.number <= frame.atom_count()) absorber_symbol = frame.symbols[absorber.index()];
    progress.update(files.trajectory.bytes_read());
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
