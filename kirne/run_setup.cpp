#include "kirne/run_setup.hpp"

#include <cstdint>
#include <limits>

#include "common/number_syntax.hpp"
#include "kirne/orderly_stop.hpp"

namespace kirne {

namespace {

// Numbers in the argument list never stop the run: what cannot be read is 0.
std::int32_t integer_or_zero(const std::string& text) {
  return common::parse_integer(text).value_or(0);
}

double real_or_zero(const std::string& text) { return common::parse_real(text).value_or(0.0); }

void take_absorber_choice(RunState& state, std::int32_t v) {
  if (v >= 0) {
    state.ICENTATOM = v;
    return;
  }
  // -v of the most negative value does not exist; it asks for "all atoms"
  // anyway, which the configuration loop refuses with its own message.
  state.NICENTATOM =
      v == std::numeric_limits<std::int32_t>::min() ? std::numeric_limits<std::int32_t>::max() : -v;
  state.ICENTATOM = 0;
}

}  // namespace

RunMode decide_run_mode(const std::vector<std::string>& args) {
  std::string joined;
  for (const std::string& arg : args) joined += arg + ' ';
  auto has = [&joined](const char* word) { return joined.find(word) != std::string::npos; };
  if (has("test") || has("TEST")) return RunMode::Test;
  if (has("int") || has("INT")) return RunMode::Interactive;
  return RunMode::ArgumentList;
}

Symbol type_form(std::string_view text) {
  Symbol form(text.substr(0, 2));
  if (form.size() == 1) form += ' ';
  if (form.size() == 2 && form[1] >= 'a' && form[1] <= 'z') form[1] = char(form[1] - 'a' + 'A');
  return form;
}

void require_type_table_room(long long count) {
  if (count <= PMAX) return;
  stop_with_line(" Too many atom types: " + std::to_string(count) + " given, at most " +
                 std::to_string(PMAX) + " allowed !!!");
}

void read_argument_list(RunState& state, const std::vector<std::string>& args) {
  if (args.size() < 6) return;
  long long types = static_cast<long long>(args.size()) - 5;
  require_type_table_room(types);
  state.NAMEINP = args[0];
  state.SKIPFIRST = integer_or_zero(args[1]);
  state.SKIP = integer_or_zero(args[2]);
  state.RMAX_FROM_ABSORBER = real_or_zero(args[3]);
  state.POTN[1] = type_form(args[4]);
  take_absorber_choice(state, integer_or_zero(args[5]));
  for (long long j = 2; j <= types; ++j) state.POTN[j] = type_form(args[j + 4]);
  state.NPOT = static_cast<std::int32_t>(types);
  state.CENTATOM = state.POTN[1];
}

}  // namespace kirne
