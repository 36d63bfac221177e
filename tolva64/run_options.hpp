#pragma once
// The command line of tolva64. Without arguments it runs every cluster in
// turn in the current directory; the options spread the FEFF runs over the
// cores of this machine or over the tasks of a batch job array, average
// finished results, or write the batch script.
#include <optional>
#include <string>
#include <vector>

namespace tolva64 {

enum class RunMode {
  PLAIN,          // no options: one cluster after the other, FEFF in the run directory
  SCRATCH,        // --jobs, --shard, --keep-scratch: FEFF in a directory of its own
  AVERAGE,        // --average: the totals from the per-cluster files, no FEFF
  BATCH_SCRIPT,   // --slurm: writes the job-array script
  HELP,           // --help
};

// Shard I of N holds the clusters on lines n with (n - 1) mod N = I - 1.
struct Shard {
  int index = 1;
  int count = 1;
  bool holds(int cluster_number) const { return (cluster_number - 1) % count == index - 1; }
};

struct RunOptions {
  RunMode mode = RunMode::PLAIN;
  int jobs = 1;
  std::optional<Shard> shard;
  bool keep_scratch = false;
  std::string partition;   // empty: the batch system's default partition
  int tasks = 0;           // 0: chosen from the number of clusters
  int cpus_per_task = 0;   // 0: the default
};

inline constexpr int MAX_JOBS = 512;
inline constexpr int DEFAULT_CPUS_PER_TASK = 4;
inline constexpr int DEFAULT_MAX_TASKS = 10;

struct ParsedOptions {
  RunOptions options;
  std::string error;  // empty when the command line is good
};

// Reads the arguments after the program name. Every option has a long form;
// --jobs, --cpus-per-task and --partition also take -j, -c and -p, and a
// value may follow as the next argument or after "=" (-j4 works too).
ParsedOptions parse_options(const std::vector<std::string>& args);

// The options of the program's arguments. A bad command line stops with
// stop_on_usage; --help prints its text and ends with exit code 0.
RunOptions read_command_line(int argc, char** argv);

// The text --help prints.
std::string help_text();

// Prints the message and a hint at --help on standard error, exit code 2.
[[noreturn]] void stop_on_usage(const std::string& message);

}  // namespace tolva64
