#include "kirne/command_line.hpp"

#include <cstdint>
#include <limits>

#include "common/number_syntax.hpp"
#include "kirne/run_options.hpp"
#include "kirne/type_table.hpp"

namespace kirne {

namespace {

// Numbers in the argument list never stop the run: what cannot be read is 0.
std::int32_t integer_or_zero(const std::string& text) {
  return common::parse_integer(text).value_or(0);
}

double real_or_zero(const std::string& text) { return common::parse_real(text).value_or(0.0); }

void take_absorber_choice(std::int32_t v, RunParameters& parameters) {
  if (v >= 0) {
    parameters.absorber_atom = v;
    return;
  }
  // -v of the most negative value does not exist; it asks for "all atoms"
  // anyway, which the configuration loop refuses with its own message.
  parameters.absorber_scan =
      v == std::numeric_limits<std::int32_t>::min() ? std::numeric_limits<std::int32_t>::max() : -v;
  parameters.absorber_atom = 0;
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

MaybeStop read_command_line(std::vector<std::string> args, RunParameters& parameters) {
  if (MaybeStop stop = take_options(args, parameters)) return stop;
  parameters.mode = decide_run_mode(args);
  if (parameters.mode != RunMode::ArgumentList) return std::nullopt;
  // Only G2 is asked of a run from the argument list, even of one that
  // gives too few arguments to be read.
  parameters.distributions.g2 = true;
  if (args.size() < 6) return std::nullopt;
  std::vector<std::string> types{args[4]};
  types.insert(types.end(), args.begin() + 6, args.end());
  if (MaybeStop stop = take_types(types, parameters)) return stop;
  parameters.trajectory_name = args[0];
  parameters.skip_first = integer_or_zero(args[1]);
  parameters.skip_between = integer_or_zero(args[2]);
  parameters.cluster_radius = real_or_zero(args[3]);
  take_absorber_choice(integer_or_zero(args[5]), parameters);
  return std::nullopt;
}

}  // namespace kirne
