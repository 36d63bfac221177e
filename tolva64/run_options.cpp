#include "tolva64/run_options.hpp"

#include <set>

namespace tolva64 {

namespace {

struct OptionInfo {
  const char* long_name;
  char short_name;  // 0: long form only
  bool takes_value;
};

constexpr OptionInfo kOptions[] = {
    {"jobs", 'j', true},      {"shard", 0, true},         {"keep-scratch", 0, false},
    {"average", 0, false},    {"slurm", 0, false},        {"partition", 'p', true},
    {"tasks", 0, true},       {"cpus-per-task", 'c', true}, {"help", 'h', false},
    {"drop-absent-potentials", 0, false}, {"common-grid", 0, false}, {"align-edge", 0, false},
    {"version", 0, false},
};

const OptionInfo* find_long(const std::string& name) {
  for (const OptionInfo& option : kOptions) {
    if (name == option.long_name) return &option;
  }
  return nullptr;
}

const OptionInfo* find_short(char name) {
  for (const OptionInfo& option : kOptions) {
    if (option.short_name != 0 && name == option.short_name) return &option;
  }
  return nullptr;
}

// A whole number from 1 to `most`, digits only.
std::optional<int> count_from(const std::string& text, int most) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  int value = std::stoi(text);
  if (value < 1 || value > most) return std::nullopt;
  return value;
}

std::optional<Shard> shard_from(const std::string& text) {
  std::string::size_type slash = text.find('/');
  if (slash == std::string::npos) return std::nullopt;
  std::optional<int> count = count_from(text.substr(slash + 1), 1000000);
  std::optional<int> index = count_from(text.substr(0, slash), 1000000);
  if (!count || !index || *index > *count) return std::nullopt;
  return Shard{*index, *count};
}

// The partition lands on a line of the batch script, so it keeps to the
// characters partition names are made of.
bool plain_partition_name(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text) {
    bool letter_or_digit =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!letter_or_digit && c != '_' && c != '-' && c != '.' && c != ',') return false;
  }
  return true;
}

// Stores one option's value; the error text when the value is bad.
std::string apply(const std::string& name, const std::string& value, RunOptions& options) {
  if (name == "jobs" || name == "tasks" || name == "cpus-per-task") {
    int most = name == "jobs" ? kMaxJobs : 100000;
    std::optional<int> count = count_from(value, most);
    if (!count) {
      return "--" + name + " needs a whole number from 1 to " + std::to_string(most) +
             ", not '" + value + "'";
    }
    (name == "jobs" ? options.jobs : name == "tasks" ? options.tasks : options.cpus_per_task) =
        *count;
  } else if (name == "shard") {
    options.shard = shard_from(value);
    if (!options.shard) return "--shard needs I/N with 1 <= I <= N, not '" + value + "'";
  } else if (name == "partition") {
    if (!plain_partition_name(value)) return "--partition: not a partition name: '" + value + "'";
    options.partition = value;
  } else if (name == "keep-scratch") {
    options.keep_scratch = true;
  } else if (name == "drop-absent-potentials") {
    options.drop_absent_potentials = true;
  } else if (name == "common-grid") {
    options.averaging.common_grid = true;
  } else if (name == "align-edge") {
    options.averaging.align_edge = true;
  }
  return "";
}

bool any_of(const std::set<std::string>& seen, std::initializer_list<const char*> names,
            std::string& found) {
  for (const char* name : names) {
    if (seen.count(name) != 0) {
      found = name;
      return true;
    }
  }
  return false;
}

// Picks the mode from the options given; the error text when they clash.
// The options that only change how a run composes its inputs or takes its
// averages; they choose no mode.
bool shapes_the_run(const std::string& name) {
  return name == "drop-absent-potentials" || name == "common-grid" || name == "align-edge";
}

std::string choose_mode(std::set<std::string> seen, RunOptions& options) {
  std::string other;
  if (seen.count("align-edge") != 0 && seen.count("common-grid") == 0) {
    return "--align-edge belongs to --common-grid";
  }
  std::erase_if(seen, shapes_the_run);
  if (seen.count("average") != 0) {
    if (any_of(seen, {"jobs", "shard", "keep-scratch", "slurm", "partition", "tasks",
                      "cpus-per-task"}, other) ||
        options.drop_absent_potentials) {
      if (other.empty()) other = "drop-absent-potentials";
      return "--average does not go with --" + other;
    }
    options.mode = RunMode::Average;
  } else if (seen.count("slurm") != 0) {
    if (any_of(seen, {"jobs", "shard", "keep-scratch"}, other)) {
      return "--slurm does not go with --" + other + " (the script sets them for each task)";
    }
    options.mode = RunMode::BatchScript;
  } else if (any_of(seen, {"partition", "tasks", "cpus-per-task"}, other)) {
    return "--" + other + " belongs to --slurm";
  } else if (!seen.empty()) {
    options.mode = RunMode::Scratch;
  }
  return "";
}

// Splits one argument into its option and the value written into it
// ("--jobs=2", "-j2"); the error text when it is no option.
std::string split_argument(const std::string& arg, const OptionInfo*& option,
                           std::optional<std::string>& value) {
  if (arg.rfind("--", 0) == 0 && arg.size() > 2) {
    std::string::size_type equals = arg.find('=');
    option = find_long(arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2));
    if (equals != std::string::npos) value = arg.substr(equals + 1);
  } else if (arg.size() >= 2 && arg[0] == '-' && arg[1] != '-') {
    option = find_short(arg[1]);
    if (arg.size() > 2) value = arg.substr(2);
  } else {
    return "unexpected argument '" + arg + "'";
  }
  return option == nullptr ? "unknown option '" + arg + "'" : "";
}

}  // namespace

CommandLine parse_command_line(const std::vector<std::string>& args) {
  CommandLine parsed;
  std::set<std::string> seen;
  std::string error;
  for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
    const OptionInfo* option = nullptr;
    std::optional<std::string> value;
    error = split_argument(args[i], option, value);
    if (!error.empty()) break;
    std::string name = option->long_name;
    if (!option->takes_value && value) {
      error = "--" + name + " takes no value";
    } else if (option->takes_value && !value && i + 1 == args.size()) {
      error = "--" + name + " needs a value";
    } else {
      if (option->takes_value && !value) value = args[++i];
      seen.insert(name);
      error = apply(name, value.value_or(""), parsed.options);
    }
  }
  // --help and --version win over everything but a command line that cannot
  // be read.
  if (error.empty() && seen.count("help") != 0) {
    parsed.action = CommandLineAction::Help;
  } else if (error.empty() && seen.count("version") != 0) {
    parsed.action = CommandLineAction::Version;
  }
  if (error.empty() && parsed.action == CommandLineAction::Run) {
    error = choose_mode(seen, parsed.options);
  }
  if (!error.empty()) {
    parsed.action = CommandLineAction::Error;
    parsed.error = error;
  }
  return parsed;
}

}  // namespace tolva64
