#pragma once
// Writing a result file so that no reader ever sees half of it.
#include <filesystem>
#include <string>
#include <vector>

namespace feff_standin {

struct PendingFile {
  std::filesystem::path path;
  std::string content;
};

// Writes every file under a temporary name beside it, then renames them all
// into place. Throws std::runtime_error, after removing the temporary files,
// when a write fails; then none of the final names has been touched.
void write_files_atomically(const std::vector<PendingFile>& files);

}  // namespace feff_standin
