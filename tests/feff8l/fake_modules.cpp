#include "fake_modules.hpp"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

extern char** environ;

namespace feff8l_test {

namespace fs = std::filesystem;

namespace {

const std::map<std::string, std::string> kDefaultCommands{
    {"rdinp",
     "echo ' rdinp' > log.dat\n"
     "for f in pot geom atoms global xsph path genfmt ff2x; do echo '{}' > $f.json; done"},
    {"pot", "echo ' pot' > log1.dat; : > pot.pad"},
    {"xsph", "echo ' xsph' > log2.dat; : > phase.pad"},
    {"pathfinder", "echo ' pathfinder' > log4.dat; : > paths.dat"},
    {"genfmt", "echo ' genfmt' > log5.dat; : > list.dat; : > feff.pad"},
    {"ff2x", "echo ' ff2x' > log6.dat; cat feff.inp > chi.dat; cat order.txt > xmu.dat"},
};

void write_program(const fs::path& path, const std::string& content) {
  test_support::write_file(path, content);
  fs::permissions(path, fs::perms::owner_all);
}

}  // namespace

FakeModules::FakeModules() {
  for (const auto& [module, commands] : kDefaultCommands) set(module, commands);
  setenv("FEFF8L_MODULE_DIR", dir_.path().c_str(), 1);
}

FakeModules::~FakeModules() { unsetenv("FEFF8L_MODULE_DIR"); }

void FakeModules::set(const std::string& module, const std::string& commands) {
  // ff2x notes itself before it copies order.txt.
  set_file(module, "#!/bin/sh\necho " + module + " >> order.txt\n" + commands + "\n");
}

void FakeModules::set_file(const std::string& module, const std::string& content) {
  write_program(dir_ / ("feff8l_" + module), content);
}

BackgroundRun::BackgroundRun(const std::string& program, const fs::path& directory) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
  for (int fd : {0, 1, 2}) {
    posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
  }
  // Its own process group, as the averager starts FEFF: a stop can go to
  // the driver and its module at once.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  std::string path = program;
  char* argv[] = {path.data(), nullptr};
  if (posix_spawn(&pid_, path.c_str(), &actions, &attributes, argv, environ) != 0) pid_ = -1;
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (pid_ < 0) ADD_FAILURE() << "cannot start " << program;
}

BackgroundRun::~BackgroundRun() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

int BackgroundRun::wait(std::chrono::seconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  int status = 0;
  while (pid_ > 0) {
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return status;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      ADD_FAILURE() << "still running after " << limit.count() << " s";
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return -1;
}

bool wait_for_file(const fs::path& path, std::chrono::seconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!fs::exists(path)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

std::vector<std::string> entries_of(const fs::path& directory) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(directory)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace feff8l_test
