#pragma once
// Running one FEFF module as a child process and waiting for it, or for a
// stop signal, whichever comes first.
#include <filesystem>
#include <string>

#include "feff8l/run_signals.hpp"

namespace feff8l {

enum class ModuleEndKind {
  Exited,      // value: its exit status
  Killed,      // value: the signal that ended it
  NotStarted,  // value: errno of the failed start
  Stopped,     // value: the stop signal we took; the module has been ended
};

struct ModuleEnd {
  ModuleEndKind kind = ModuleEndKind::Exited;
  int value = 0;
};

// Starts the program with no arguments in `directory`, standard input from
// /dev/null, standard output and error to `console_fd`, and waits. A module
// still running when a stop signal comes gets SIGTERM, and SIGKILL if it has
// not ended a few seconds later. A module outlives no driver: it is killed
// when the driver dies, however that happens.
ModuleEnd run_module(const std::string& program, const std::filesystem::path& directory,
                     int console_fd, const RunSignals& signals);

}  // namespace feff8l
