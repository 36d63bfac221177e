#pragma once
// The trajectory, frame by frame, in whichever format it comes: multi-frame
// (extended) XYZ or a LAMMPS text dump.
#include <cstdint>
#include <string>

#include "common/text_input.hpp"
#include "common/text_output.hpp"
#include "kirne/frame.hpp"
#include "kirne/lammps_dump_reader.hpp"
#include "kirne/run_parameters.hpp"
#include "kirne/run_stop.hpp"
#include "kirne/xyz_frame_reader.hpp"

namespace kirne {

enum class TrajectoryFormat { Xyz, LammpsDump };

// True for a name ending in .lammpstrj or .dump: a LAMMPS text dump.
bool has_dump_name(const std::string& name);

// A dump by its name (ending in .lammpstrj or .dump) or by its first line
// (ITEM: TIMESTEP); anything else is read as XYZ.
TrajectoryFormat detect_format(const std::string& path, common::TextInput& input);

class TrajectoryReader {
 public:
  // Reads `input` by the parameters' path, type map and --pbc; they must
  // outlive the reader.
  TrajectoryReader(common::TextInput input, const RunParameters& parameters);

  // True when nothing but white space is left, so trailing blank lines
  // never count as a further, empty frame.
  bool finished() { return input_.only_white_space_left(); }
  // Reads frame `number`; with an atom copy (test mode) XYZ atom lines also
  // go to the console and to the copy.
  MaybeStop read(std::int32_t number, Frame& frame, common::TextOutput* atom_copy);
  void close() { input_.close(); }
  // How far the reading has got, in bytes from the start of the file.
  std::uint64_t bytes_read() const { return input_.bytes_passed(); }

 private:
  common::TextInput input_;
  TrajectoryFormat format_;
  XyzReading xyz_;
  LammpsDumpReader dump_;
};

}  // namespace kirne
