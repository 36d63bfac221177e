#pragma once
// The few file-system questions both programs ask.
#include <string>

namespace common {

// True when the current directory (or the path's directory) holds an entry of
// that name, of any kind: a directory passes too.
bool entry_exists(const std::string& path);

// True when a regular file (or anything openable as one) of that name exists.
bool file_exists(const std::string& path);

// Deletes a file; the result is not reported.
void delete_file(const std::string& path);

// The current directory, as the operating system reports it.
std::string current_directory();

}  // namespace common
