#include "kirne_e2e_support.hpp"

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace kirne_e2e {

test_support::RunResult run_kirne(const test_support::TempDir& dir,
                                  const std::vector<std::string>& args,
                                  const std::string& answers) {
  return test_support::run_program(KIRNE_BINARY, args, dir.path(), answers);
}

namespace {

// Everything from the two pipes until both are closed; reading them in
// turn as data comes keeps a full pipe from blocking the child.
void drain(int out_fd, int err_fd, test_support::RunResult& result) {
  pollfd fds[2] = {{out_fd, POLLIN, 0}, {err_fd, POLLIN, 0}};
  std::string* texts[2] = {&result.out, &result.err};
  int open_pipes = 2;
  while (open_pipes > 0 && poll(fds, 2, -1) >= 0) {
    for (int k = 0; k < 2; ++k) {
      if (fds[k].fd < 0 || fds[k].revents == 0) continue;
      char buffer[4096];
      const ssize_t n = read(fds[k].fd, buffer, sizeof buffer);
      if (n > 0) {
        texts[k]->append(buffer, static_cast<std::size_t>(n));
      } else {
        close(fds[k].fd);
        fds[k].fd = -1;
        --open_pipes;
      }
    }
  }
}

}  // namespace

test_support::RunResult run_kirne_with_file_limit(const test_support::TempDir& dir,
                                                  const std::vector<std::string>& args,
                                                  long max_file_bytes) {
  int out[2], err[2];
  if (pipe(out) != 0 || pipe(err) != 0) return {};
  std::vector<std::string> words{KIRNE_BINARY};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    const rlimit limit{static_cast<rlim_t>(max_file_bytes), static_cast<rlim_t>(max_file_bytes)};
    setrlimit(RLIMIT_FSIZE, &limit);
    // Ignored, the signal leaves the failed write to say EFBIG.
    signal(SIGXFSZ, SIG_IGN);
    dup2(open("/dev/null", O_RDONLY), 0);
    dup2(out[1], 1);
    dup2(err[1], 2);
    if (chdir(dir.path().c_str()) == 0) execv(KIRNE_BINARY, argv.data());
    _exit(127);
  }
  close(out[1]);
  close(err[1]);
  test_support::RunResult result;
  drain(out[0], err[0], result);
  int status = 0;
  waitpid(pid, &status, 0);
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

std::string banner(const std::string& mode_line) {
  std::string text =
      "****************************************\n"
      "*                 KIRNE                *\n"
      "*              Version 6.1             *\n"
      "*                                      *\n"
      "*  Clusters and distribution functions *\n"
      "*    from molecular-dynamics frames    *\n"
      "****************************************\n"
      "\n";
  if (!mode_line.empty()) text += mode_line + "\n";
  return text + "\n";
}

std::string type_table(int npot, const std::string& types_line, const std::string& central) {
  return "Number of different atoms: " + std::to_string(npot) +
         "\n\nAtoms types are: " + types_line + "\nCentral atom type is: " + central + "\n";
}

std::string parameter_echo(const std::string& name, int skipfirst, int skip,
                           const std::string& rmax_layout) {
  return "\nXYZ-filename: " + name +
         "\nNumber of configurations to skip from the beginning: " + std::to_string(skipfirst) +
         "\nNumber of configurations to skip during the run: " + std::to_string(skip) +
         "\nMaximal distance from the absorber Rmax: " + rmax_layout + "\n\n";
}

std::string statistics(int total, int used, int absorbers) {
  return "\nNumber of clusters: \n   Total: " + std::to_string(total) +
         "\n   Used: " + std::to_string(used) +
         "\n   Absorbers in each used cluster: " + std::to_string(absorbers) + "\n\n";
}

std::string atom(int type, const char* x, const char* y, const char* z) {
  return std::to_string(type) + " " + x + " " + y + " " + z + "\n";
}

}  // namespace kirne_e2e
