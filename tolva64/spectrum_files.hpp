#pragma once
// tolva64's own spectrum files: the per-cluster spectra xt.<ext> and
// mu.<ext>, the averages xt_tot.txt and mu_tot.txt and the spread files of
// --average. All share one row layout, the value in the default real layout,
// a blank and the grid value in the fixed layout 10.5:
//   " 1.2345000000000000E-002    0.05000"
// This module writes them, reads them back, and says when a cluster is done.
#include <string>

#include "tolva64/spectrum.hpp"

namespace tolva64 {

inline constexpr const char* kChiAverageName = "xt_tot.txt";
inline constexpr const char* kMuAverageName = "mu_tot.txt";
inline constexpr const char* kChiDeviationName = "xt_std.txt";
inline constexpr const char* kChiErrorName = "xt_sem.txt";
inline constexpr const char* kMuDeviationName = "mu_std.txt";
inline constexpr const char* kMuErrorName = "mu_sem.txt";

// "xt.007" and "mu.007" for suffix 007.
std::string chi_spectrum_name(const std::string& suffix);
std::string mu_spectrum_name(const std::string& suffix);

// A cluster is done when either of its spectrum files exists.
bool cluster_done(const std::string& suffix);

// Writes the rows to `path`, created anew.
void write_spectrum_file(const Spectrum& spectrum, const std::string& path);

// Writes the rows under the temporary name of `path`, then renames it into
// place, so the file appears whole or not at all.
void publish_spectrum_file(const Spectrum& spectrum, const std::string& path);

// The two steps of publish_spectrum_file apart, for the spectra of one
// cluster, which are kept or dropped together: the rows under the temporary
// name, then the rename into place, or the removal of the temporary file.
void write_pending_spectrum(const Spectrum& spectrum, const std::string& path);
void publish_pending_spectrum(const std::string& path);
void discard_pending_spectrum(const std::string& path);

// Reads back a file written here. The value's 17 digits give back the very
// double that was written; the grid gives back the value that prints as the
// same 5 decimals.
Spectrum read_spectrum_file(const std::string& path);

}  // namespace tolva64
