#include "tolva64/scratch_run.hpp"

#include <csignal>

#include "common/cluster_list.hpp"
#include "common/file_system.hpp"
#include "tolva64/cluster_window.hpp"
#include "tolva64/console.hpp"
#include "tolva64/feff_input.hpp"
#include "tolva64/orderly_stop.hpp"
#include "tolva64/scratch_directory.hpp"
#include "tolva64/spectrum_files.hpp"

namespace tolva64 {

namespace {

// What composing the cluster's input would do to the marks, for a cluster
// whose input is not written here. Once every entry is met, nothing can
// change, and the file is not even read.
void mark_types_of(const std::string& cluster_name, PotentialMap& map, ClusterAtoms& atoms) {
  if (every_entry_met(map)) return;
  if (!read_cluster_atoms(cluster_name, atoms)) stop_on_cluster_size(cluster_name);
  mark_types_met(atoms, map);
}

struct ClusterLine {
  int number = 0;
  std::string name;
  std::string suffix;
};

void handle_cluster(const ClusterLine& line, const RunFiles& files, const RunOptions& options,
                    PotentialMap& map, ClusterAtoms& atoms, ClusterWindow& window) {
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
  if (!compose_feff_input(line.name, files.feff_template, scratch + "/" + files.feff_input, map,
                          atoms)) {
    // The clusters before it end, and it shows its lines, as in a plain run.
    window.finish_all();
    print_cluster_lines(line.name);
    stop_on_cluster_size(line.name);
  }
  window.start(line.number, line.name, line.suffix, scratch);
}

void walk_cluster_list(const RunFiles& files, const RunOptions& options,
                       SpectrumTotals& totals) {
  // FEFF runs are waited for one by one; an inherited "ignore" would let
  // them vanish unseen.
  std::signal(SIGCHLD, SIG_DFL);
  common::ClusterListReader list(files.cluster_list);
  PotentialMap map;
  if (!read_potential_map(files.potential_map, map)) stop_on_map_size(files.potential_map);
  ClusterAtoms atoms;
  ClusterWindow window(options.jobs, options.keep_scratch, files, totals);
  while (std::optional<common::ClusterEntry> entry = list.next()) {
    if (!common::file_exists(entry->name)) {
      // The clusters before it end as they would have in a plain run.
      window.finish_all();
      check_cluster_file(entry->number, entry->name, files);
    }
    ClusterLine line{entry->number, entry->name, common::cluster_suffix(entry->number)};
    handle_cluster(line, files, options, map, atoms, window);
  }
  list.close();
  window.finish_all();
}

}  // namespace

int run_in_scratch(const RunFiles& files, const RunOptions& options) {
  SpectrumTotals totals;

  print_banner();                                   // 1. banner
  check_required_files(files);                      // 2. the four required files
  walk_cluster_list(files, options, totals);        // 3. the clusters, N at a time
  if (options.shard) {
    print_shard_closing_lines(*options.shard);      // 4. a shard leaves the totals alone
    return kExitDone;
  }
  write_averages(totals);                           // 4. xt_tot.txt, mu_tot.txt
  print_closing_lines(totals.chi.files > 0, totals.mu.files > 0);  // 5. closing lines
  return kExitDone;
}

}  // namespace tolva64
