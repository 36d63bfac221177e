#include "tolva64/spectrum_average.hpp"

#include "common/checked_real.hpp"
#include "tolva64/spectrum_files.hpp"

namespace tolva64 {

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

void write_averages(const SpectrumTotals& totals) {
  if (totals.chi.files > 0) publish_spectrum_file(average_of(totals.chi), kChiAverageName);
  if (totals.mu.files > 0) publish_spectrum_file(average_of(totals.mu), kMuAverageName);
}

}  // namespace tolva64
