#pragma once
// tolva64's own spectrum files: the per-cluster spectra xt.<ext> and
// mu.<ext>, the averages xt_tot.txt and mu_tot.txt and the spread files of
// --average. All share one row layout, the value in the default real layout,
// a blank and the grid value in the fixed layout 10.5:
//   " 1.2345000000000000E-002    0.05000"
// This module writes them, reads them back, and says when a cluster is done.
#include <string>

#include "common/atomic_file.hpp"
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

// A cluster is done when both of its spectrum files exist. With only one of
// them, a run was stopped between the two renames, or an older run kept one
// FEFF file of two: the cluster is run again.
enum class ClusterState { NotRun, HalfDone, Done };
ClusterState cluster_state(const std::string& suffix);
bool cluster_done(const std::string& suffix);

// The one spectrum file of a half-done cluster.
std::string lone_spectrum_file(const std::string& suffix);

// Writes the rows under the temporary name of `path`, then renames it into
// place, so the file appears whole or not at all.
void publish_spectrum_file(const Spectrum& spectrum, const std::string& path);

// The spectra of one cluster, published together with the record of what
// they were made from: all three are written under their temporary names
// first; then an xt.<ext> of an earlier result is deleted, and the record,
// mu.<ext> and xt.<ext> are renamed into place in that order. Whenever
// xt.<ext> is there, the record and mu.<ext> beside it are of the same
// publication; a stop at any point leaves the cluster not done or half done,
// and the next run does it again.
void publish_cluster_spectra(const Spectrum& chi, const Spectrum& mu, const std::string& suffix,
                             const common::PendingFile& record);

// Deletes a cluster's spectra, xt.<ext> first, so that a stop half-way
// leaves it half done: it is no longer done.
void withdraw_cluster_spectra(const std::string& suffix);

// Reads back a file written here. The value's 17 digits give back the very
// double that was written; the grid gives back the value that prints as the
// same 5 decimals.
Spectrum read_spectrum_file(const std::string& path);

}  // namespace tolva64
