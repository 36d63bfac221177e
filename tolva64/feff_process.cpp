#include "tolva64/feff_process.hpp"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cerrno>
#include <vector>

#include "common/atomic_file.hpp"
#include "common/failure.hpp"
#include "common/file_system.hpp"
#include "tolva64/interruption.hpp"

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

// Its own process group, so that a stop can take FEFF with every program it
// started; and the signal mask of a plain start, whatever tolva64 holds off.
struct SpawnSettings {
  posix_spawnattr_t attributes;
  SpawnSettings() {
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK);
  }
  ~SpawnSettings() { posix_spawnattr_destroy(&attributes); }
  SpawnSettings(const SpawnSettings&) = delete;
  SpawnSettings& operator=(const SpawnSettings&) = delete;
};

}  // namespace

bool FeffEnd::succeeded() const { return WIFEXITED(wait_status) && WEXITSTATUS(wait_status) == 0; }

std::string FeffEnd::description() const {
  if (WIFSIGNALED(wait_status)) {
    return "FEFF was ended by signal " + std::to_string(WTERMSIG(wait_status));
  }
  return "FEFF exited with status " + std::to_string(WEXITSTATUS(wait_status));
}

FeffRun start_feff(const FeffLaunch& launch) {
  FileActions files;
  if (!launch.scratch_directory.empty()) {
    int rc = redirect_into(launch.scratch_directory, &files.actions);
    if (rc != 0) common::fail_process(rc);
  }
  SpawnSettings settings;
  std::string path = launch.program_path;
  std::vector<char*> argv{path.data(), nullptr};
  FeffRun run{-1, launch.group_record};
  InterruptionHold hold;  // released once the run is tracked and recorded
  int rc = posix_spawn(&run.pid, path.c_str(), &files.actions, &settings.attributes, argv.data(),
                       environ);
  if (rc != 0) common::fail_process(rc);
  track_feff_group(run.pid);
  common::write_file_atomically(run.group_record, [&](common::TextOutput& out) {
    out.write_integer(run.pid).end_line();
  });
  return run;
}

FeffEnd wait_for_feff(const FeffRun& run) {
  FeffEnd end;
  while (waitpid(run.pid, &end.wait_status, 0) < 0 && errno == EINTR) {
  }
  feff_run_ended(run);
  return end;
}

pid_t wait_for_any_feff(FeffEnd& end) {
  pid_t pid = -1;
  while ((pid = waitpid(-1, &end.wait_status, 0)) < 0 && errno == EINTR) {
  }
  return pid;
}

void feff_run_ended(const FeffRun& run) {
  forget_feff_group(run.pid);
  common::delete_file(run.group_record);
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
