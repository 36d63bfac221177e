#include "tolva64/cluster_results.hpp"

#include <optional>

#include "common/file_system.hpp"
#include "tolva64/console.hpp"
#include "tolva64/feff_output.hpp"
#include "tolva64/spectrum_files.hpp"

namespace tolva64 {

namespace {

enum class Outcome { Absent, Converted, NoHeading };

using Reader = std::optional<Spectrum> (*)(const std::string&);

// The spectrum goes to the temporary name of its result file at once, so
// nothing of it is held back but the rename.
Outcome convert_one(const std::string& feff_file, const std::string& result_file, Reader read,
                    std::optional<Spectrum>& spectrum) {
  if (!common::file_exists(feff_file)) return Outcome::Absent;
  spectrum = read(feff_file);
  if (spectrum) write_pending_spectrum(*spectrum, result_file);
  // A stale file must not pass for the next cluster's result.
  common::delete_file(feff_file);
  return spectrum ? Outcome::Converted : Outcome::NoHeading;
}

void keep(const std::optional<Spectrum>& spectrum, const std::string& result_file,
          SpectrumSum& sum) {
  if (!spectrum) return;
  add_spectrum(sum, *spectrum);
  publish_pending_spectrum(result_file);
}

}  // namespace

void convert_cluster_results(const RunFiles& files, const std::string& suffix,
                             SpectrumTotals& totals) {
  const std::string chi_spectrum = chi_spectrum_name(suffix);
  const std::string mu_spectrum = mu_spectrum_name(suffix);
  std::optional<Spectrum> chi;
  std::optional<Spectrum> mu;
  Outcome chi_outcome = convert_one(files.chi_result, chi_spectrum, read_chi_file, chi);
  Outcome mu_outcome = convert_one(files.xmu_result, mu_spectrum, read_xmu_file, mu);
  if (chi_outcome == Outcome::NoHeading || mu_outcome == Outcome::NoHeading) {
    if (chi_outcome == Outcome::NoHeading) report_no_heading(files.chi_result);
    if (mu_outcome == Outcome::NoHeading) report_no_heading(files.xmu_result);
    if (chi) discard_pending_spectrum(chi_spectrum);
    if (mu) discard_pending_spectrum(mu_spectrum);
    return;
  }
  keep(chi, chi_spectrum, totals.chi);
  keep(mu, mu_spectrum, totals.mu);
}

}  // namespace tolva64
