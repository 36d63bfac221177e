#include "feff8l/module_process.hpp"

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

extern char** environ;

namespace feff8l {

namespace {

constexpr auto kGraceAfterTerm = std::chrono::seconds(5);
constexpr auto kPollInterval = std::chrono::milliseconds(20);

struct ChildSetup {
  const char* program;
  const char* directory;
  int stdin_fd;
  int console_fd;
  int report_fd;  // gets errno when the start fails; closed by a successful exec
  pid_t parent;
  const sigset_t* mask;
};

// In the child between fork and exec: async-signal-safe calls only.
[[noreturn]] void become_module(const ChildSetup& setup) {
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != setup.parent) _exit(127);  // the driver died before prctl
  char* argv[] = {const_cast<char*>(setup.program), nullptr};
  if (chdir(setup.directory) == 0 && dup2(setup.stdin_fd, STDIN_FILENO) >= 0 &&
      dup2(setup.console_fd, STDOUT_FILENO) >= 0 && dup2(setup.console_fd, STDERR_FILENO) >= 0) {
    sigprocmask(SIG_SETMASK, setup.mask, nullptr);
    execve(setup.program, argv, environ);
  }
  const int error = errno;
  ssize_t ignored = write(setup.report_fd, &error, sizeof error);
  (void)ignored;
  _exit(127);
}

ModuleEnd end_from_status(int status) {
  if (WIFSIGNALED(status)) return {ModuleEndKind::Killed, WTERMSIG(status)};
  return {ModuleEndKind::Exited, WEXITSTATUS(status)};
}

// Whether the child has ended (with its status), or is gone without one.
enum class Reaped { Running, Ended, Lost };

Reaped reap(pid_t pid, int& status, int options) {
  pid_t done = 0;
  while ((done = waitpid(pid, &status, options)) < 0 && errno == EINTR) {
  }
  if (done == pid) return Reaped::Ended;
  return done < 0 ? Reaped::Lost : Reaped::Running;
}

void end_module(pid_t pid) {
  kill(pid, SIGTERM);
  const auto deadline = std::chrono::steady_clock::now() + kGraceAfterTerm;
  int status = 0;
  while (std::chrono::steady_clock::now() < deadline) {
    if (reap(pid, status, WNOHANG) != Reaped::Running) return;
    std::this_thread::sleep_for(kPollInterval);
  }
  kill(pid, SIGKILL);
  reap(pid, status, 0);
}

ModuleEnd wait_for_module(pid_t pid, const RunSignals& signals) {
  for (;;) {
    int status = 0;
    const Reaped reaped = reap(pid, status, WNOHANG);
    if (reaped == Reaped::Ended) return end_from_status(status);
    // Reaped by someone else: no status, so its outputs alone will tell.
    if (reaped == Reaped::Lost) return {ModuleEndKind::Exited, 0};
    // Checked again each second even without SIGCHLD: a signal that never
    // comes costs a second, not a hang.
    const timespec recheck{1, 0};
    const int taken = sigtimedwait(&signals.wait_signals, nullptr, &recheck);
    if (taken > 0 && taken != SIGCHLD) {
      end_module(pid);
      return {ModuleEndKind::Stopped, taken};
    }
  }
}

// The errno a failed start reported, or 0 once the exec closed the pipe.
int start_error(int report_fd) {
  int error = 0;
  ssize_t got = 0;
  while ((got = read(report_fd, &error, sizeof error)) < 0 && errno == EINTR) {
  }
  return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

}  // namespace

ModuleEnd run_module(const std::string& program, const std::filesystem::path& directory,
                     int console_fd, const RunSignals& signals) {
  const std::string directory_text = directory.string();
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return {ModuleEndKind::NotStarted, errno};
  const int null_fd = open("/dev/null", O_RDONLY | O_CLOEXEC);
  const ChildSetup setup{program.c_str(), directory_text.c_str(), null_fd, console_fd,
                         report[1], getpid(), &signals.original_mask};
  const pid_t pid = null_fd < 0 ? -1 : fork();
  const int fork_error = errno;
  if (pid == 0) become_module(setup);
  close(report[1]);
  if (null_fd >= 0) close(null_fd);
  if (pid < 0) {
    close(report[0]);
    return {ModuleEndKind::NotStarted, fork_error};
  }
  const int error = start_error(report[0]);
  close(report[0]);
  if (error != 0) {
    int status = 0;
    reap(pid, status, 0);
    return {ModuleEndKind::NotStarted, error};
  }
  return wait_for_module(pid, signals);
}

}  // namespace feff8l
