#include "tolva64/analysis_files.hpp"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "common/atomic_file.hpp"
#include "tolva64/run_files.hpp"

namespace tolva64 {

namespace {

std::string row_text(double axis, double value, double deviation, double error) {
  char row[128];
  std::snprintf(row, sizeof row, "%16.6f %18.10E %18.10E %18.10E\n", axis, value, deviation,
                error);
  return row;
}

std::string clusters_line(const char* kind, int files) {
  return std::string(kind) + " averaged over " + std::to_string(files) +
         (files == 1 ? " cluster" : " clusters") + " by tolva64";
}

std::string energy_grid_line(const SpectrumTotals& totals) {
  if (totals.mode.common_grid && totals.mode.align_edge) {
    return "grid: common, interpolated; each cluster aligned on its edge (the energy of its "
           "k = 0 row), placed at the clusters' mean edge";
  }
  if (totals.mode.common_grid) return "grid: common, interpolated at the same photon energies";
  char shift[64];
  std::snprintf(shift, sizeof shift, "%.3f", totals.grids.largest_energy_shift);
  return std::string("grid: row by row; energies of the last cluster, the clusters' grids ") +
         "differ by up to " + shift + " eV";
}

void write_text(const std::string& path, const std::string& text) {
  common::write_file_atomically(path, [&](common::TextOutput& out) { out.write(text); });
}

}  // namespace

std::string feff_used() {
  std::error_code error;
  std::filesystem::path program = std::filesystem::canonical(RunFiles().feff_program, error);
  if (error) return "not known (no " + RunFiles().feff_program + " in the run directory)";
  return program.string();
}

std::string analysis_text(const SpectrumStatistics& statistics,
                          const std::vector<std::string>& header, const std::string& columns) {
  std::string text;
  for (const std::string& line : header) text += "# " + line + "\n";
  text += "# " + columns + "\n";
  const Spectrum& average = statistics.average;
  for (std::size_t i = 0; i < average.rows(); ++i) {
    text += row_text(average.grid[i], average.value[i], statistics.deviation.value[i],
                     statistics.error.value[i]);
  }
  return text;
}

void write_chi_analysis_file(const SpectrumStatistics& chi, const SpectrumTotals& totals) {
  std::string grid = totals.mode.common_grid ? "grid: common, interpolated onto FEFF's k grid"
                                             : "grid: row by row; FEFF's k grid of the clusters";
  std::vector<std::string> header{clusters_line("chi(k)", totals.chi.files()),
                                  "FEFF: " + feff_used(), grid};
  const std::string columns = "k(1/Angstrom)  chi  std_dev  std_error";
  write_text(kChiAnalysisName, analysis_text(chi, header, columns));
}

void write_mu_analysis_file(const SpectrumStatistics& mu, const SpectrumTotals& totals) {
  std::vector<std::string> header{clusters_line("mu(E)", totals.mu.files()),
                                  "FEFF: " + feff_used(), energy_grid_line(totals)};
  write_text(kMuAnalysisName, analysis_text(mu, header, "E(eV)  mu  std_dev  std_error"));
}

}  // namespace tolva64
