#pragma once
// Result files appear whole or not at all: they are written under a
// temporary name in the same directory and then renamed into place. A run
// stopped while writing leaves only the temporary file, which no later run
// mistakes for a finished result.
#include <string>

namespace tolva64 {

// "dir/xt.001" -> "dir/.xt.001.partial": same directory, so the rename stays
// within one file system; a hidden name that matches no result pattern.
std::string temporary_name_for(const std::string& final_path);

// Renames the temporary file onto the final name, replacing an older file.
// A failure ends the run with the failure report.
void publish_file(const std::string& temporary_path, const std::string& final_path);

}  // namespace tolva64
