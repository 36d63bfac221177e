#pragma once
// The one line on standard error that a failed FEFF run leaves.
#include <optional>
#include <string>

#include "feff8l/failure_reason.hpp"

namespace feff8l {

struct ModuleFailure {
  std::string module;    // "xsph"
  std::string what;      // "no phase.pad", "exit status 2", "killed by signal 11", ...
  std::string log_file;  // the module's own log, named when no reason was found
  std::optional<FailureReason> reason;
};

// " FEFF xsph failed: no phase.pad. <reason>; see <folder>/<log> and
// <folder>/<console>", the files named as seen from the run directory, so
// the user can open them from there. Without a reason, the module's own log
// is the one to see.
std::string failure_line(const ModuleFailure& failure, const std::string& kept_folder,
                         const std::string& console_file);

}  // namespace feff8l
