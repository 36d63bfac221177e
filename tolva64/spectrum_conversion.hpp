#pragma once
// CHI and XMU: reading FEFF's chi.dat and xmu.dat, and the per-cluster
// spectrum files xt.<ext> and mu.<ext> made from them.
#include <optional>
#include <string>
#include <vector>

namespace tolva64 {

// One spectrum as a FEFF file gives it: row I holds grid[I] (k or energy)
// and value[I] (chi or mu). The row count is not limited.
struct Spectrum {
  std::vector<double> grid;
  std::vector<double> value;
  std::size_t rows() const { return grid.size(); }
};

// The column headings after which the data rows start.
inline constexpr const char* CHI_HEADING = "k          chi          mag           phase @#";
inline constexpr const char* XMU_HEADING = "mu=(1+chi)*mu0";
inline constexpr const char* XMU_HEADING_NEWER = "#  omega";

// Rows of k and chi (two reals, the rest of the line ignored) after the line
// holding the chi heading. A file in which the heading never occurs gives
// nothing; a bad number ends the run with "Invalid input".
std::optional<Spectrum> read_chi_file(const std::string& path);

// Rows of energy, two skipped columns and mu after the line holding either
// xmu heading; otherwise as read_chi_file.
std::optional<Spectrum> read_xmu_file(const std::string& path);

// One line per row: the value in the default real layout, a blank and the
// grid value in the fixed layout 10.5; " 1.2345000000000000E-002    0.05000".
void write_spectrum_file(const Spectrum& spectrum, const std::string& path);

// Reads back a file written by write_spectrum_file. The value's 17 digits
// give back the very double that was written; the grid gives back the value
// that prints as the same 5 decimals.
Spectrum read_spectrum_file(const std::string& path);

}  // namespace tolva64
