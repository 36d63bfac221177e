#include "feff8l/module_directory.hpp"

#include <unistd.h>

#include <system_error>

#include "feff8l/module_table.hpp"

namespace feff8l {

namespace fs = std::filesystem;

ModuleDirectoryChoice choose_module_directory(
    const char* variable_value, const fs::path& own_directory, const fs::path& built_directory,
    const std::function<bool(const fs::path&)>& holds_modules) {
  if (variable_value != nullptr && *variable_value != '\0') {
    // Asked for by name: falling back elsewhere would hide a mistake.
    const fs::path asked(variable_value);
    if (holds_modules(asked)) return {asked, ""};
    return {std::nullopt, std::string(kModuleDirectoryVariable) + "=" + asked.string() +
                              " does not hold the FEFF modules"};
  }
  for (const fs::path& candidate : {own_directory, built_directory}) {
    if (!candidate.empty() && holds_modules(candidate)) return {candidate, ""};
  }
  return {std::nullopt, "the FEFF modules are neither beside this program nor in " +
                            built_directory.string() + "; set " + kModuleDirectoryVariable};
}

bool holds_feff_modules(const fs::path& directory) {
  for (const FeffModule& module : feff_modules()) {
    const fs::path program = directory / module.program;
    std::error_code error;
    if (!fs::is_regular_file(program, error) || access(program.c_str(), X_OK) != 0) return false;
  }
  return true;
}

fs::path own_program_file() {
  std::error_code error;
  fs::path own = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : own;
}

}  // namespace feff8l
