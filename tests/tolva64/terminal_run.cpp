#include "terminal_run.hpp"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>

#include "test_support.hpp"

extern char** environ;

namespace tolva64_test {

namespace {

// A pseudo-terminal pair; the terminal side passes bytes on unchanged.
struct Terminal {
  int master = -1;
  int slave = -1;
  Terminal() {
    master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
      throw std::runtime_error("no pseudo-terminal");
    }
    slave = open(ptsname(master), O_RDWR | O_NOCTTY);
    if (slave < 0) throw std::runtime_error("no pseudo-terminal");
    termios settings{};
    tcgetattr(slave, &settings);
    settings.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    tcsetattr(slave, TCSANOW, &settings);
  }
  ~Terminal() {
    if (slave >= 0) close(slave);
    close(master);
  }
};

// Everything the terminal receives until the last program holding it ends.
std::string read_until_closed(int master) {
  std::string text;
  char buffer[4096];
  for (;;) {
    ssize_t got = read(master, buffer, sizeof buffer);
    if (got > 0) {
      text.append(buffer, static_cast<std::size_t>(got));
    } else if (got < 0 && errno == EINTR) {
      continue;
    } else {
      return text;  // EIO once every program has let go of it
    }
  }
}

}  // namespace

TerminalRun run_on_terminal(const std::vector<std::string>& args, const std::filesystem::path& dir,
                            bool output_on_terminal) {
  Terminal terminal;
  test_support::TempDir streams;
  int in_fd = open("/dev/null", O_RDONLY);
  int out_fd = open((streams / "stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in_fd, 0);
  posix_spawn_file_actions_adddup2(&actions, output_on_terminal ? terminal.slave : out_fd, 1);
  posix_spawn_file_actions_adddup2(&actions, terminal.slave, 2);
  posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
  std::vector<std::string> argv_text{TOLVA64_BIN};
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argv_text) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  int rc = posix_spawn(&pid, TOLVA64_BIN, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(in_fd);
  close(out_fd);
  close(terminal.slave);
  terminal.slave = -1;
  if (rc != 0) throw std::runtime_error("cannot start tolva64");
  TerminalRun run;
  run.terminal = read_until_closed(terminal.master);
  int status = 0;
  waitpid(pid, &status, 0);
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  run.out = test_support::read_file(streams / "stdout");
  return run;
}

}  // namespace tolva64_test
