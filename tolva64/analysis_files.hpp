#pragma once
// chi_avg.dat and mu_avg.dat: the averages in a form that analysis programs
// read directly, next to the totals of the fixed layout. A "#" header names
// the columns and their units, the number of clusters averaged, the FEFF
// program used and how the grid was made; then one row per grid point with
// the axis, the average, the standard deviation and the standard error of
// the mean. LF line ends.
//
//   # chi(k) averaged over 12 clusters by tolva64
//   # FEFF: /home/me/run/feff.exe
//   # grid: row by row; FEFF's k grid of the clusters
//   # k(1/Angstrom)  chi  std_dev  std_error
//           0.050000   1.2345000000E-02   1.0000000000E-03   2.8867513459E-04
#include <string>
#include <vector>

#include "tolva64/spectrum.hpp"
#include "tolva64/spectrum_average.hpp"

namespace tolva64 {

inline constexpr const char* kChiAnalysisName = "chi_avg.dat";
inline constexpr const char* kMuAnalysisName = "mu_avg.dat";

// The absolute path of the FEFF program of the run directory, links
// resolved, or a note that there is none.
std::string feff_used();

// The whole text of one file.
std::string analysis_text(const SpectrumStatistics& statistics,
                          const std::vector<std::string>& header, const std::string& columns);

void write_chi_analysis_file(const SpectrumStatistics& chi, const SpectrumTotals& totals);
void write_mu_analysis_file(const SpectrumStatistics& mu, const SpectrumTotals& totals);

}  // namespace tolva64
