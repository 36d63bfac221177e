#pragma once
// A text output: a file created (or emptied) for writing, or standard output.
// Every line ends with CR LF. Writes gather in a 256-byte buffer; standard
// output is in addition passed on at each line end and prompt on a console.
// Every failure goes to the failure report.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace common {

class TextOutput {
 public:
  // Creates the file, or empties it; failures end the program (status 217).
  static TextOutput create_file(const std::string& path);
  // Creates a file that must not exist yet, and never through a symbolic
  // link: a name planted in its way is a failure, not a way to another file.
  static TextOutput create_new_file(const std::string& path);
  static TextOutput& standard_output();

  TextOutput(TextOutput&&) noexcept;
  TextOutput& operator=(TextOutput&&) noexcept;
  TextOutput(const TextOutput&) = delete;
  TextOutput& operator=(const TextOutput&) = delete;
  // Closes the file if it is still open.
  ~TextOutput();

  TextOutput& write(std::string_view text);
  TextOutput& write(char c);
  TextOutput& write_real(double v);                       // default layout
  TextOutput& write_integer(std::int64_t v, int width = 0);
  TextOutput& end_line();                                 // CR LF
  // After a prompt: passes the buffer on when this is a console.
  void prompt_done();
  // Passes everything written so far to the operating system.
  void flush();
  void close();

  // Flushes every text output that is open (used by the stops).
  static void flush_all();
  // Flushes and closes every open text output; standard output is passed on
  // but its descriptor stays open.
  static void close_all();

  struct Impl;

 private:
  explicit TextOutput(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace common
