#include "child_process.hpp"

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>

namespace kirne_fuzz {

namespace {

ChildResult wait_for(pid_t pid) {
  ChildResult result;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
  }
  result.exited = WIFEXITED(status);
  result.code = result.exited ? WEXITSTATUS(status) : WTERMSIG(status);
  return result;
}

void redirect(const std::string& path, int fd, int flags) {
  int opened = open(path.c_str(), flags, 0644);
  if (opened < 0) _exit(120);
  dup2(opened, fd);
  close(opened);
}

// Both pipes until they close, read as data comes, so that neither fills
// up and blocks the child (test mode writes every atom line).
void drain(int out_fd, int err_fd, std::string& out, std::string& err) {
  pollfd fds[2] = {{out_fd, POLLIN, 0}, {err_fd, POLLIN, 0}};
  std::string* texts[2] = {&out, &err};
  int open_pipes = 2;
  while (open_pipes > 0) {
    if (poll(fds, 2, -1) < 0) continue;
    for (int k = 0; k < 2; ++k) {
      if (fds[k].fd < 0 || fds[k].revents == 0) continue;
      char buffer[65536];
      const ssize_t n = read(fds[k].fd, buffer, sizeof buffer);
      if (n > 0) {
        texts[k]->append(buffer, static_cast<std::size_t>(n));
        continue;
      }
      close(fds[k].fd);
      fds[k].fd = -1;
      --open_pipes;
    }
  }
}

}  // namespace

ChildResult run_forked(const std::function<void()>& body, unsigned seconds) {
  pid_t pid = fork();
  if (pid == 0) {
    alarm(seconds);
    redirect("/dev/null", 1, O_WRONLY);
    redirect("/dev/null", 2, O_WRONLY);
    body();
    _exit(0);
  }
  return wait_for(pid);
}

ChildResult run_in_dir(const std::string& program, const std::vector<std::string>& args,
                       const std::string& dir, const std::string& input, unsigned seconds,
                       long max_file_bytes) {
  const std::string stdin_path = dir + ".stdin";
  { std::ofstream(stdin_path, std::ios::binary) << input; }
  int out[2], err[2];
  if (pipe(out) != 0 || pipe(err) != 0) return ChildResult{};
  pid_t pid = fork();
  if (pid == 0) {
    // The alarm survives the exec and ends a program that never stops.
    alarm(seconds);
    if (max_file_bytes > 0) {
      const rlimit limit{rlim_t(max_file_bytes), rlim_t(max_file_bytes)};
      setrlimit(RLIMIT_FSIZE, &limit);
      signal(SIGXFSZ, SIG_IGN);  // the write past the limit fails instead
    }
    redirect(stdin_path, 0, O_RDONLY);
    dup2(out[1], 1);
    dup2(err[1], 2);
    close(out[0]);
    close(err[0]);
    if (chdir(dir.c_str()) != 0) _exit(121);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(122);
  }
  close(out[1]);
  close(err[1]);
  ChildResult piped;
  drain(out[0], err[0], piped.out, piped.err);
  ChildResult result = wait_for(pid);
  result.out = std::move(piped.out);
  result.err = std::move(piped.err);
  return result;
}

}  // namespace kirne_fuzz
