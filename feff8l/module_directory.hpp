#pragma once
// Where the FEFF modules are. The driver is often started through a link or
// a copy named feff.exe in a run directory, so its own location says little.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace feff8l {

inline constexpr const char* kModuleDirectoryVariable = "FEFF8L_MODULE_DIR";

struct ModuleDirectoryChoice {
  std::optional<std::filesystem::path> directory;
  std::string problem;  // why there is none
};

// The folder named by FEFF8L_MODULE_DIR when set (and then only that one),
// else the folder of the driver's program file after links are followed, else
// the folder the build put the modules in: the first that holds all six.
ModuleDirectoryChoice choose_module_directory(
    const char* variable_value, const std::filesystem::path& own_directory,
    const std::filesystem::path& built_directory,
    const std::function<bool(const std::filesystem::path&)>& holds_modules);

// True when all six module programs are executable files in the folder.
bool holds_feff_modules(const std::filesystem::path& directory);

// The driver's own program file, links followed (/proc/self/exe).
std::filesystem::path own_program_file();

}  // namespace feff8l
