#pragma once
// CHI and XMU's reading side: FEFF's result files chi.dat and xmu.dat.
#include <optional>
#include <string>

#include "tolva64/spectrum.hpp"

namespace tolva64 {

// The column headings after which the data rows start.
inline constexpr const char* kChiHeading = "k          chi          mag           phase @#";
inline constexpr const char* kXmuHeading = "mu=(1+chi)*mu0";
inline constexpr const char* kXmuHeadingNewer = "#  omega";

// Rows of k and chi (two reals, the rest of the line ignored) after the line
// holding the chi heading. A file in which the heading never occurs gives
// nothing; a bad number ends the run with "Invalid input".
std::optional<Spectrum> read_chi_file(const std::string& path);  // CHI, reading side

// Rows of energy, two skipped columns and mu after the line holding either
// xmu heading; otherwise as read_chi_file.
std::optional<Spectrum> read_xmu_file(const std::string& path);  // XMU, reading side

}  // namespace tolva64
