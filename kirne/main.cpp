// kirne: from a multi-frame XYZ trajectory to cluster files around the
// absorber, the cluster list conf.dat and the distribution functions. It
// ends with 0 when that was done, 1 at an orderly stop (stop_run) and 217
// with the failure report.
#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/checked_real.hpp"
#include "common/cluster_list.hpp"
#include "common/failure.hpp"
#include "common/text_input.hpp"
#include "common/text_output.hpp"
#include "kirne/command_line.hpp"
#include "kirne/configuration_loop.hpp"
#include "kirne/console_dialog.hpp"
#include "kirne/distribution_output.hpp"
#include "kirne/file_name_resolution.hpp"
#include "kirne/help_text.hpp"
#include "kirne/histograms.hpp"
#include "kirne/number_limits.hpp"
#include "kirne/radial_distribution_output.hpp"
#include "kirne/run_counts.hpp"
#include "kirne/run_files.hpp"
#include "kirne/run_parameters.hpp"
#include "kirne/run_stop.hpp"

namespace {

using namespace kirne;

// --help or --version alone: the text on standard output, and the run is done.
void print_requested_text(const std::string& text) {
  if (std::fputs(text.c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
    common::fail_io(common::io_error_from_errno(errno), "standard output: cannot be written");
  }
}

// Warnings go to standard error alone: standard output keeps the run's lines.
void print_warnings(const std::vector<std::string>& warnings) {
  for (const std::string& warning : warnings) std::fprintf(stderr, "%s\n", warning.c_str());
}

// Steps 1 to 5: every parameter, from the command line or the console.
RunParameters take_parameters(const std::vector<std::string>& args,
                              std::optional<common::TextOutput>& atom_copy) {
  RunParameters parameters;
  // 1. The options and the run mode; in argument-list mode every parameter.
  std::vector<std::string> warnings;
  stop_if(read_command_line(args, parameters, warnings));
  print_warnings(warnings);
  const bool dialog = parameters.mode != RunMode::ArgumentList;
  // 2. Test mode keeps a copy of every atom line read.
  atom_copy = create_atom_copy(parameters.mode);
  // 3. The banner, the atom types and the type table.
  print_banner(parameters.mode);
  if (dialog) stop_if(ask_atom_types(parameters));
  print_type_table(parameters);
  // 4. The trajectory name and Rmax, echoed with the skips. An Rmax that is
  //    no finite number stops the run before any file is written; it enters
  //    the cluster test only as its square.
  if (dialog) stop_if(ask_name_and_radius(parameters));
  print_parameter_echo(parameters);
  stop_if(check_cluster_radius(parameters.cluster_radius));
  parameters.cluster_radius_squared =
      common::checked_mul(parameters.cluster_radius, parameters.cluster_radius);
  // 5. The distribution functions; test mode also asks for a configuration limit.
  if (dialog) stop_if(ask_distribution_choices(parameters));
  if (parameters.mode == RunMode::Test) stop_if(ask_configuration_limit(parameters));
  return parameters;
}

// Step 9: the statistics, then the tables, divided by the configurations
// used; with a periodic cell g(r) as well.
void write_results(const RunParameters& parameters, const RunCounts& counts,
                   const Histograms& histograms, const Symbol& absorber_symbol) {
  print_statistics(counts);
  const TableScale scale{counts.configurations_used, counts.absorbers_in_last_used};
  write_distribution_tables(histograms, parameters.distributions, scale, absorber_symbol,
                            parameters.types);
  if (parameters.periodic && parameters.distributions.g2) {
    write_radial_distributions(histograms, absorber_symbol, parameters.types);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (const std::optional<std::string> text = requested_text(args)) {
    print_requested_text(*text);
    return 0;
  }
  // 1.-5. The options, the run mode and the parameters, asked or given.
  std::optional<common::TextOutput> atom_copy;
  RunParameters parameters = take_parameters(args, atom_copy);
  // 6. The cluster list, empty until the first cluster is written.
  common::ClusterListWriter cluster_list(common::kClusterListName);
  // 7. Find and open the trajectory.
  stop_if(find_trajectory(parameters));
  RunFiles files{
      TrajectoryReader(common::TextInput::open_file(parameters.trajectory_path), parameters),
      std::move(cluster_list), std::move(atom_copy)};
  // 8. Every configuration: its absorbers, their clusters and histograms.
  RunCounts counts;
  Histograms histograms;
  Symbol absorber_symbol;
  stop_if(walk_configurations(parameters, files, counts, histograms, absorber_symbol));
  // 9. The statistics and the distribution tables.
  write_results(parameters, counts, histograms, absorber_symbol);
  // 10. The files close; test mode waits for Enter.
  close_run_files(files);
  common::TextOutput::standard_output().flush();
  return 0;
}
