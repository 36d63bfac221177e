#include "kirne/trajectory_reader.hpp"

#include <cstring>
#include <string>

#include "common/failure.hpp"
#include "common/number_layout.hpp"
#include "common/number_syntax.hpp"

namespace kirne {

namespace {

// Far more than an atom line needs; a longer line simply goes the general way.
constexpr std::size_t kFastLineBytes = 4096;

bool passed_in_front(int c) { return c == '+' || c == '-' || (c >= '0' && c <= '9'); }

char upper(int c) { return char(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); }

MaybeStop check_atom_count(std::int32_t count, std::int32_t number, const std::string& path) {
  if (count >= 0 && count <= kMaxAtoms) return std::nullopt;
  return RunStop{" Configuration " + std::to_string(number) + " of " + path +
                 " has an atom count of " + std::to_string(count) + ", allowed are 0 to " +
                 std::to_string(kMaxAtoms) + " !!!"};
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

void read_atom(common::TextInput& input, Frame& frame, std::size_t i) {
  double xyz[3];
  if (read_atom_in_buffer(input, frame.symbols[i], xyz)) {
    frame.x[i] = xyz[0];
    frame.y[i] = xyz[1];
    frame.z[i] = xyz[2];
    return;
  }
  frame.symbols[i] = read_atom_symbol(input);
  frame.x[i] = input.read_real();
  frame.y[i] = input.read_real();
  frame.z[i] = input.read_real();
  input.skip_through_lf();
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

bool trajectory_finished(common::TextInput& trajectory) {
  return trajectory.only_white_space_left();
}

MaybeStop read_configuration(common::TextInput& trajectory, std::int32_t number,
                             const std::string& path, Frame& frame, common::TextOutput* atom_copy) {
  frame.number = number;
  frame.label = std::to_string(number);
  const std::int32_t count = trajectory.read_integer();
  if (MaybeStop stop = check_atom_count(count, number, path)) return stop;
  trajectory.skip_through_lf();
  trajectory.read_through_lf(frame.comment);
  frame.resize(count);
  for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
    read_atom(trajectory, frame, i);
    if (atom_copy != nullptr) copy_atom(frame, i, *atom_copy);
  }
  return std::nullopt;
}

}  // namespace kirne
