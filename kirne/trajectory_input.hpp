#pragma once
// The trajectory file FV, read by the text rules of every data file (white
// space is any byte up to 32, code 26 ends the data, LINE drops CR) but
// through a large buffer: a trajectory is read once, front to back, and its
// reading must stay far below the cost of writing the clusters. Memory stays
// at one buffer whatever the length of the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kirne {

class TrajectoryInput {
 public:
  // Opens a file for reading; failures end the run with the failure report.
  static TrajectoryInput open_file(const std::string& path);
  // Text held in memory, for tests and the randomized test.
  static TrajectoryInput from_string(std::string data);

  TrajectoryInput(TrajectoryInput&& other) noexcept;
  TrajectoryInput& operator=(TrajectoryInput&& other) noexcept;
  TrajectoryInput(const TrajectoryInput&) = delete;
  TrajectoryInput& operator=(const TrajectoryInput&) = delete;
  ~TrajectoryInput();

  // True when no byte is left or code 26 is next.
  bool at_eof();
  // Passes white space (line ends included), then tests for the end.
  bool only_white_space_left();
  // Integer token; 0 when the data ends first. Bad token: "Invalid input".
  std::int32_t read_integer();
  // Real token; 0.0 when white space runs into the end of the data, and
  // "Invalid input" when nothing at all is left or the token is bad.
  double read_real();
  // The next byte of the current line, or -1 in front of CR, LF, code 26
  // or the end of the data; the line end is never passed here.
  int peek_in_line();
  void advance() { ++pos_; }
  // The bytes buffered from the position on, at least `want` of them unless
  // the data ends first; consume() then moves past what was used of them.
  std::string_view buffered(std::size_t want);
  void consume(std::size_t n) { pos_ += n; }
  // LINE: the rest of the line without CR and LF; the position ends after
  // the LF, or at the end of the data.
  std::string line();
  // As line(), keeping nothing.
  void skip_line();
  void close();

 private:
  TrajectoryInput() = default;
  // Makes at least `want` bytes available unless the data ends first.
  bool fill(std::size_t want);
  bool skip_white_space();
  // The token at the position (at most 255 bytes); moves past it.
  std::string_view take_token();
  void release();

  int fd_ = -1;
  std::vector<char> buf_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool drained_ = true;  // nothing more will come from the file
};

}  // namespace kirne
