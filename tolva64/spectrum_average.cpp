#include "tolva64/spectrum_average.hpp"

#include "common/checked_real.hpp"
#include "common/atomic_file.hpp"

namespace tolva64 {

void add_spectrum(SpectrumSum& total, const Spectrum& spectrum) {
  if (total.sum.size() < spectrum.rows()) total.sum.resize(spectrum.rows(), 0.0);
  for (std::size_t i = 0; i < spectrum.rows(); ++i) {
    total.sum[i] = common::checked_add(total.sum[i], spectrum.value[i]);
  }
  total.files += 1;
  total.grid = spectrum.grid;
}

void write_average(const SpectrumSum& total, const std::string& path) {
  Spectrum average;
  average.grid = total.grid;
  average.value.reserve(total.grid.size());
  double files = static_cast<double>(total.files);
  for (std::size_t i = 0; i < total.grid.size(); ++i) {
    average.value.push_back(common::checked_div(total.sum[i], files));
  }
  std::string temporary = common::temporary_name_for(path);
  write_spectrum_file(average, temporary);
  common::publish_file(temporary, path);
}

}  // namespace tolva64
