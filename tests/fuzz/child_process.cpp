#include "child_process.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

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

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void redirect(const std::string& path, int fd, int flags) {
  int opened = open(path.c_str(), flags, 0644);
  if (opened < 0) _exit(120);
  dup2(opened, fd);
  close(opened);
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
                       const std::string& dir, const std::string& input, unsigned seconds) {
  const std::string streams = dir + ".streams";
  { std::ofstream(streams + ".in", std::ios::binary) << input; }
  pid_t pid = fork();
  if (pid == 0) {
    // The alarm survives the exec and ends a program that never stops.
    alarm(seconds);
    redirect(streams + ".in", 0, O_RDONLY);
    redirect(streams + ".out", 1, O_WRONLY | O_CREAT | O_TRUNC);
    redirect(streams + ".err", 2, O_WRONLY | O_CREAT | O_TRUNC);
    if (chdir(dir.c_str()) != 0) _exit(121);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(122);
  }
  ChildResult result = wait_for(pid);
  result.out = slurp(streams + ".out");
  result.err = slurp(streams + ".err");
  return result;
}

}  // namespace kirne_fuzz
