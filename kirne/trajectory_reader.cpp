#include "kirne/trajectory_reader.hpp"

#include <string_view>
#include <utility>

namespace kirne {

namespace {

bool ends_with(const std::string& text, std::string_view tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail.data(), tail.size()) == 0;
}

}  // namespace

bool has_dump_name(const std::string& name) {
  return ends_with(name, ".lammpstrj") || ends_with(name, ".dump");
}

TrajectoryFormat detect_format(const std::string& path, common::TextInput& input) {
  if (has_dump_name(path)) return TrajectoryFormat::LammpsDump;
  static constexpr std::string_view kDumpStart = "ITEM: TIMESTEP";
  const std::string_view start = input.buffered(kDumpStart.size());
  return start.substr(0, kDumpStart.size()) == kDumpStart ? TrajectoryFormat::LammpsDump
                                                          : TrajectoryFormat::Xyz;
}

TrajectoryReader::TrajectoryReader(common::TextInput input, const RunParameters& parameters)
    : input_(std::move(input)),
      format_(detect_format(parameters.trajectory_path, input_)),
      dump_(parameters.trajectory_path, parameters.type_map) {
  xyz_.path = &parameters.trajectory_path;
  xyz_.want_lattice = parameters.periodic;
  xyz_.type_map = &parameters.type_map;
}

MaybeStop TrajectoryReader::read(std::int32_t number, Frame& frame, common::TextOutput* atom_copy) {
  if (format_ == TrajectoryFormat::LammpsDump) return dump_.read_frame(input_, number, frame);
  xyz_.atom_copy = atom_copy;
  return read_xyz_frame(input_, number, xyz_, frame);
}

}  // namespace kirne
