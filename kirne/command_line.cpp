#include "kirne/command_line.hpp"

#include <cstdint>
#include <limits>
#include <optional>

#include "common/number_syntax.hpp"
#include "kirne/run_options.hpp"
#include "kirne/type_table.hpp"

namespace kirne {

namespace {

// Numbers in the argument list never stop the run: what cannot be read is
// 0, and the warning says so, since a slip such as "6,0" for Rmax would
// otherwise pass unseen.
class NumberArguments {
 public:
  NumberArguments(const std::vector<std::string>& args, std::vector<std::string>& warnings)
      : args_(args), warnings_(warnings) {}

  // Argument `position` (from 1), which the usage line calls `name`.
  std::int32_t integer(std::size_t position, const char* name) {
    const std::optional<std::int32_t> value = common::parse_integer(args_[position - 1]);
    if (!value) warn(position, name, "a whole number");
    return value.value_or(0);
  }
  double real(std::size_t position, const char* name) {
    const std::optional<double> value = common::parse_real(args_[position - 1]);
    if (!value) warn(position, name, "a number");
    return value.value_or(0.0);
  }

 private:
  void warn(std::size_t position, const char* name, const char* expected) {
    warnings_.push_back(" Warning: " + std::string(name) + " (argument " +
                        std::to_string(position) + ") \"" + args_[position - 1] + "\" is not " +
                        expected + "; 0 is used.");
  }

  const std::vector<std::string>& args_;
  std::vector<std::string>& warnings_;
};

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

MaybeStop read_command_line(std::vector<std::string> args, RunParameters& parameters,
                            std::vector<std::string>& warnings) {
  if (MaybeStop stop = take_options(args, parameters)) return stop;
  parameters.mode = decide_run_mode(args);
  if (parameters.mode != RunMode::ArgumentList) return std::nullopt;
  // Only G2 is asked of a run from the argument list, even of one that
  // gives too few arguments to be read.
  parameters.distributions.g2 = true;
  if (args.size() < 6) {
    if (!args.empty()) {
      warnings.push_back(" Warning: " + std::to_string(args.size()) +
                         (args.size() == 1 ? " argument is" : " arguments are") +
                         " ignored: a run takes six or more (kirne --help).");
    }
    return std::nullopt;
  }
  std::vector<std::string> types{args[4]};
  types.insert(types.end(), args.begin() + 6, args.end());
  if (MaybeStop stop = take_types(types, parameters)) return stop;
  NumberArguments numbers(args, warnings);
  parameters.trajectory_name = args[0];
  parameters.skip_first = numbers.integer(2, "SKIPFIRST");
  parameters.skip_between = numbers.integer(3, "SKIP");
  parameters.cluster_radius = numbers.real(4, "RMAX");
  take_absorber_choice(numbers.integer(6, "CHOICE"), parameters);
  return std::nullopt;
}

}  // namespace kirne
