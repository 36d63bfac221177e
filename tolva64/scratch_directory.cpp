#include "tolva64/scratch_directory.hpp"

#include <filesystem>
#include <system_error>

#include "common/failure.hpp"

namespace tolva64 {

namespace fs = std::filesystem;

std::string scratch_directory_for(const std::string& suffix) {
  return std::string(kScratchRoot) + "/" + suffix;
}

void prepare_scratch_directory(const std::string& path) {
  std::error_code error;
  // A FEFF run of a stopped run may still be writing there; its files come
  // and go while the directory is emptied.
  for (int attempt = 1; attempt <= 3; ++attempt) {
    fs::remove_all(path, error);
    if (!error) break;
  }
  if (error) common::fail_io(common::io_error_from_errno(error.value()));
  // Another shard may remove the empty root just as this one makes the
  // directory below it; making it again then succeeds. Once made, the root
  // is no longer empty and stays.
  for (int attempt = 1; attempt <= 3; ++attempt) {
    fs::create_directories(path, error);
    if (!error) return;
  }
  common::fail_io(common::io_error_from_errno(error.value()));
}

void remove_scratch_directory(const std::string& path) {
  std::error_code error;
  // A FEFF run that a killed run left may still be writing there; its files
  // come and go while the directory is emptied.
  for (int attempt = 1; attempt <= 3; ++attempt) {
    fs::remove_all(path, error);
    if (!error) break;
  }
  // A root that links to a scratch disk is the user's: it stays. A real
  // directory goes once empty; removing it fails while other clusters, or
  // another shard, still use it.
  if (fs::is_symlink(kScratchRoot, error)) return;
  fs::remove(kScratchRoot, error);
}

std::string keep_failed_scratch_directory(const std::string& path, const std::string& suffix) {
  const std::string kept = std::string(kKeptRoot) + "/" + suffix;
  std::error_code error;
  fs::create_directory(kKeptRoot, error);
  fs::remove_all(kept, error);
  fs::rename(path, kept, error);
  return error ? "" : kept;
}

void forget_kept_scratch_directory(const std::string& suffix) {
  std::error_code error;
  const std::string kept = std::string(kKeptRoot) + "/" + suffix;
  if (!fs::exists(kept, error)) return;
  fs::remove_all(kept, error);
  fs::remove(kKeptRoot, error);  // fails while other clusters' are kept
}

}  // namespace tolva64
