#pragma once
// One frame of a LAMMPS text dump: the ITEM: TIMESTEP, NUMBER OF ATOMS,
// BOX BOUNDS and ATOMS blocks. The box may be orthogonal or triclinic; the
// atoms carry an element or a numeric type, and their positions wrapped,
// unwrapped or scaled, as the ATOMS header names the columns.
#include <cstdint>
#include <string>
#include <utility>

#include "common/text_input.hpp"
#include "kirne/frame.hpp"
#include "kirne/run_stop.hpp"
#include "kirne/type_map.hpp"

namespace kirne {

class LammpsDumpReader {
 public:
  // `path` names the file in the messages; numeric types are looked up in
  // `type_map` when the dump has no element column.
  LammpsDumpReader(std::string path, const TypeMap& type_map)
      : path_(std::move(path)), type_map_(&type_map) {}

  // Reads frame `number` into `frame`: its comment is "Timestep: <step>",
  // its cell the box. Anything that does not follow the format, and a
  // position that is no number or lies beyond 1e6 A, stops the run with a
  // message that names the file, the line and its text.
  MaybeStop read_frame(common::TextInput& input, std::int32_t number, Frame& frame);

 private:
  // Where each needed value stands in an atom line, from 0.
  struct Columns {
    int element = -1;
    int type = -1;
    int position[3] = {-1, -1, -1};
    bool scaled = false;  // xs ys zs: fractions of the box
    int needed = 0;       // tokens an atom line must have
  };

  MaybeStop next_line(common::TextInput& input, const std::string& expected);
  MaybeStop expect_item(common::TextInput& input, const char* item);
  MaybeStop read_atom_count(common::TextInput& input, std::int32_t& count);
  MaybeStop read_box(common::TextInput& input, Frame& frame);
  MaybeStop read_columns(common::TextInput& input, Columns& columns);
  MaybeStop read_atom(const Columns& columns, std::size_t i, Frame& frame);
  RunStop problem(const std::string& what) const;

  std::string path_;
  const TypeMap* type_map_;
  std::int64_t line_number_ = 0;
  std::string line_;
  Vector3 origin_;  // the box's lower corner, where scaled positions start
};

}  // namespace kirne
