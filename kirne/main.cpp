// kirne: from a multi-frame XYZ trajectory to cluster files around the
// absorber, the cluster list conf.dat and the distribution functions.
#include <string>
#include <vector>

#include "common/checked_real.hpp"
#include "common/text_output.hpp"
#include "kirne/configuration_loop.hpp"
#include "kirne/console_dialog.hpp"
#include "kirne/file_name_resolution.hpp"
#include "kirne/run_setup.hpp"
#include "kirne/run_state.hpp"

int main(int argc, char** argv) {
  using namespace kirne;
  // 1. Every field, table and histogram at its start value.
  static RunState state;
  // 2. The run mode; in argument-list mode the parameters as well.
  std::vector<std::string> args(argv + 1, argv + argc);
  state.mode = decide_run_mode(args);
  if (state.mode == RunMode::ArgumentList) read_argument_list(state, args);
  bool asking = state.mode != RunMode::ArgumentList;
  // 3. Test mode keeps a copy of every atom line read.
  if (state.mode == RunMode::Test) state.FVV = common::TextOutput::create_file("ttt.xyz");
  // 4. Banner, atom types, type table.
  print_banner(state.mode);
  if (asking) ask_atom_types(state);
  print_type_table(state);
  // 5. Trajectory name and Rmax.
  if (asking) {
    ask_name_and_rmax(state);
  } else {
    state.NAME = state.NAMEINP;
  }
  // 6. Parameter echo; Rmax enters the cluster test only as its square.
  print_parameter_echo(state);
  state.RMAX2 = common::checked_mul(state.RMAX_FROM_ABSORBER, state.RMAX_FROM_ABSORBER);
  // 7. Distribution functions: asked, or G2 alone from the argument list.
  if (asking) {
    ask_distribution_choices(state);
  } else {
    state.FL_G2 = true;
  }
  // 8. Test mode: how many configurations at most.
  state.NCLMAX = 2147483647;
  if (state.mode == RunMode::Test) ask_cluster_limit(state);
  // 9. The cluster list, empty until the first cluster is written.
  state.FVC.emplace(common::kClusterListName);
  // 10. Find and open the trajectory.
  open_trajectory(state);
  // 11. Configurations, clusters, statistics, distribution output.
  run_configuration_loop(state);
  common::TextOutput::standard_output().flush();
  return 0;
}
