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
  Plain,        // no options: one cluster after the other, FEFF in the run directory
  Scratch,      // --jobs, --shard, --keep-scratch: FEFF in a directory of its own
  Average,      // --average: the totals from the per-cluster files, no FEFF
  BatchScript,  // --slurm: writes the job-array script
};

// How the averages are taken: row by row as the files stand (the default),
// or on one common grid, mu(E) optionally aligned on each cluster's edge.
struct AveragingMode {
  bool common_grid = false;  // --common-grid
  bool align_edge = false;   // --align-edge
};

// Shard I of N holds the clusters on lines n with (n - 1) mod N = I - 1.
struct Shard {
  int index = 1;
  int count = 1;
  bool holds(int cluster_number) const { return (cluster_number - 1) % count == index - 1; }
};

struct RunOptions {
  RunMode mode = RunMode::Plain;
  int jobs = 1;
  std::optional<Shard> shard;
  bool keep_scratch = false;
  std::string partition;   // empty: the batch system's default partition
  int tasks = 0;           // 0: chosen from the number of clusters
  int cpus_per_task = 0;   // 0: the default
  bool drop_absent_potentials = false;
  AveragingMode averaging;  // --common-grid, --align-edge
};

inline constexpr int kMaxJobs = 512;
inline constexpr int kDefaultCpusPerTask = 4;
inline constexpr int kDefaultMaxTasks = 10;

// What the command line asks for: a run with its options, the help text,
// the version, or nothing but a complaint. main acts on it; the parser never
// ends the program. --help and --version win over the other options (--help
// over --version) as long as the command line can be read.
enum class CommandLineAction { Run, Help, Version, Error };

struct CommandLine {
  CommandLineAction action = CommandLineAction::Run;
  RunOptions options;
  std::string error;  // the complaint, for CommandLineAction::Error
};

// Reads the arguments after the program name. Every option has a long form;
// --jobs, --cpus-per-task and --partition also take -j, -c and -p, and a
// value may follow as the next argument or after "=" (-j4 works too).
CommandLine parse_command_line(const std::vector<std::string>& args);

}  // namespace tolva64
