#include "tolva64/cluster_results.hpp"

#include <optional>

#include "common/file_system.hpp"
#include "common/text_output.hpp"
#include "common/atomic_file.hpp"
#include "tolva64/spectrum_conversion.hpp"

namespace tolva64 {

namespace {

enum class Outcome { ABSENT, CONVERTED, NO_HEADING };

using Reader = std::optional<Spectrum> (*)(const std::string&);

// The spectrum goes to the temporary name of its result file at once, so
// nothing of it is held back but the rename.
Outcome convert_one(const std::string& feff_file, const std::string& result_file, Reader read,
                    std::optional<Spectrum>& spectrum) {
  if (!common::file_exists(feff_file)) return Outcome::ABSENT;
  spectrum = read(feff_file);
  if (spectrum) write_spectrum_file(*spectrum, common::temporary_name_for(result_file));
  // A stale file must not pass for the next cluster's result.
  common::delete_file(feff_file);
  return spectrum ? Outcome::CONVERTED : Outcome::NO_HEADING;
}

void report_no_heading(const std::string& feff_file) {
  common::TextOutput::standard_output()
      .write(" The file \"" + feff_file +
             "\" has no column heading; no result is kept for this cluster.")
      .end_line();
}

void keep(const std::optional<Spectrum>& spectrum, const std::string& result_file,
          SpectrumSum& sum) {
  if (!spectrum) return;
  add_spectrum(sum, *spectrum);
  common::publish_file(common::temporary_name_for(result_file), result_file);
}

}  // namespace

void convert_cluster_results(const RunFiles& files, const std::string& chi_spectrum,
                             const std::string& mu_spectrum, SpectrumTotals& totals) {
  std::optional<Spectrum> chi;
  std::optional<Spectrum> mu;
  Outcome chi_outcome = convert_one(files.chi_result, chi_spectrum, read_chi_file, chi);
  Outcome mu_outcome = convert_one(files.xmu_result, mu_spectrum, read_xmu_file, mu);
  if (chi_outcome == Outcome::NO_HEADING || mu_outcome == Outcome::NO_HEADING) {
    if (chi_outcome == Outcome::NO_HEADING) report_no_heading(files.chi_result);
    if (mu_outcome == Outcome::NO_HEADING) report_no_heading(files.xmu_result);
    if (chi) common::delete_file(common::temporary_name_for(chi_spectrum));
    if (mu) common::delete_file(common::temporary_name_for(mu_spectrum));
    return;
  }
  keep(chi, chi_spectrum, totals.chi);
  keep(mu, mu_spectrum, totals.mu);
}

}  // namespace tolva64
