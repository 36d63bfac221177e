// File-system questions, asked of the operating system directly.
#include "common/file_system.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace common {

bool entry_exists(const std::string& path) {
  // lstat: a dangling link or a directory is still an entry of that name.
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

bool file_exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

void delete_file(const std::string& path) { ::unlink(path.c_str()); }

std::string current_directory() {
  std::vector<char> buffer(4096);
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return std::string();
    buffer.resize(buffer.size() * 2);
  }
  return std::string(buffer.data());
}

}  // namespace common
