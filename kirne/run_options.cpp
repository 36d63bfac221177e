#include "kirne/run_options.hpp"

#include <algorithm>
#include <optional>

#include "common/number_syntax.hpp"

namespace kirne {

namespace {

RunStop usage(const std::string& problem) { return RunStop{" " + problem}; }

// The numbers that follow position i, at most nine of them.
std::vector<double> numbers_after(const std::vector<std::string>& args, std::size_t i) {
  std::vector<double> numbers;
  for (std::size_t k = i + 1; k < args.size() && numbers.size() < 9; ++k) {
    const std::optional<double> number = common::parse_real(args[k]);
    if (!number) break;
    numbers.push_back(*number);
  }
  return numbers;
}

// --cell a b c or --cell ax ay az bx by bz cx cy cz; gives back how many
// arguments it took.
MaybeStop take_cell(const std::vector<std::string>& args, std::size_t i, RunParameters& p,
                    std::size_t& taken) {
  std::vector<double> n = numbers_after(args, i);
  if (n.size() >= 3 && n.size() < 9) n.resize(3);
  if (n.size() == 3) {
    p.given_cell = PeriodicCell::orthorhombic(n[0], n[1], n[2]);
  } else if (n.size() == 9) {
    p.given_cell =
        PeriodicCell::from_edges({n[0], n[1], n[2]}, {n[3], n[4], n[5]}, {n[6], n[7], n[8]});
  } else {
    return usage("--cell takes 3 numbers (a b c) or 9 (ax ay az bx by bz cx cy cz).");
  }
  if (!p.given_cell) return usage("The cell given with --cell spans no volume.");
  taken = 1 + n.size();
  return std::nullopt;
}

MaybeStop take_type_map(const std::vector<std::string>& args, std::size_t i, RunParameters& p) {
  const std::optional<TypeMap> map =
      i + 1 < args.size() ? TypeMap::parse(args[i + 1]) : std::nullopt;
  if (!map) {
    const std::string given = i + 1 < args.size() ? " \"" + args[i + 1] + "\"" : " nothing";
    return usage("--type-map takes a list such as 1=Cu,2=Zr, not" + given + ".");
  }
  p.type_map = *map;
  return std::nullopt;
}

// One option at position i; `taken` is how many arguments it used.
MaybeStop take_option(const std::vector<std::string>& args, std::size_t i, RunParameters& p,
                      std::size_t& taken) {
  const std::string& option = args[i];
  taken = 1;
  if (option == "--pbc") {
    p.periodic = true;
    return std::nullopt;
  }
  if (option == "--cell") return take_cell(args, i, p, taken);
  if (option == "--type-map") {
    taken = 2;
    return take_type_map(args, i, p);
  }
  if (option == "--help" || option == "--version") {
    return usage(option + " stands alone, as the only argument: kirne " + option);
  }
  return usage("Unknown option " + option + ". The options are --pbc, --cell and --type-map.");
}

}  // namespace

MaybeStop take_options(std::vector<std::string>& args, RunParameters& parameters) {
  std::size_t i = 0;
  while (i < args.size() && args[i].rfind("--", 0) == 0) {
    if (args[i] == "--") {
      ++i;
      break;
    }
    std::size_t taken = 1;
    if (MaybeStop stop = take_option(args, i, parameters, taken)) return stop;
    i += taken;
  }
  args.erase(args.begin(), args.begin() + static_cast<std::ptrdiff_t>(std::min(i, args.size())));
  return std::nullopt;
}

}  // namespace kirne
