#pragma once
// FEFF 8.5L's six modules in the order one calculation runs them, with the
// log each one writes and the files the later modules need from it.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace feff8l {

struct FeffModule {
  std::string_view name;     // as a failure line names it: "xsph"
  std::string_view program;  // the program file: "feff8l_xsph"
  std::string_view log_file;
  std::vector<std::string_view> outputs;  // all written when the module succeeded
};

// rdinp, pot, xsph, pathfinder, genfmt, ff2x.
const std::vector<FeffModule>& feff_modules();

// The first of the module's outputs that is not a file in `directory`. The
// modules end with status 0 even when they fail, so a missing output is
// what tells.
std::optional<std::string> first_missing_output(const FeffModule& module,
                                                const std::filesystem::path& directory);

}  // namespace feff8l
