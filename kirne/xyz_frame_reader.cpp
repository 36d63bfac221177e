#include "kirne/xyz_frame_reader.hpp"

#include <algorithm>
#include <cstring>
#include <string>

#include "common/failure.hpp"
#include "common/number_layout.hpp"
#include "common/number_syntax.hpp"
#include "kirne/extended_xyz_lattice.hpp"
#include "kirne/number_limits.hpp"

namespace kirne {

namespace {

// Far more than an atom line needs; a longer line simply goes the general way.
constexpr std::size_t kFastLineBytes = 4096;

bool passed_in_front(int c) { return c == '+' || c == '-' || (c >= '0' && c <= '9'); }

char upper(int c) { return char(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); }

MaybeStop check_atom_count(std::int32_t count, std::int32_t number, const std::string& path) {
  if (count >= 0) return std::nullopt;
  return RunStop{" Configuration " + std::to_string(number) + " of " + path +
                 " has an atom count of " + std::to_string(count) + ", allowed are 0 or more !!!"};
}

std::string where(const XyzReading& reading, std::int32_t number) {
  return " " + *reading.path + ", configuration " + std::to_string(number);
}

MaybeStop take_lattice(const XyzReading& reading, std::int32_t number, Frame& frame) {
  frame.cell.reset();
  if (!reading.want_lattice) return std::nullopt;
  LatticeReading lattice = read_lattice(frame.comment);
  if (lattice.problem.empty()) {
    frame.cell = lattice.cell;
    return std::nullopt;
  }
  return RunStop{where(reading, number) + ", comment line: " + lattice.problem + "."};
}

// With a type map, an atom line may begin with a numeric type. Gives back
// the token when it is numeric but not in the map; empty otherwise, with
// the atom read up to its last coordinate when its type was found.
enum class MappedType { NotNumeric, Read, Unknown };

MappedType read_mapped_atom(common::TextInput& input, const TypeMap& map, Frame& frame,
                            std::size_t i, std::string& token) {
  std::string_view view = input.buffered(kFastLineBytes);
  std::size_t p = 0;
  while (p < view.size() && (view[p] == ' ' || view[p] == '\t')) ++p;
  const std::size_t start = p;
  while (p < view.size() && view[p] >= '0' && view[p] <= '9') ++p;
  const bool ends = p == view.size() || view[p] == ' ' || view[p] == '\t';
  if (p == start || !ends) return MappedType::NotNumeric;
  token = std::string(view.substr(start, p - start));
  const std::optional<Symbol> symbol = map.symbol_of(token);
  if (!symbol) return MappedType::Unknown;
  input.consume(p);
  frame.symbols[i] = *symbol;
  frame.x[i] = input.read_real();
  frame.y[i] = input.read_real();
  frame.z[i] = input.read_real();
  return MappedType::Read;
}

void copy_atom(const Frame& frame, std::size_t i, common::TextOutput& atom_copy) {
  std::string text = frame.symbols[i] + ' ' + common::scientific_layout(frame.x[i], 18) + ' ' +
                     common::scientific_layout(frame.y[i], 18) + ' ' +
                     common::scientific_layout(frame.z[i], 18);
  common::TextOutput::standard_output().write(text).end_line();
  atom_copy.write(text).end_line();
}

// An atom line whose symbol and three numbers all lie before its line end,
// in the buffer, is read here in one sweep; every other line, and every
// token that is not plainly valid, goes the general way from the same spot.
bool read_atom_in_buffer(common::TextInput& input, Symbol& symbol, double (&xyz)[3]) {
  std::string_view view = input.buffered(kFastLineBytes);
  const char* p = view.data();
  const char* end = p + view.size();
  char kept[2];
  int count = 0;
  for (;;) {
    if (p == end || *p == '\r' || *p == '\n' || *p == 26) return false;
    int c = static_cast<unsigned char>(*p++);
    if (c == ' ' || c == '\t') {
      if (count > 0) break;
    } else if (!passed_in_front(c) && count < 2) {
      kept[count++] = upper(c);
    }
  }
  for (double& value : xyz) {
    while (p != end && static_cast<unsigned char>(*p) <= 32 && *p != '\n' && *p != 26) ++p;
    if (p == end || static_cast<unsigned char>(*p) <= 32) return false;
    if (!common::scan_plain_decimal(p, end, value)) return false;
    if (p == end || static_cast<unsigned char>(*p) > 32) return false;
  }
  // The general way reads it again and stops the run at this line.
  if (!usable_position(xyz[0], xyz[1], xyz[2])) return false;
  // The rest of the line is passed here when its end is in the buffer too.
  const void* lf = std::memchr(p, '\n', std::size_t(end - p));
  input.consume(lf ? std::size_t(static_cast<const char*>(lf) + 1 - view.data())
                   : std::size_t(p - view.data()));
  if (!lf) input.skip_through_lf();
  if (symbol.size() != 2) symbol.resize(2);
  symbol[0] = kept[0];
  symbol[1] = count == 1 ? ' ' : kept[1];
  return true;
}

// The end of an atom line read token by token. The position is still on
// the line, so a stop for an unusable position can show it.
MaybeStop finish_atom_line(common::TextInput& input, const XyzReading& reading, const Frame& frame,
                           std::size_t i) {
  if (!usable_position(frame.x[i], frame.y[i], frame.z[i])) {
    return unusable_position_stop({*reading.path, frame.number, static_cast<std::int64_t>(i) + 1,
                                   input.line_number(), input.current_line()});
  }
  input.skip_through_lf();
  return std::nullopt;
}

MaybeStop read_atom(common::TextInput& input, const XyzReading& reading, Frame& frame,
                    std::size_t i) {
  if (reading.type_map != nullptr && !reading.type_map->empty()) {
    std::string token;
    const MappedType mapped = read_mapped_atom(input, *reading.type_map, frame, i, token);
    if (mapped == MappedType::Read) return finish_atom_line(input, reading, frame, i);
    if (mapped == MappedType::Unknown) {
      return RunStop{where(reading, frame.number) + ", atom " + std::to_string(i + 1) + ": type " +
                     token + " is not in --type-map."};
    }
  }
  double xyz[3];
  if (read_atom_in_buffer(input, frame.symbols[i], xyz)) {
    frame.x[i] = xyz[0];
    frame.y[i] = xyz[1];
    frame.z[i] = xyz[2];
    return std::nullopt;
  }
  frame.symbols[i] = read_atom_symbol(input);
  frame.x[i] = input.read_real();
  frame.y[i] = input.read_real();
  frame.z[i] = input.read_real();
  return finish_atom_line(input, reading, frame, i);
}

}  // namespace

Symbol read_atom_symbol(common::TextInput& input) {
  char kept[2];
  int count = 0;
  for (int c = input.peek_in_line(); c >= 0; c = input.peek_in_line()) {
    input.advance();
    if (c == ' ' || c == '\t') {
      if (count > 0) break;
    } else if (!passed_in_front(c) && count < 2) {
      kept[count++] = upper(c);
    }
  }
  if (count == 0) common::fail_io(common::kInvalidInput);
  return count == 1 ? Symbol{kept[0], ' '} : Symbol{kept[0], kept[1]};
}

MaybeStop read_xyz_frame(common::TextInput& trajectory, std::int32_t number,
                         const XyzReading& reading, Frame& frame) {
  frame.number = number;
  frame.label = std::to_string(number);
  const std::int32_t count = trajectory.read_integer();
  if (MaybeStop stop = check_atom_count(count, number, *reading.path)) return stop;
  trajectory.skip_through_lf();
  trajectory.read_through_lf(frame.comment);
  if (MaybeStop stop = take_lattice(reading, number, frame)) return stop;
  frame.resize(0);
  for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
    if (i == frame.x.size()) {
      frame.resize(static_cast<std::int32_t>(std::min<std::size_t>(count, 2 * i + 1024)));
    }
    if (MaybeStop stop = read_atom(trajectory, reading, frame, i)) return stop;
    if (reading.atom_copy != nullptr) copy_atom(frame, i, *reading.atom_copy);
  }
  return std::nullopt;
}

}  // namespace kirne
