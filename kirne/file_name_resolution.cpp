#include "kirne/file_name_resolution.hpp"

#include "common/file_system.hpp"
#include "kirne/trajectory_reader.hpp"

namespace kirne {

ResolvedName resolve_file_name(const std::string& name) {
  // A dump is opened as named; the cluster names grow from the whole name.
  if (has_dump_name(name)) return {name, name};
  bool has_extension =
      name.find(".xyz") != std::string::npos || name.find(".XYZ") != std::string::npos;
  if (!has_extension) return {name, name + ".xyz"};
  return {name.substr(0, name.find('.')), name};
}

MaybeStop find_trajectory(RunParameters& parameters) {
  ResolvedName resolved = resolve_file_name(parameters.trajectory_name);
  parameters.base_name = resolved.base;
  parameters.trajectory_path = resolved.file_name;
  if (common::entry_exists(parameters.trajectory_path)) return std::nullopt;
  return RunStop{" No input data file: " + parameters.trajectory_path};
}

}  // namespace kirne
