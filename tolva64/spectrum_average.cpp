#include "tolva64/spectrum_average.hpp"

#include "common/checked_real.hpp"
#include "tolva64/analysis_files.hpp"
#include "tolva64/console.hpp"
#include "tolva64/spectrum_files.hpp"

namespace tolva64 {

namespace {

void add_kind(KindTotal& total, const Spectrum& spectrum, const AveragingMode& mode,
              bool align_edge) {
  add_spectrum(total.rows, spectrum);
  add_to_spread(total.spread, spectrum);
  if (mode.common_grid) add_on_common_grid(total.common, spectrum, align_edge);
}

SpectrumStatistics statistics_of(const KindTotal& total, const AveragingMode& mode,
                                 bool align_edge) {
  if (mode.common_grid) return common_grid_statistics(total.common, align_edge);
  return SpectrumStatistics{average_of(total.rows), standard_deviation(total.spread),
                            standard_error(total.spread)};
}

struct KindFiles {
  const char* average;
  const char* deviation;
  const char* error;
};

void write_kind(const SpectrumStatistics& statistics, const KindFiles& names,
                bool spread_files) {
  publish_spectrum_file(statistics.average, names.average);
  if (!spread_files) return;
  publish_spectrum_file(statistics.deviation, names.deviation);
  publish_spectrum_file(statistics.error, names.error);
}

}  // namespace

void add_spectrum(SpectrumSum& total, const Spectrum& spectrum) {
  if (total.sum.size() < spectrum.rows()) total.sum.resize(spectrum.rows(), 0.0);
  for (std::size_t i = 0; i < spectrum.rows(); ++i) {
    total.sum[i] = common::checked_add(total.sum[i], spectrum.value[i]);
  }
  total.files += 1;
  total.grid = spectrum.grid;
}

Spectrum average_of(const SpectrumSum& total) {
  Spectrum average;
  average.grid = total.grid;
  average.value.reserve(total.grid.size());
  double files = static_cast<double>(total.files);
  for (std::size_t i = 0; i < total.grid.size(); ++i) {
    average.value.push_back(common::checked_div(total.sum[i], files));
  }
  return average;
}

void add_chi(SpectrumTotals& totals, const Spectrum& chi) {
  add_kind(totals.chi, chi, totals.mode, false);
}

void add_mu(SpectrumTotals& totals, const Spectrum& mu) {
  add_kind(totals.mu, mu, totals.mode, totals.mode.align_edge);
}

SpectrumStatistics chi_statistics(const SpectrumTotals& totals) {
  return statistics_of(totals.chi, totals.mode, false);
}

SpectrumStatistics mu_statistics(const SpectrumTotals& totals) {
  return statistics_of(totals.mu, totals.mode, totals.mode.align_edge);
}

void print_averaging_warnings(const SpectrumTotals& totals) {
  if (!totals.mode.common_grid && totals.grids.largest_energy_shift > 0.0) {
    warn_of_shifted_grids(totals.grids.largest_energy_shift);
  }
}

void write_averages(const SpectrumTotals& totals, bool spread_files) {
  if (totals.chi.files() > 0) {
    SpectrumStatistics chi = chi_statistics(totals);
    write_kind(chi, {kChiAverageName, kChiDeviationName, kChiErrorName}, spread_files);
    write_chi_analysis_file(chi, totals);
  }
  if (totals.mu.files() > 0) {
    SpectrumStatistics mu = mu_statistics(totals);
    write_kind(mu, {kMuAverageName, kMuDeviationName, kMuErrorName}, spread_files);
    write_mu_analysis_file(mu, totals);
  }
}

}  // namespace tolva64
