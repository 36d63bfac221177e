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

ClusterState cluster_state(const std::string& suffix) {
  int files = (common::file_exists(chi_spectrum_name(suffix)) ? 1 : 0) +
              (common::file_exists(mu_spectrum_name(suffix)) ? 1 : 0);
  return files == 2 ? ClusterState::Done : files == 1 ? ClusterState::HalfDone
                                                      : ClusterState::NotRun;
}

bool cluster_done(const std::string& suffix) { return cluster_state(suffix) == ClusterState::Done; }

std::string lone_spectrum_file(const std::string& suffix) {
  return common::file_exists(chi_spectrum_name(suffix)) ? chi_spectrum_name(suffix)
                                                        : mu_spectrum_name(suffix);
}

void publish_spectrum_file(const Spectrum& spectrum, const std::string& path) {
  common::write_file_atomically(path, [&](common::TextOutput& out) { write_rows(spectrum, out); });
}

void publish_cluster_spectra(const Spectrum& chi, const Spectrum& mu, const std::string& suffix,
                             const common::PendingFile& record) {
  const std::string chi_name = chi_spectrum_name(suffix);
  const std::string mu_name = mu_spectrum_name(suffix);
  for (const auto& [spectrum, name] : {std::pair{&chi, &chi_name}, std::pair{&mu, &mu_name}}) {
    common::TextOutput out = common::create_temporary_for(*name);
    write_rows(*spectrum, out);
    out.close();
  }
  common::TextOutput out = common::create_temporary_for(record.path);
  out.write(record.content);
  out.close();
  // Until the new xt.<ext> is in place the cluster must not count as done,
  // whatever of the old result and the new stands side by side meanwhile.
  common::delete_file(chi_name);
  common::publish_file(common::temporary_name_for(record.path), record.path);
  common::publish_file(common::temporary_name_for(mu_name), mu_name);
  common::publish_file(common::temporary_name_for(chi_name), chi_name);
}

void withdraw_cluster_spectra(const std::string& suffix) {
  common::delete_file(chi_spectrum_name(suffix));
  common::delete_file(mu_spectrum_name(suffix));
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
