#include "tolva64/scratch_run.hpp"

#include <csignal>

#include "tolva64/cluster_window.hpp"
#include "common/file_system.hpp"
#include "common/cluster_list.hpp"
#include "common/text_output.hpp"
#include "tolva64/feff_input.hpp"
#include "tolva64/run_driver.hpp"
#include "tolva64/scratch_directory.hpp"

namespace tolva64 {

namespace {

// What composing the cluster's input would do to the marks, for a cluster
// whose input is not written here. Once every entry is met, nothing can
// change, and the file is not even read.
void mark_types_of(const std::string& cluster_name, PotentialMap& map, common::ClusterAtoms& atoms) {
  if (every_entry_met(map)) return;
  read_cluster_atoms(cluster_name, atoms);
  mark_types_met(atoms, map);
}

struct ClusterLine {
  int number = 0;
  std::string name;
  std::string suffix;
};

void handle_cluster(const ClusterLine& line, const RunFiles& files, const RunOptions& options,
                    PotentialMap& map, common::ClusterAtoms& atoms, ClusterWindow& window) {
  bool ours = !options.shard || options.shard->holds(line.number);
  if (!ours || cluster_done(line.suffix)) {
    if (options.shard) mark_types_of(line.name, map, atoms);
    if (!ours) return;
    // A run stopped between keeping the results and removing the scratch
    // directory leaves it behind; nothing will use it again.
    if (!options.keep_scratch) remove_scratch_directory(scratch_directory_for(line.suffix));
    window.add_done(line.number, line.name);
    return;
  }
  window.make_room();
  std::string scratch = scratch_directory_for(line.suffix);
  prepare_scratch_directory(scratch);
  compose_feff_input(line.name, files.feff_template, scratch + "/" + files.feff_input, map,
                     atoms);
  window.start(line.number, line.name, line.suffix, scratch);
}

}  // namespace

void walk_cluster_list_in_scratch(const RunFiles& files, const RunOptions& options,
                                  SpectrumTotals& totals) {
  // FEFF runs are waited for one by one; an inherited "ignore" would let
  // them vanish unseen.
  std::signal(SIGCHLD, SIG_DFL);
  common::ClusterListReader list(files.cluster_list);
  PotentialMap map;
  read_potential_map(files.potential_map, map);
  common::ClusterAtoms atoms;
  ClusterWindow window(options.jobs, options.keep_scratch, files, totals);
  while (std::optional<common::ClusterEntry> entry = list.next()) {
    if (!common::file_exists(entry->name)) {
      // The clusters before it end as they would have in a plain run.
      window.finish_all();
      stop_on_cluster_line(entry->number, files.cluster_list);
    }
    ClusterLine line{entry->number, entry->name, common::cluster_suffix(entry->number)};
    handle_cluster(line, files, options, map, atoms, window);
  }
  list.close();
  window.finish_all();
}

void print_shard_closing_lines(const Shard& shard) {
  common::TextOutput& console = common::TextOutput::standard_output();
  console.write(" ").end_line();
  console.write(std::string(65, '_')).end_line();
  console.write("Calculations done.").end_line();
  console.write("Shard " + std::to_string(shard.index) + "/" + std::to_string(shard.count) +
                ": per-cluster files only. Once every shard is done, run tolva64 --average.")
      .end_line();
}

}  // namespace tolva64
