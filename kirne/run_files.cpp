#include "kirne/run_files.hpp"

#include "kirne/console_dialog.hpp"

namespace kirne {

std::optional<common::TextOutput> create_atom_copy(RunMode mode) {
  if (mode != RunMode::Test) return std::nullopt;
  return common::TextOutput::create_file("ttt.xyz");
}

void close_run_files(RunFiles& files) {
  files.trajectory.close();
  files.cluster_list.close();
  if (!files.atom_copy) return;
  files.atom_copy->close();
  pause_for_enter();
}

}  // namespace kirne
