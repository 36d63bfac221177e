#pragma once
// Helpers for the tests that run the real programs in a temporary directory.
#include <filesystem>
#include <string>
#include <vector>

namespace test_support {

// A fresh directory under the system's temporary directory, removed with all
// its content when the object goes away.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

struct RunResult {
  int exit_code = -1;  // exit status, or 128 + signal number
  std::string out;     // everything written to standard output
  std::string err;     // everything written to standard error
};

// Runs a program with the arguments in a working directory, feeding
// stdin_text on its standard input, and waits for it.
RunResult run_program(const std::string& program, const std::vector<std::string>& args,
                      const std::filesystem::path& work_dir, const std::string& stdin_text = "");

std::string read_file(const std::filesystem::path& path);
void write_file(const std::filesystem::path& path, const std::string& content);

// Turns LF line ends into CR LF, to write expected texts readably.
std::string crlf(const std::string& lf_text);

}  // namespace test_support
