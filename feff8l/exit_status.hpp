#pragma once
// The driver's exit statuses. A run stopped by SIGTERM, SIGINT or SIGHUP ends
// by that signal instead, as an unhandled one would.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

namespace feff8l {

inline constexpr int kExitDone = 0;             // chi.dat and xmu.dat are in place
inline constexpr int kExitFeffFailed = 1;       // a module failed; its folder is kept
inline constexpr int kExitWrongUse = 2;         // bad arguments, no feff.inp, no modules
inline constexpr int kExitFileFailure = 217;    // as the project's other programs

// A file operation of the driver's own that failed, with its message line.
class FileFailure : public std::runtime_error {
 public:
  FileFailure(const std::string& action, const std::filesystem::path& path,
              const std::error_code& error)
      : std::runtime_error(" feff8l: cannot " + action + " " + path.string() + ": " +
                           error.message()) {}
};

}  // namespace feff8l
