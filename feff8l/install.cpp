#include "feff8l/install.hpp"

#include <unistd.h>

#include <system_error>

#include "feff8l/exit_status.hpp"

namespace feff8l {

namespace fs = std::filesystem;

fs::path install_as_feff_exe(const fs::path& directory, const fs::path& program) {
  std::error_code error;
  if (!fs::is_directory(directory, error)) {
    if (!error) error = std::make_error_code(std::errc::not_a_directory);
    throw FileFailure("install feff.exe in", directory, error);
  }
  const fs::path target = directory / "feff.exe";
  const fs::path temporary = directory / (".feff.exe." + std::to_string(getpid()));
  fs::remove(temporary, error);
  fs::create_symlink(program, temporary, error);
  if (error) throw FileFailure("make the link", temporary, error);
  fs::rename(temporary, target, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    throw FileFailure("replace", target, error);
  }
  return target;
}

}  // namespace feff8l
