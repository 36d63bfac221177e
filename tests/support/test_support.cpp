#include "test_support.hpp"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace test_support {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "mdx-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void write_file(const std::filesystem::path& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot write " + path.string());
  out << content;
}

std::string crlf(const std::string& lf_text) {
  std::string result;
  result.reserve(lf_text.size() + lf_text.size() / 16);
  for (char c : lf_text) {
    if (c == '\n') result += '\r';
    result += c;
  }
  return result;
}

namespace {

// The child's streams go through files, so a large output never blocks it.
int open_scratch(const std::filesystem::path& path, int flags) {
  int fd = open(path.c_str(), flags, 0644);
  if (fd < 0) throw std::runtime_error("cannot open " + path.string());
  return fd;
}

}  // namespace

RunResult run_program(const std::string& program, const std::vector<std::string>& args,
                      const std::filesystem::path& work_dir, const std::string& stdin_text) {
  TempDir streams;
  write_file(streams / "stdin", stdin_text);
  int in_fd = open_scratch(streams / "stdin", O_RDONLY);
  int out_fd = open_scratch(streams / "stdout", O_WRONLY | O_CREAT | O_TRUNC);
  int err_fd = open_scratch(streams / "stderr", O_WRONLY | O_CREAT | O_TRUNC);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in_fd, 0);
  posix_spawn_file_actions_adddup2(&actions, out_fd, 1);
  posix_spawn_file_actions_adddup2(&actions, err_fd, 2);
  posix_spawn_file_actions_addchdir_np(&actions, work_dir.c_str());

  std::vector<std::string> argv_text{program};
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : argv_text) argv.push_back(a.data());
  argv.push_back(nullptr);

  pid_t pid = 0;
  int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(in_fd);
  close(out_fd);
  close(err_fd);
  if (rc != 0) throw std::runtime_error("cannot start " + program);

  int status = 0;
  waitpid(pid, &status, 0);
  RunResult result;
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.out = read_file(streams / "stdout");
  result.err = read_file(streams / "stderr");
  return result;
}

}  // namespace test_support
