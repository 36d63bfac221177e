#pragma once
// chi.dat and xmu.dat in the run directory: the last step of a run puts them
// there, whole, and nothing else does.
#include <array>
#include <filesystem>
#include <string_view>

namespace feff8l {

inline constexpr std::array<std::string_view, 2> kResultFiles{"chi.dat", "xmu.dat"};

// Removes the results of an earlier run, so that a run that fails leaves
// neither file for the averager to take as its own. Throws FileFailure.
void remove_earlier_results(const std::filesystem::path& run_directory);

// Moves both files from the scratch folder into the run directory by
// renaming: a reader sees each whole or not at all. When the second cannot
// be moved, the first is taken back out, and FileFailure is thrown.
void publish_results(const std::filesystem::path& scratch,
                     const std::filesystem::path& run_directory);

}  // namespace feff8l
