#include "feff8l/result_files.hpp"

#include <system_error>

#include "feff8l/exit_status.hpp"

namespace feff8l {

namespace fs = std::filesystem;

void remove_earlier_results(const fs::path& run_directory) {
  for (std::string_view name : kResultFiles) {
    std::error_code error;
    fs::remove(run_directory / name, error);
    if (error) throw FileFailure("remove the earlier", run_directory / name, error);
  }
}

void publish_results(const fs::path& scratch, const fs::path& run_directory) {
  std::size_t moved = 0;
  std::error_code error;
  for (; moved < kResultFiles.size(); ++moved) {
    fs::rename(scratch / kResultFiles[moved], run_directory / kResultFiles[moved], error);
    if (error) break;
  }
  if (!error) return;
  const fs::path failed = run_directory / kResultFiles[moved];
  for (std::size_t back = 0; back < moved; ++back) {
    std::error_code ignored;
    fs::remove(run_directory / kResultFiles[back], ignored);
  }
  throw FileFailure("move the result to", failed, error);
}

}  // namespace feff8l
