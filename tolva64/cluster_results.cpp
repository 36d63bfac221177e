#include "tolva64/cluster_results.hpp"

#include "common/file_system.hpp"
#include "tolva64/feff_output.hpp"
#include "tolva64/feff_output_check.hpp"
#include "tolva64/spectrum_files.hpp"

namespace tolva64 {

namespace {

std::string missing_files(bool chi, bool xmu) {
  if (!chi && !xmu) return "FEFF wrote neither chi.dat nor xmu.dat";
  return !chi ? "FEFF wrote no chi.dat" : "FEFF wrote no xmu.dat";
}

// The first thing that keeps the cluster from a result; empty when none does.
std::string check_results(const RunFiles& files, const FeffEnd& end, const SpectrumTotals& totals,
                          FeffReading& chi, FeffReading& xmu) {
  if (!end.succeeded()) return end.description();
  bool have_chi = common::file_exists(files.chi_result);
  bool have_xmu = common::file_exists(files.xmu_result);
  if (!have_chi || !have_xmu) return missing_files(have_chi, have_xmu);
  chi = read_chi_file(files.chi_result);
  if (!chi.good()) return chi.problem;
  xmu = read_xmu_file(files.xmu_result);
  if (!xmu.good()) return xmu.problem;
  if (totals.mode.common_grid) return "";
  return grid_problem(totals.grids, chi, xmu);
}

}  // namespace

std::string convert_cluster_results(const RunFiles& files, const std::string& suffix,
                                    const FeffEnd& end, const InputRecord& made_from,
                                    SpectrumTotals& totals) {
  FeffReading chi;
  FeffReading xmu;
  std::string problem = check_results(files, end, totals, chi, xmu);
  // Whatever became of them, they must not pass for the next cluster's.
  common::delete_file(files.chi_result);
  common::delete_file(files.xmu_result);
  if (!problem.empty()) return problem;
  add_chi(totals, chi.spectrum);
  add_mu(totals, xmu.spectrum);
  remember_grids(totals.grids, chi, xmu);
  publish_cluster_spectra(chi.spectrum, xmu.spectrum, suffix,
                          {record_name(suffix), record_text(made_from)});
  return "";
}

}  // namespace tolva64
