#include "kirne/lammps_dump_reader.hpp"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "common/number_syntax.hpp"
#include "kirne/number_limits.hpp"

namespace kirne {

namespace {

std::vector<std::string_view> tokens(std::string_view line) {
  std::vector<std::string_view> found;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) found.push_back(line.substr(start, i - start));
  }
  return found;
}

int column_of(const std::vector<std::string_view>& names, std::string_view name) {
  const auto found = std::find(names.begin(), names.end(), name);
  return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

// The first set of position columns the header names, in this order.
bool find_positions(const std::vector<std::string_view>& names, int (&position)[3], bool& scaled) {
  static const char* const kSets[4][3] = {
      {"x", "y", "z"}, {"xu", "yu", "zu"}, {"xs", "ys", "zs"}, {"xsu", "ysu", "zsu"}};
  for (int set = 0; set < 4; ++set) {
    for (int k = 0; k < 3; ++k) position[k] = column_of(names, kSets[set][k]);
    if (position[0] >= 0 && position[1] >= 0 && position[2] >= 0) {
      scaled = set >= 2;
      return true;
    }
  }
  return false;
}

Vector3 add(const Vector3& p, const Vector3& q, double f) {
  return {p.x + f * q.x, p.y + f * q.y, p.z + f * q.z};
}

}  // namespace

RunStop LammpsDumpReader::problem(const std::string& what) const {
  return RunStop{" " + path_ + ", line " + std::to_string(line_number_) + " \"" + line_ +
                 "\": " + what};
}

MaybeStop LammpsDumpReader::next_line(common::TextInput& input, const std::string& expected) {
  if (input.at_eof()) {
    return RunStop{" " + path_ + ", line " + std::to_string(line_number_ + 1) +
                   ": the file ends inside a frame, where " + expected + " should follow."};
  }
  input.read_through_lf(line_);
  ++line_number_;
  return std::nullopt;
}

MaybeStop LammpsDumpReader::expect_item(common::TextInput& input, const char* item) {
  if (MaybeStop stop = next_line(input, std::string("\"") + item + "\"")) return stop;
  const std::vector<std::string_view> words = tokens(line_);
  const std::vector<std::string_view> wanted = tokens(item);
  if (words.size() >= wanted.size() && std::equal(wanted.begin(), wanted.end(), words.begin())) {
    return std::nullopt;
  }
  return problem(std::string("\"") + item + "\" should stand here.");
}

MaybeStop LammpsDumpReader::read_atom_count(common::TextInput& input, std::int32_t& count) {
  if (MaybeStop stop = expect_item(input, "ITEM: NUMBER OF ATOMS")) return stop;
  if (MaybeStop stop = next_line(input, "the number of atoms")) return stop;
  const std::vector<std::string_view> words = tokens(line_);
  const std::optional<std::int32_t> number =
      words.size() == 1 ? common::parse_integer(words[0]) : std::nullopt;
  if (!number || *number < 0) return problem("the number of atoms should stand here.");
  count = *number;
  return std::nullopt;
}

// Orthogonal: "lo hi" per axis. Triclinic: "lo_bound hi_bound tilt" with the
// tilts xy, xz, yz; the bounds enclose the tilted box.
MaybeStop LammpsDumpReader::read_box(common::TextInput& input, Frame& frame) {
  if (MaybeStop stop = expect_item(input, "ITEM: BOX BOUNDS")) return stop;
  const std::vector<std::string_view> flags = tokens(line_);
  if (std::find(flags.begin(), flags.end(), "abc") != flags.end()) {
    return problem(
        "general triclinic boxes are not read; write the dump with an orthogonal "
        "or a restricted triclinic box (xy xz yz).");
  }
  const bool triclinic = std::find(flags.begin(), flags.end(), "xy") != flags.end();
  double bound[3][3] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
  for (int axis = 0; axis < 3; ++axis) {
    if (MaybeStop stop = next_line(input, "a line of box bounds")) return stop;
    const std::vector<std::string_view> words = tokens(line_);
    const std::size_t wanted = triclinic ? 3 : 2;
    for (std::size_t k = 0; k < wanted; ++k) {
      const std::optional<double> v =
          words.size() == wanted ? common::parse_real(words[k]) : std::nullopt;
      if (!v)
        return problem(triclinic ? "three numbers should stand here: lo, hi and a tilt."
                                 : "two numbers should stand here: lo and hi.");
      bound[axis][k] = *v;
    }
  }
  const double xy = bound[0][2], xz = bound[1][2], yz = bound[2][2];
  const double xlo = bound[0][0] - std::min({0.0, xy, xz, xy + xz});
  const double xhi = bound[0][1] - std::max({0.0, xy, xz, xy + xz});
  const double ylo = bound[1][0] - std::min(0.0, yz), yhi = bound[1][1] - std::max(0.0, yz);
  const double zlo = bound[2][0], zhi = bound[2][1];
  origin_ = {xlo, ylo, zlo};
  frame.cell = PeriodicCell::from_edges({xhi - xlo, 0, 0}, {xy, yhi - ylo, 0}, {xz, yz, zhi - zlo});
  if (!frame.cell) return problem("the box spans no volume.");
  return std::nullopt;
}

MaybeStop LammpsDumpReader::read_columns(common::TextInput& input, Columns& columns) {
  if (MaybeStop stop = expect_item(input, "ITEM: ATOMS")) return stop;
  std::vector<std::string_view> names = tokens(line_);
  names.erase(names.begin(), names.begin() + 2);
  columns = Columns();
  columns.element = column_of(names, "element");
  columns.type = column_of(names, "type");
  if (!find_positions(names, columns.position, columns.scaled)) {
    return problem("the columns name no positions: x y z, xu yu zu or xs ys zs.");
  }
  if (columns.element < 0 && columns.type < 0) {
    return problem("the columns name neither element nor type.");
  }
  if (columns.element < 0 && type_map_->empty()) {
    return problem(
        "the atoms have numeric types only; give their elements with --type-map, "
        "for example --type-map 1=Cu,2=Zr.");
  }
  columns.needed = 1 + std::max({columns.element, columns.type, columns.position[0],
                                 columns.position[1], columns.position[2]});
  return std::nullopt;
}

MaybeStop LammpsDumpReader::read_atom(const Columns& columns, std::size_t i, Frame& frame) {
  const std::vector<std::string_view> words = tokens(line_);
  if (static_cast<int>(words.size()) < columns.needed) {
    return problem("an atom line should have " + std::to_string(columns.needed) + " columns.");
  }
  double p[3];
  for (int k = 0; k < 3; ++k) {
    const std::optional<double> v = common::parse_real(words[columns.position[k]]);
    if (!v) return problem("a position should be a number.");
    p[k] = *v;
  }
  if (columns.element >= 0) {
    frame.symbols[i] = atom_symbol_form(words[columns.element]);
    if (frame.symbols[i].empty()) return problem("the element names no element.");
  } else {
    const std::optional<Symbol> symbol = type_map_->symbol_of(words[columns.type]);
    if (!symbol)
      return problem("type " + std::string(words[columns.type]) + " is not in --type-map.");
    frame.symbols[i] = *symbol;
  }
  Vector3 r{p[0], p[1], p[2]};
  if (columns.scaled) {
    const auto& e = frame.cell->edges();
    r = add(add(add(origin_, e[0], p[0]), e[1], p[1]), e[2], p[2]);
  }
  if (!usable_position(r.x, r.y, r.z)) {
    return unusable_position_stop(
        {path_, frame.number, static_cast<std::int64_t>(i) + 1, line_number_, line_});
  }
  frame.x[i] = r.x, frame.y[i] = r.y, frame.z[i] = r.z;
  return std::nullopt;
}

MaybeStop LammpsDumpReader::read_frame(common::TextInput& input, std::int32_t number,
                                       Frame& frame) {
  frame.number = number;
  frame.label = std::to_string(number);
  if (MaybeStop stop = expect_item(input, "ITEM: TIMESTEP")) return stop;
  if (MaybeStop stop = next_line(input, "the timestep")) return stop;
  const std::vector<std::string_view> step = tokens(line_);
  frame.comment = "Timestep: " + (step.empty() ? std::string() : std::string(step[0]));
  std::int32_t count = 0;
  Columns columns;
  if (MaybeStop stop = read_atom_count(input, count)) return stop;
  if (MaybeStop stop = read_box(input, frame)) return stop;
  if (MaybeStop stop = read_columns(input, columns)) return stop;
  frame.resize(0);
  for (std::int32_t i = 0; i < count; ++i) {
    const std::string expected =
        "atom line " + std::to_string(i + 1) + " of " + std::to_string(count);
    if (MaybeStop stop = next_line(input, expected)) return stop;
    frame.resize(i + 1);
    if (MaybeStop stop = read_atom(columns, static_cast<std::size_t>(i), frame)) {
      return stop;
    }
  }
  return std::nullopt;
}

}  // namespace kirne
