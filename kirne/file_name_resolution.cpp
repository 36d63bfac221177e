#include "kirne/file_name_resolution.hpp"

#include "common/file_system.hpp"
#include "kirne/orderly_stop.hpp"

namespace kirne {

ResolvedName resolve_file_name(const std::string& name) {
  bool has_extension =
      name.find(".xyz") != std::string::npos || name.find(".XYZ") != std::string::npos;
  if (!has_extension) return {name, name + ".xyz"};
  return {name.substr(0, name.find('.')), name};
}

void open_trajectory(RunState& state) {
  ResolvedName resolved = resolve_file_name(state.NAME);
  state.NAME = resolved.base;
  state.FILENAME = resolved.file_name;
  if (!common::entry_exists(state.FILENAME)) {
    stop_with_line(" No input data file: " + state.FILENAME);
  }
  state.FV = common::TextInput::open_file(state.FILENAME);
}

}  // namespace kirne
