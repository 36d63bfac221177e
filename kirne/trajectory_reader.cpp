#include "kirne/trajectory_reader.hpp"

#include <cstring>
#include <string>

#include "common/failure.hpp"
#include "common/number_layout.hpp"
#include "common/text_output.hpp"
#include "common/number_syntax.hpp"
#include "kirne/orderly_stop.hpp"

namespace kirne {

namespace {

// Far more than an atom line needs; a longer line simply goes the general way.
constexpr std::size_t FAST_LINE_BYTES = 4096;

bool passed_in_front(int c) { return c == '+' || c == '-' || (c >= '0' && c <= '9'); }

char upper(int c) { return char(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); }

void require_atom_count(const RunState& state) {
  if (state.NAT >= 0 && state.NAT <= NMAX) return;
  stop_with_line(" Configuration " + std::to_string(state.NCL) + " of " + state.FILENAME +
                 " has an atom count of " + std::to_string(state.NAT) + ", allowed are 0 to " +
                 std::to_string(NMAX) + " !!!");
}

void echo_atom(RunState& state, std::int32_t i) {
  std::string text = state.POT[i] + ' ' + common::scientific_layout(state.X[i], 18) + ' ' +
                     common::scientific_layout(state.Y[i], 18) + ' ' +
                     common::scientific_layout(state.Z[i], 18);
  common::TextOutput::standard_output().write(text).end_line();
  state.FVV->write(text).end_line();
}

// An atom line whose symbol and three numbers all lie before its line end,
// in the buffer, is read here in one sweep; every other line, and every
// token that is not plainly valid, goes the general way from the same spot.
bool read_atom_in_buffer(common::TextInput& input, Symbol& symbol, double (&xyz)[3]) {
  std::string_view view = input.buffered(FAST_LINE_BYTES);
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

bool trajectory_finished(RunState& state) { return state.FV->only_white_space_left(); }

void read_configuration(RunState& state) {
  common::TextInput& input = *state.FV;
  state.NCL += 1;
  state.NCLST = std::to_string(state.NCL);
  state.NAT = input.read_integer();
  require_atom_count(state);
  input.skip_through_lf();
  input.read_through_lf(state.STCOM);
  bool echo = state.mode == RunMode::Test;
  for (std::int32_t i = 1; i <= state.NAT; ++i) {
    double xyz[3];
    if (read_atom_in_buffer(input, state.POT[i], xyz)) {
      state.X[i] = xyz[0];
      state.Y[i] = xyz[1];
      state.Z[i] = xyz[2];
    } else {
      state.POT[i] = read_atom_symbol(input);
      state.X[i] = input.read_real();
      state.Y[i] = input.read_real();
      state.Z[i] = input.read_real();
      input.skip_through_lf();
    }
    if (echo) echo_atom(state, i);
  }
}

}  // namespace kirne
