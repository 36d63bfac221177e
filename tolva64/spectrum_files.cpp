#include "tolva64/spectrum_files.hpp"

#include "common/atomic_file.hpp"
#include "common/file_system.hpp"
#include "common/number_layout.hpp"
#include "common/text_input.hpp"
#include "common/text_output.hpp"

namespace tolva64 {

namespace {

void write_rows(const Spectrum& spectrum, common::TextOutput& out) {
  for (std::size_t i = 0; i < spectrum.rows(); ++i) {
    out.write_real(spectrum.value[i]).write(' ');
    out.write(common::fixed_layout(spectrum.grid[i], 10, 5)).end_line();
  }
}

}  // namespace

std::string chi_spectrum_name(const std::string& suffix) { return "xt." + suffix; }

std::string mu_spectrum_name(const std::string& suffix) { return "mu." + suffix; }

bool cluster_done(const std::string& suffix) {
  return common::file_exists(chi_spectrum_name(suffix)) ||
         common::file_exists(mu_spectrum_name(suffix));
}

void write_spectrum_file(const Spectrum& spectrum, const std::string& path) {
  common::TextOutput out = common::TextOutput::create_file(path);
  write_rows(spectrum, out);
  out.close();
}

void publish_spectrum_file(const Spectrum& spectrum, const std::string& path) {
  common::write_file_atomically(path, [&](common::TextOutput& out) { write_rows(spectrum, out); });
}

void write_pending_spectrum(const Spectrum& spectrum, const std::string& path) {
  write_spectrum_file(spectrum, common::temporary_name_for(path));
}

void publish_pending_spectrum(const std::string& path) {
  common::publish_file(common::temporary_name_for(path), path);
}

void discard_pending_spectrum(const std::string& path) {
  common::delete_file(common::temporary_name_for(path));
}

Spectrum read_spectrum_file(const std::string& path) {
  common::TextInput in = common::TextInput::open_file(path);
  Spectrum spectrum;
  while (!in.at_eof()) {
    spectrum.value.push_back(in.read_real());
    spectrum.grid.push_back(in.read_real());
    in.skip_past_cr_or_lf();
  }
  in.close();
  return spectrum;
}

}  // namespace tolva64
