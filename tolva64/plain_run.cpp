#include "tolva64/plain_run.hpp"

#include "common/cluster_list.hpp"
#include "common/file_system.hpp"
#include "tolva64/cluster_results.hpp"
#include "tolva64/console.hpp"
#include "tolva64/feff_input.hpp"
#include "tolva64/feff_process.hpp"
#include "tolva64/orderly_stop.hpp"
#include "tolva64/spectrum_files.hpp"

namespace tolva64 {

namespace {

// RUNFEFF: the announcement, then FEFF in the run directory, waited for.
void run_feff(int cluster_number, const std::string& cluster_name, const RunFiles& files) {
  announce_feff(cluster_number, cluster_name);
  wait_for_feff(start_feff({common::current_directory() + "/" + files.feff_program, ""}));
}

void run_cluster(const common::ClusterEntry& line, const RunFiles& files, PotentialMap& map,
                 ClusterAtoms& atoms, SpectrumTotals& totals) {
  if (!compose_feff_input(line.name, files.feff_template, files.feff_input, map, atoms)) {
    stop_on_cluster_size(line.name);
  }
  run_feff(line.number, line.name, files);
  convert_cluster_results(files, common::cluster_suffix(line.number), totals);
}

// The potential map is read while the list is already open; each line names
// a cluster file, which must exist, and clusters not done yet are run.
void walk_cluster_list(const RunFiles& files, SpectrumTotals& totals) {
  common::ClusterListReader list(files.cluster_list);
  PotentialMap map;
  if (!read_potential_map(files.potential_map, map)) stop_on_map_size(files.potential_map);
  ClusterAtoms atoms;
  while (std::optional<common::ClusterEntry> line = list.next()) {
    check_cluster_file(line->number, line->name, files);
    print_cluster_lines(line->name);
    if (cluster_done(common::cluster_suffix(line->number))) continue;
    run_cluster(*line, files, map, atoms, totals);
  }
  list.close();
}

}  // namespace

int run_plain(const RunFiles& files) {
  SpectrumTotals totals;  // starts empty: every run averages its own clusters

  print_banner();                                            // 1. banner
  check_required_files(files);                               // 2. the four required files
  walk_cluster_list(files, totals);                          // 3. map, then cluster by cluster
  write_averages(totals);                                    // 4. xt_tot.txt, mu_tot.txt
  print_closing_lines(totals.chi.files > 0, totals.mu.files > 0);  // 5. closing lines
  return kExitDone;
}

}  // namespace tolva64
