#include "feff_standin/atomic_file.hpp"

#include <fstream>
#include <stdexcept>
#include <system_error>

namespace feff_standin {
namespace {

std::filesystem::path temporary_name(const std::filesystem::path& path) {
  std::filesystem::path tmp = path;
  tmp += ".tmp";
  return tmp;
}

bool write_whole(const std::filesystem::path& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  out.close();
  return static_cast<bool>(out);
}

void remove_temporaries(const std::vector<PendingFile>& files) {
  std::error_code ignored;
  for (const PendingFile& f : files) std::filesystem::remove(temporary_name(f.path), ignored);
}

}  // namespace

void write_files_atomically(const std::vector<PendingFile>& files) {
  for (const PendingFile& f : files) {
    if (!write_whole(temporary_name(f.path), f.content)) {
      remove_temporaries(files);
      throw std::runtime_error("cannot write " + temporary_name(f.path).string());
    }
  }
  for (const PendingFile& f : files) {
    std::error_code error;
    std::filesystem::rename(temporary_name(f.path), f.path, error);
    if (error) {
      remove_temporaries(files);
      throw std::runtime_error("cannot rename " + temporary_name(f.path).string() + " to " +
                               f.path.string() + ": " + error.message());
    }
  }
}

}  // namespace feff_standin
