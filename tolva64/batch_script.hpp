#pragma once
// The job-array script for a Slurm cluster: one array task per shard of the
// cluster list, each running several FEFF at once, and the instructions to
// submit it together with the averaging that waits for every task.
#include <string>

#include "tolva64/run_files.hpp"
#include "tolva64/run_options.hpp"

namespace tolva64 {

inline constexpr const char* kBatchScriptName = "tolva64.sbatch";

struct BatchSettings {
  std::string program;     // absolute path of tolva64, as the tasks start it
  std::string partition;   // empty: the cluster's default partition
  int tasks = 1;
  int cpus_per_task = 1;
  std::string task_options;     // passed on to every shard, " --drop-absent-potentials"
  std::string average_options;  // passed on to the averaging, " --common-grid"
};

// A word for the shell: as it is when it holds only safe characters,
// otherwise in single quotes.
std::string shell_word(const std::string& text);

// The script: the #SBATCH lines, then the command that runs the task's
// shard. Shard I of N is the array index over a fixed N, so a task run again
// alone (sbatch --array=3) still runs shard 3 of N. A shard that ends with 3
// or 4 (clusters without results) counts as a success, so that the averaging
// still runs after it. LF line ends.
std::string batch_script_text(const BatchSettings& settings);

// The two shell lines that submit the array and, after it, the averaging.
std::string submit_commands(const BatchSettings& settings);

// The settings of the options, with the defaults filled in: as many tasks as
// clusters but at most kDefaultMaxTasks, and kDefaultCpusPerTask cores.
BatchSettings batch_settings_for(const RunOptions& options, int clusters);

// --slurm: checks the required files, counts the clusters, writes the
// script, executable, in the run directory and prints what was written and
// how to submit it. Returns the exit code.
int run_batch_script(const RunFiles& files, const RunOptions& options);

}  // namespace tolva64
