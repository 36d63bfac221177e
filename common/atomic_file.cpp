#include "common/atomic_file.hpp"

#include <cerrno>
#include <cstdio>

#include "common/failure.hpp"

namespace common {

std::string temporary_name_for(const std::string& final_path) {
  std::string::size_type slash = final_path.rfind('/');
  std::string::size_type base = slash == std::string::npos ? 0 : slash + 1;
  return final_path.substr(0, base) + "." + final_path.substr(base) + ".partial";
}

TextOutput create_temporary_for(const std::string& final_path) {
  const std::string temporary = temporary_name_for(final_path);
  if (std::remove(temporary.c_str()) != 0 && errno != ENOENT) {
    fail_io(io_error_from_errno(errno), temporary + ": cannot be removed");
  }
  return TextOutput::create_new_file(temporary);
}

void publish_file(const std::string& temporary_path, const std::string& final_path) {
  if (std::rename(temporary_path.c_str(), final_path.c_str()) != 0) {
    fail_io(io_error_from_errno(errno),
            temporary_path + ": cannot be renamed to " + final_path);
  }
}

void write_files_atomically(const std::vector<PendingFile>& files) {
  for (const PendingFile& file : files) {
    TextOutput out = create_temporary_for(file.path);
    out.write(file.content);
    out.close();
  }
  for (const PendingFile& file : files) publish_file(temporary_name_for(file.path), file.path);
}

}  // namespace common
