#pragma once
// The progress line of a long run. kirne cannot know how many frames a
// trajectory holds without reading it, so the line counts the part of the
// file read against its size: " 310 of 1075 MB read, 0:12 elapsed, about
// 0:30 left". Like every progress line it appears only when standard error
// is a terminal, and here only once the run has lasted a second, so that a
// short run never flashes one.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "common/progress_line.hpp"

namespace kirne {

// What the line counts in: kB below 100 MB, MB from there, so the count
// moves visibly and stays short.
struct ProgressUnit {
  std::uint64_t bytes = 1000;
  const char* name = "kB read";
};
ProgressUnit progress_unit(std::uint64_t total_bytes);

class ReadingProgress {
 public:
  // For the trajectory file at `path`, when `wanted`; a file whose size
  // cannot be known (a pipe) or is 0 gets no line.
  ReadingProgress(const std::string& path, bool wanted);

  // After each frame: how many bytes of the file have been read.
  void update(std::uint64_t bytes_read);

 private:
  ProgressUnit unit_;
  std::chrono::steady_clock::time_point start_;
  // Cleared when the progress goes away, so the lines after it start clean.
  std::optional<common::ProgressLine> line_;
};

}  // namespace kirne
