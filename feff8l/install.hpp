#pragma once
// Placing the driver in a run directory as feff.exe, the name the averager
// starts.
#include <filesystem>

namespace feff8l {

// Makes <directory>/feff.exe a symbolic link to `program` (an absolute path),
// replacing whatever file had that name (often the FEFF stand-in) in one
// rename, so that an averager starting it meanwhile gets one or the other.
// Returns the link's path; throws FileFailure.
std::filesystem::path install_as_feff_exe(const std::filesystem::path& directory,
                                          const std::filesystem::path& program);

}  // namespace feff8l
