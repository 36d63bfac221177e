#pragma once
// Recognising and removing the scratch folders of runs that were killed
// outright (SIGKILL, a crash, a power cut) and could not remove their own.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace feff8l {

// True for a scratch folder whose run is gone: its name carries this host
// and the id of a process that no longer exists (or our own id, which an
// earlier process must have had), and it holds no failure note. Folders of
// other hosts are left alone: their processes cannot be seen from here.
bool is_abandoned_scratch(std::string_view name, const std::string& host, long own_pid,
                          const std::function<bool(long)>& process_exists,
                          bool has_failure_note);

bool process_exists(long pid);

// Removes every abandoned scratch folder in the run directory.
void remove_abandoned_scratch_folders(const std::filesystem::path& run_directory,
                                      const std::string& host, long own_pid);

}  // namespace feff8l
