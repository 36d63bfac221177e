#pragma once
// Shell scripts standing in for FEFF's six modules, so that a test of the
// driver decides what each module does, and a driver run in the background.
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "test_support.hpp"

namespace feff8l_test {

// By default each module notes its name in order.txt and writes the outputs
// and the log the real one writes; ff2x copies feff.inp into chi.dat and
// order.txt into xmu.dat. FEFF8L_MODULE_DIR points at them while the object
// lives.
class FakeModules {
 public:
  FakeModules();
  ~FakeModules();
  FakeModules(const FakeModules&) = delete;
  FakeModules& operator=(const FakeModules&) = delete;

  // The module's shell commands instead of the default ones.
  void set(const std::string& module, const std::string& commands);
  // The whole file, for a module that cannot even start.
  void set_file(const std::string& module, const std::string& content);
  std::filesystem::path directory() const { return dir_.path(); }

 private:
  test_support::TempDir dir_;
};

// The driver (or anything) started in a directory, in a process group of its
// own, standard streams to /dev/null, not waited for.
class BackgroundRun {
 public:
  BackgroundRun(const std::string& program, const std::filesystem::path& directory);
  ~BackgroundRun();  // kills it if it still runs
  BackgroundRun(const BackgroundRun&) = delete;
  BackgroundRun& operator=(const BackgroundRun&) = delete;

  pid_t pid() const { return pid_; }
  // Its wait status; a run still going after `limit` is killed, and the
  // test fails.
  int wait(std::chrono::seconds limit);

 private:
  pid_t pid_ = -1;
};

// True once the file exists; false if it has not appeared within `limit`.
bool wait_for_file(const std::filesystem::path& path, std::chrono::seconds limit);

// The names in a directory, sorted.
std::vector<std::string> entries_of(const std::filesystem::path& directory);

}  // namespace feff8l_test
