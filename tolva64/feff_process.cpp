#include "tolva64/feff_process.hpp"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "common/failure.hpp"

extern char** environ;

namespace tolva64 {

namespace {

// Undoes the file actions whatever way start_feff leaves.
struct FileActions {
  posix_spawn_file_actions_t actions;
  FileActions() { posix_spawn_file_actions_init(&actions); }
  ~FileActions() { posix_spawn_file_actions_destroy(&actions); }
  FileActions(const FileActions&) = delete;
  FileActions& operator=(const FileActions&) = delete;
};

// The output files are opened after the change of directory, so their
// relative names land in FEFF's own directory. Several FEFF runs must not
// read the one console at once, hence /dev/null.
int redirect_into(const std::string& directory, posix_spawn_file_actions_t* actions) {
  constexpr int kCreate = O_WRONLY | O_CREAT | O_TRUNC;  // kept open across the exec
  int rc = posix_spawn_file_actions_addchdir_np(actions, directory.c_str());
  if (rc == 0) rc = posix_spawn_file_actions_addopen(actions, 0, "/dev/null", O_RDONLY, 0);
  if (rc == 0) rc = posix_spawn_file_actions_addopen(actions, 1, kFeffStdoutFile, kCreate, 0644);
  if (rc == 0) rc = posix_spawn_file_actions_addopen(actions, 2, kFeffStderrFile, kCreate, 0644);
  return rc;
}

}  // namespace

pid_t start_feff(const FeffLaunch& launch) {
  FileActions files;
  if (!launch.scratch_directory.empty()) {
    int rc = redirect_into(launch.scratch_directory, &files.actions);
    if (rc != 0) common::fail_process(rc);
  }
  std::string path = launch.program_path;
  std::vector<char*> argv{path.data(), nullptr};
  pid_t pid = 0;
  int rc = posix_spawn(&pid, path.c_str(), &files.actions, nullptr, argv.data(), environ);
  if (rc != 0) common::fail_process(rc);
  return pid;
}

void wait_for_feff(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
}

pid_t wait_for_any_feff() {
  int status = 0;
  pid_t pid = -1;
  while ((pid = waitpid(-1, &status, 0)) < 0 && errno == EINTR) {
  }
  return pid;
}

void pass_on_file(const std::string& path, int stream) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  char buffer[65536];
  ssize_t got = 0;
  while ((got = read(fd, buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR)) {
    for (ssize_t done = 0; done < got;) {
      ssize_t put = write(stream, buffer + done, static_cast<std::size_t>(got - done));
      if (put < 0 && errno != EINTR) break;
      if (put > 0) done += put;
    }
  }
  close(fd);
}

}  // namespace tolva64
