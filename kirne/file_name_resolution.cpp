#include "kirne/file_name_resolution.hpp"

#include "common/file_system.hpp"
#include "kirne/trajectory_reader.hpp"

namespace kirne {

ResolvedName resolve_file_name(const std::string& name) {
  // The directory part only says where the file is: the extension rules
  // look at the file name after it, and the base is taken from that alone,
  // so that ../runs.v2/md.xyz names its clusters md_1.xyz, in the current
  // directory, like md.xyz.
  const std::size_t slash = name.rfind('/');
  const std::string directory = slash == std::string::npos ? "" : name.substr(0, slash + 1);
  const std::string file = name.substr(directory.size());
  // A dump is opened as named; the cluster names grow from its whole file name.
  if (has_dump_name(file)) return {file, name};
  bool has_extension =
      file.find(".xyz") != std::string::npos || file.find(".XYZ") != std::string::npos;
  if (!has_extension) return {file, name + ".xyz"};
  return {file.substr(0, file.find('.')), name};
}

MaybeStop find_trajectory(RunParameters& parameters) {
  ResolvedName resolved = resolve_file_name(parameters.trajectory_name);
  parameters.base_name = resolved.base;
  parameters.trajectory_path = resolved.file_name;
  if (common::entry_exists(parameters.trajectory_path)) return std::nullopt;
  return RunStop{" No input data file: " + parameters.trajectory_path};
}

}  // namespace kirne
