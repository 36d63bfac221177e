#pragma once
// The private folder of one run in the run directory: made at the start,
// removed after success or a stop, kept under another name after a failure.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace feff8l {

inline constexpr std::string_view kScratchPrefix = "feff8l-scratch-";
inline constexpr std::string_view kKeptPrefix = "feff8l-failed-";
// Written into a folder kept after a failure, so that no later run takes it
// for a scratch folder left behind, even when renaming it failed.
inline constexpr std::string_view kFailureNote = "failure.txt";
inline constexpr std::string_view kConsoleLog = "console.log";  // the modules' console output

// "feff8l-scratch-<host>-<pid>": a later run tells from the name whether the
// run that made it is still alive.
std::string scratch_folder_name(const std::string& host, long pid);

// The host part of scratch folder names: this machine's name with every
// character but letters, digits, '.' and '-' made '_'.
std::string host_for_folder_name(const std::string& host);
std::string this_host();

struct ScratchOwner {
  std::string host;
  long pid = 0;
};

// Host and process id of a scratch folder's name; nullopt for other names.
std::optional<ScratchOwner> scratch_folder_owner(std::string_view name);

// Throws FileFailure when the folder cannot be made, or exists already.
void make_scratch_folder(const std::filesystem::path& folder);

// Best effort: a folder left behind is removed by a later run.
void remove_scratch_folder(const std::filesystem::path& folder);

// Writes the failure note, then renames the folder to "feff8l-failed-<pid>",
// or "feff8l-failed-<pid>-<n>" when that name is taken. Returns the folder's
// name from then on (the old one if the rename failed).
std::string keep_scratch_folder(const std::filesystem::path& run_directory,
                                const std::string& scratch_name, long pid,
                                const std::string& failure_line);

}  // namespace feff8l
