#include "tolva64/batch_script.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fstream>

#include "common/failure.hpp"
#include "common/text_output.hpp"
#include "common/atomic_file.hpp"

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

void write_script_file(const std::string& text, const std::string& path) {
  std::string temporary = common::temporary_name_for(path);
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) common::fail_io(common::io_error_from_errno(errno));
  if (chmod(temporary.c_str(), 0755) != 0) common::fail_io(common::io_error_from_errno(errno));
  common::publish_file(temporary, path);
}

void say(const std::string& line) {
  common::TextOutput::standard_output().write(line).end_line();
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
  text += "exec " + shell_word(settings.program) + " --shard \"$SLURM_ARRAY_TASK_ID/" +
          std::to_string(settings.tasks) + "\" --jobs \"${SLURM_CPUS_PER_TASK:-" +
          std::to_string(settings.cpus_per_task) + "}\"\n";
  return text;
}

std::string submit_commands(const BatchSettings& settings) {
  // A failed task would otherwise leave the averaging waiting for ever.
  std::string average =
      "sbatch --dependency=afterok:${jid%%;*} --kill-on-invalid-dep=yes --job-name=tolva64-average";
  if (!settings.partition.empty()) average += " --partition=" + settings.partition;
  average += " --output=tolva64_average.out --wrap=" +
             shell_word(shell_word(settings.program) + " --average");
  return std::string("jid=$(sbatch --parsable ") + BATCH_SCRIPT_NAME + ")\n" + average + "\n";
}

BatchSettings batch_settings_for(const RunOptions& options, int clusters) {
  BatchSettings settings;
  settings.program = own_program_path();
  settings.partition = options.partition;
  settings.tasks = options.tasks > 0 ? options.tasks
                                     : std::clamp(clusters, 1, DEFAULT_MAX_TASKS);
  settings.cpus_per_task =
      options.cpus_per_task > 0 ? options.cpus_per_task : DEFAULT_CPUS_PER_TASK;
  return settings;
}

void write_batch_script(const BatchSettings& settings, int clusters) {
  write_script_file(batch_script_text(settings), BATCH_SCRIPT_NAME);
  std::string partition = settings.partition.empty() ? "the default partition"
                                                     : "partition " + settings.partition;
  say(std::string(" Wrote ") + BATCH_SCRIPT_NAME + ": " + std::to_string(clusters) +
      " clusters in " + std::to_string(settings.tasks) + " array tasks of " +
      std::to_string(settings.cpus_per_task) + " cores, " + partition + ".");
  say(" Submit the FEFF runs, and the averaging that waits for them, from this directory:");
  std::string commands = submit_commands(settings);
  for (std::size_t start = 0; start < commands.size();) {
    std::size_t end = commands.find('\n', start);
    say("   " + commands.substr(start, end - start));
    start = end + 1;
  }
}

}  // namespace tolva64
