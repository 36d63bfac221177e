#include "tolva64/batch_script.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#include "common/atomic_file.hpp"
#include "common/cluster_list.hpp"
#include "common/failure.hpp"
#include "tolva64/console.hpp"
#include "tolva64/orderly_stop.hpp"

namespace tolva64 {

namespace {

bool safe_in_shell(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         c == '_' || c == '-' || c == '.' || c == '/' || c == ',' || c == '+' || c == ':';
}

std::string own_program_path() {
  char path[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return "tolva64";  // then it must be on the PATH of the tasks
  return std::string(path, static_cast<std::size_t>(length));
}

// Made executable before it appears under its name.
void write_script_file(const std::string& text, const std::string& path) {
  common::TextOutput out = common::create_temporary_for(path);
  out.write(text);
  out.close();
  std::string temporary = common::temporary_name_for(path);
  if (chmod(temporary.c_str(), 0755) != 0) common::fail_io(common::io_error_from_errno(errno));
  common::publish_file(temporary, path);
}

}  // namespace

std::string shell_word(const std::string& text) {
  if (!text.empty() && std::all_of(text.begin(), text.end(), safe_in_shell)) return text;
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string batch_script_text(const BatchSettings& settings) {
  std::string text = "#!/bin/bash\n#SBATCH --job-name=tolva64\n";
  if (!settings.partition.empty()) text += "#SBATCH --partition=" + settings.partition + "\n";
  text += "#SBATCH --array=1-" + std::to_string(settings.tasks) + "\n";
  text += "#SBATCH --ntasks=1\n";
  text += "#SBATCH --cpus-per-task=" + std::to_string(settings.cpus_per_task) + "\n";
  text += "#SBATCH --output=tolva64_%A_%a.out\n";
  text +=
      "# Written by tolva64 --slurm. Array task I runs shard I of the cluster list\n"
      "# with as many FEFF runs at once as it has cores, and writes the\n"
      "# per-cluster files of its clusters. Submit it from the run directory,\n"
      "# with the averaging that waits for every task:\n";
  std::string commands = submit_commands(settings);
  for (std::size_t start = 0; start < commands.size();) {
    std::size_t end = commands.find('\n', start);
    text += "#   " + commands.substr(start, end - start) + "\n";
    start = end + 1;
  }
  text += shell_word(settings.program) + " --shard \"$SLURM_ARRAY_TASK_ID/" +
          std::to_string(settings.tasks) + "\" --jobs \"${SLURM_CPUS_PER_TASK:-" +
          std::to_string(settings.cpus_per_task) + "}\"" + settings.task_options + "\n";
  text +=
      "status=$?\n"
      "# 3 and 4: some or all clusters of this task have no FEFF result (see its\n"
      "# output); the averaging after the array still runs and reports them.\n"
      "if [ \"$status\" -eq 3 ] || [ \"$status\" -eq 4 ]; then exit 0; fi\n"
      "exit \"$status\"\n";
  return text;
}

std::string submit_commands(const BatchSettings& settings) {
  // A failed task would otherwise leave the averaging waiting for ever.
  std::string average =
      "sbatch --dependency=afterok:${jid%%;*} --kill-on-invalid-dep=yes --job-name=tolva64-average";
  if (!settings.partition.empty()) average += " --partition=" + settings.partition;
  average += " --output=tolva64_average.out --wrap=" +
             shell_word(shell_word(settings.program) + " --average" + settings.average_options);
  return std::string("jid=$(sbatch --parsable ") + kBatchScriptName + ")\n" + average + "\n";
}

BatchSettings batch_settings_for(const RunOptions& options, int clusters) {
  BatchSettings settings;
  settings.program = own_program_path();
  settings.partition = options.partition;
  settings.tasks = options.tasks > 0 ? options.tasks
                                     : std::clamp(clusters, 1, kDefaultMaxTasks);
  settings.cpus_per_task =
      options.cpus_per_task > 0 ? options.cpus_per_task : kDefaultCpusPerTask;
  if (options.drop_absent_potentials) settings.task_options = " --drop-absent-potentials";
  if (options.averaging.common_grid) settings.average_options = " --common-grid";
  if (options.averaging.align_edge) settings.average_options += " --align-edge";
  return settings;
}

int run_batch_script(const RunFiles& files, const RunOptions& options) {
  print_banner();                                                 // 1. banner
  check_required_files(files);                                    // 2. what the tasks need
  int clusters = common::count_clusters(files.cluster_list);      // 3. size of the list
  BatchSettings settings = batch_settings_for(options, clusters);
  write_script_file(batch_script_text(settings), kBatchScriptName);  // 4. the script
  print_batch_script_lines(kBatchScriptName, clusters, settings.tasks, settings.cpus_per_task,
                           settings.partition, submit_commands(settings));
  return kExitDone;
}

}  // namespace tolva64
