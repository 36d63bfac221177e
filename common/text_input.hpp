#pragma once
// A text input: a file opened for reading, standard input, or text in memory,
// read by the programs' token and line rules. Code 26 marks the end of data;
// CR and LF end lines. Every failure goes to the failure report.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace common {

class TextInput {
 public:
  // Opens a file for reading; a missing file is "File not found" (status 217).
  static TextInput open_file(const std::string& path);
  // Standard input, read as the user types it (never ahead of a line end).
  static TextInput& standard_input();
  // Text held in memory, for tests and fuzzing.
  static TextInput from_string(std::string data);

  TextInput(TextInput&&) noexcept;
  TextInput& operator=(TextInput&&) noexcept;
  TextInput(const TextInput&) = delete;
  TextInput& operator=(const TextInput&) = delete;
  ~TextInput();

  // Skips white space (codes <= 32), then converts one token by the real
  // syntax. Passing white space into the end of the data gives 0.0; nothing
  // left at all, or a bad token, is "Invalid input".
  double read_real();
  // As read_real with the integer syntax; at the end of the data it gives 0.
  std::int32_t read_integer();
  // The verbs below say where they stop. Two rules are in use: the "cr or
  // lf" verbs end a line at CR, at LF, or at a CR LF pair (the string read
  // and the line skip); the "lf" verbs end it at LF alone and drop every CR
  // on the way (LINE). Both stop in front of code 26.

  // The text up to the next CR, LF or code 26; the line end stays unread.
  std::string read_until_cr_or_lf();
  // As above, at most n bytes; the rest of the line stays unread.
  std::string read_until_cr_or_lf(std::size_t n);
  // One byte, line ends and code 26 included; at the end of the data: 26.
  char read_char();
  // Passes the next line end: LF, CR, or CR LF.
  void skip_past_cr_or_lf();
  // True when no byte is left or code 26 is next.
  bool at_eof();
  // LINE: the rest of the line up to and including the next LF, every CR
  // dropped (also one in the middle of the line).
  std::string read_through_lf();
  // As above, into a string whose storage is reused from line to line.
  void read_through_lf(std::string& out);
  // As read_through_lf, keeping nothing.
  void skip_through_lf();
  // Passes white space (line ends included), then tests for the end.
  bool only_white_space_left();
  void close();

  // A view into the buffer, for a reader that scans a line in place and
  // falls back to the reads above wherever it meets something unusual.
  // The bytes buffered from the position on, at least `want` of them unless
  // the data ends first (on standard input this waits for them). The view
  // stays valid until the next read; consume() moves past what was used.
  std::string_view buffered(std::size_t want);
  void consume(std::size_t n);
  // The next byte of the current line, or -1 in front of CR, LF, code 26
  // or the end of the data; the line end is never passed here.
  int peek_in_line();
  // Passes the byte that peek_in_line() gave.
  void advance();

  // Where the position is, for a message about what was read there: the
  // bytes passed since the start of the data, the number of the line (from
  // 1), and that line as far as the buffer holds it (its first 100 bytes).
  std::uint64_t bytes_passed() const;
  std::int64_t line_number() const;
  std::string current_line() const;

  // "md.xyz, line 7: cannot read \"Fe 1,5 2 3\"": the place of the input
  // read last, for the failure report; empty when none is open.
  static std::string place_of_last_read();

  // The byte source and its current chunk (input_source.hpp).
  struct Impl;

 private:
  explicit TextInput(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace common
