#include "tolva64/leftovers.hpp"

#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "common/atomic_file.hpp"
#include "common/file_system.hpp"
#include "tolva64/console.hpp"
#include "tolva64/feff_process.hpp"
#include "tolva64/input_record.hpp"
#include "tolva64/scratch_directory.hpp"

namespace tolva64 {

namespace fs = std::filesystem;

namespace {

bool all_digits(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// A cluster number of at most nine digits, within the run's scope.
bool in_scope(const std::string& suffix, const std::optional<Shard>& shard) {
  if (!all_digits(suffix) || suffix.size() > 9) return false;
  return !shard || shard->holds(std::stoi(suffix));
}

// True while the group's leader runs: a zombie has done all it will do.
bool leader_runs(pid_t group) {
  if (killpg(group, 0) != 0) return false;
  std::ifstream stat("/proc/" + std::to_string(group) + "/stat");
  std::string pid, name, state;
  stat >> pid >> name >> state;  // the name is in parentheses, without blanks
  return !stat || state != "Z";
}

// A killed process may still finish the write it is in before it dies; its
// directory is emptied only once it has gone. The processes are not ours to
// reap (a killed run left them), so the wait is bounded.
void wait_until_group_is_gone(pid_t group) {
  for (int tries = 0; tries < 500 && leader_runs(group); ++tries) usleep(10000);
}

// FEFF runs that no record names (the run was killed between starting one and
// recording it): the processes whose working directory is the cluster's
// scratch directory, which only a FEFF run of ours has.
int stop_unrecorded_feff(const fs::path& directory) {
  std::error_code error;
  const fs::path expected = fs::canonical(directory, error);
  if (error) return 0;
  int stopped = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator("/proc", error)) {
    const std::string name = entry.path().filename().string();
    std::error_code unreadable;
    if (!all_digits(name) || fs::read_symlink(entry.path() / "cwd", unreadable) != expected) {
      continue;
    }
    const pid_t pid = static_cast<pid_t>(std::stol(name));
    if (pid == getpid()) continue;
    const pid_t group = getpgid(pid) == pid ? pid : 0;
    if (group != 0 ? killpg(group, SIGKILL) != 0 : kill(pid, SIGKILL) != 0) continue;
    wait_until_group_is_gone(pid);
    ++stopped;
  }
  return stopped;
}

// Kills the process group of a record if it is a FEFF run of ours: a group
// whose leader, if still there, works in that directory. A group whose
// leader has ended keeps its id from being reused, so it is ours all the same.
bool stop_recorded_group(const fs::path& record, const fs::path& directory) {
  pid_t group = 0;
  std::ifstream(record) >> group;
  fs::remove(record);
  if (group <= 1 || killpg(group, 0) != 0) return false;
  std::error_code error;
  fs::path working = fs::read_symlink("/proc/" + std::to_string(group) + "/cwd", error);
  fs::path expected = fs::canonical(directory, error);
  if (fs::exists("/proc/" + std::to_string(group))) {
    if (getpgid(group) != group || working != expected) return false;
  }
  if (killpg(group, SIGKILL) != 0) return false;
  wait_until_group_is_gone(group);
  return true;
}

// The record, or the temporary file of a record whose publication a kill cut
// short: it names the group all the same once it holds a number.
bool stop_recorded_feff(const fs::path& directory, const std::string& record_name,
                        const fs::path& working_directory) {
  bool stopped = false;
  for (const std::string& name : {record_name, common::temporary_name_for(record_name)}) {
    std::error_code error;
    fs::path record = directory / name;
    if (fs::exists(record, error) && stop_recorded_group(record, working_directory)) {
      stopped = true;
    }
  }
  return stopped;
}

void clear_scratch(const std::optional<Shard>& shard, bool keep_scratch, LeftoversFound& found) {
  std::error_code error;
  if (!fs::is_directory(kScratchRoot, error)) return;
  std::vector<fs::path> directories;
  for (const fs::directory_entry& entry : fs::directory_iterator(kScratchRoot, error)) {
    if (in_scope(entry.path().filename().string(), shard)) directories.push_back(entry.path());
  }
  for (const fs::path& directory : directories) {
    if (stop_recorded_feff(directory, kFeffGroupRecord, directory)) ++found.feff_runs_stopped;
    found.feff_runs_stopped += stop_unrecorded_feff(directory);
    if (keep_scratch) continue;
    remove_scratch_directory(directory.string());
    ++found.scratch_directories;
  }
}

// ".xt.007.partial" or ".made_from.007.partial" of a cluster in scope; the
// run's own names only when the run is not a shard, which writes none of them.
bool is_temporary_leftover(const std::string& name, const std::optional<Shard>& shard) {
  const std::string tail = ".partial";
  if (name.size() <= tail.size() || name[0] != '.' ||
      name.compare(name.size() - tail.size(), tail.size(), tail) != 0) {
    return false;
  }
  std::string inner = name.substr(1, name.size() - 1 - tail.size());
  for (const std::string prefix : {"xt.", "mu.", kRecordPrefix}) {
    if (inner.rfind(prefix, 0) == 0) return in_scope(inner.substr(prefix.size()), shard);
  }
  return !shard;
}

void clear_run_directory(const RunFiles& files, const std::optional<Shard>& shard,
                         LeftoversFound& found) {
  if (!shard) {
    if (stop_recorded_feff(".", kPlainFeffGroupRecord, fs::current_path())) {
      ++found.feff_runs_stopped;
    }
    for (const std::string* name : {&files.chi_result, &files.xmu_result}) {
      if (!common::file_exists(*name)) continue;
      common::delete_file(*name);
      ++found.temporary_files;
    }
  }
  std::error_code error;
  std::vector<fs::path> temporaries;
  for (const fs::directory_entry& entry : fs::directory_iterator(".", error)) {
    if (is_temporary_leftover(entry.path().filename().string(), shard)) {
      temporaries.push_back(entry.path());
    }
  }
  for (const fs::path& path : temporaries) {
    if (fs::remove(path, error)) ++found.temporary_files;
  }
}

std::string counted(int count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

LeftoversFound clean_up_leftovers(const RunFiles& files, const std::optional<Shard>& shard,
                                  bool keep_scratch) {
  LeftoversFound found;
  clear_scratch(shard, keep_scratch, found);
  clear_run_directory(files, shard, found);
  return found;
}

std::string leftovers_line(const LeftoversFound& found) {
  std::vector<std::string> parts;
  if (found.feff_runs_stopped > 0) {
    parts.push_back("stopped " + counted(found.feff_runs_stopped, "FEFF run", "FEFF runs"));
  }
  std::vector<std::string> removed;
  if (found.scratch_directories > 0) {
    removed.push_back(
        counted(found.scratch_directories, "scratch directory", "scratch directories"));
  }
  if (found.temporary_files > 0) {
    removed.push_back(counted(found.temporary_files, "temporary file", "temporary files"));
  }
  if (!removed.empty()) {
    parts.push_back("removed " + removed[0] + (removed.size() == 2 ? " and " + removed[1] : ""));
  }
  std::string line = " Cleared what an interrupted run left: ";
  for (std::size_t i = 0; i < parts.size(); ++i) line += (i == 0 ? "" : ", ") + parts[i];
  return line + ".";
}

void clean_up_and_report_leftovers(const RunFiles& files, const std::optional<Shard>& shard,
                                   bool keep_scratch) {
  LeftoversFound found = clean_up_leftovers(files, shard, keep_scratch);
  if (found.any()) say(leftovers_line(found));
}

}  // namespace tolva64
