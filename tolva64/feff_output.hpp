#pragma once
// CHI and XMU's reading side: FEFF's result files chi.dat and xmu.dat, read
// and checked before anything is made of them. A file cut short, a row with
// a missing, unreadable or non-finite number, or a heading without rows is
// no result: the reading says why, and the cluster keeps no result.
#include <string>
#include <vector>

#include "tolva64/spectrum.hpp"

namespace tolva64 {

// The column headings after which the data rows start.
inline constexpr const char* kChiHeading = "k          chi          mag           phase @#";
inline constexpr const char* kXmuHeading = "mu=(1+chi)*mu0";
inline constexpr const char* kXmuHeadingNewer = "#  omega";

struct FeffReading {
  Spectrum spectrum;      // grid and value of every data row
  std::vector<double> k;  // FEFF's k column, the same in every cluster of one FEFF setup
  std::string problem;    // empty for a good file, else what is wrong with it
  bool good() const { return problem.empty(); }
};

// Rows of k and chi (the columns after the second are ignored) after the
// line holding the chi heading.
FeffReading read_chi_file(const std::string& path);  // CHI, reading side

// Rows of energy, e, k and mu (the columns after the fourth are ignored)
// after the line holding either xmu heading.
FeffReading read_xmu_file(const std::string& path);  // XMU, reading side

}  // namespace tolva64
