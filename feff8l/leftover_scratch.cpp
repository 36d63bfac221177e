#include "feff8l/leftover_scratch.hpp"

#include <signal.h>

#include <cerrno>
#include <system_error>
#include <vector>

#include "feff8l/scratch_folder.hpp"

namespace feff8l {

namespace fs = std::filesystem;

bool is_abandoned_scratch(std::string_view name, const std::string& host, long own_pid,
                          const std::function<bool(long)>& process_exists,
                          bool has_failure_note) {
  const auto owner = scratch_folder_owner(name);
  if (!owner || owner->host != host || has_failure_note) return false;
  return owner->pid == own_pid || !process_exists(owner->pid);
}

bool process_exists(long pid) {
  // EPERM: it exists, under another user.
  return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

void remove_abandoned_scratch_folders(const fs::path& run_directory, const std::string& host,
                                      long own_pid) {
  std::error_code error;
  std::vector<fs::path> abandoned;
  fs::directory_iterator entry(run_directory, error);
  for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
    std::error_code ignored;
    // A link named like a scratch folder is not ours to follow.
    if (entry->is_symlink(ignored) || !entry->is_directory(ignored)) continue;
    const std::string name = entry->path().filename().string();
    const bool noted = fs::exists(entry->path() / kFailureNote, ignored);
    if (is_abandoned_scratch(name, host, own_pid, process_exists, noted)) {
      abandoned.push_back(entry->path());
    }
  }
  for (const fs::path& folder : abandoned) remove_scratch_folder(folder);
}

}  // namespace feff8l
