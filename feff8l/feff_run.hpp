#pragma once
// One FEFF calculation on feff.inp of the run directory: the six modules in
// a private scratch folder, then chi.dat and xmu.dat moved into the run
// directory.
#include <filesystem>
#include <string>

#include "feff8l/run_signals.hpp"

namespace feff8l {

struct RunSetup {
  std::filesystem::path run_directory;     // where feff.inp is and the results go
  std::filesystem::path module_directory;  // where the feff8l_* programs are
  std::string host;                        // as it goes into scratch folder names
  long pid = 0;                            // ours
};

struct RunOutcome {
  int exit_status = 0;   // see exit_status.hpp
  int stop_signal = 0;   // set when a stop signal ended the run
  std::string message;   // the line for standard error; empty after success
};

RunOutcome run_feff(const RunSetup& setup, const RunSignals& signals);

}  // namespace feff8l
