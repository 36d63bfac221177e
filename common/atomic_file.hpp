#pragma once
// Files that appear whole or not at all: they are written under a temporary
// name in the same directory and then renamed into place. A run stopped while
// writing leaves only the temporary file, which no later run mistakes for a
// finished one. Every program writes its results this way, through here.
#include <string>
#include <vector>

#include "common/text_output.hpp"

namespace common {

// "dir/xt.001" -> "dir/.xt.001.partial": same directory, so the rename stays
// within one file system; a hidden name that matches no result pattern.
std::string temporary_name_for(const std::string& final_path);

// Creates the temporary file of `final_path` for writing. A file left there
// by a stopped run, or a link planted under that name, is removed first; the
// new file is then created exclusively, so nothing is written through a link.
TextOutput create_temporary_for(const std::string& final_path);

// Renames the temporary file onto the final name, replacing an older file.
// A failure ends the run with the failure report.
void publish_file(const std::string& temporary_path, const std::string& final_path);

// Creates the temporary file of `final_path`, lets `write` fill it, closes it
// and publishes it. A failure on the way ends the run with the failure report
// and leaves the final name as it was.
template <class Write>
void write_file_atomically(const std::string& final_path, Write write) {
  TextOutput out = create_temporary_for(final_path);
  write(out);
  out.close();
  publish_file(temporary_name_for(final_path), final_path);
}

// A file's final name and the bytes it is to hold, written as they are.
struct PendingFile {
  std::string path;
  std::string content;
};

// Writes every file under its temporary name, then renames them all into
// place: a run stopped before the renames has touched none of the final names.
void write_files_atomically(const std::vector<PendingFile>& files);

}  // namespace common
