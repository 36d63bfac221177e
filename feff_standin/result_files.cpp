#include "feff_standin/result_files.hpp"

#include <cstdio>

#include "feff_standin/absorption_background.hpp"
#include "feff_standin/scattering_model.hpp"

namespace feff_standin {
namespace {

// Sized by a first pass: a card value such as RMAX 1e300 prints hundreds of
// digits, more than any fixed buffer would hold.
template <typename... Args>
std::string layout(const char* format, Args... args) {
  const int n = std::snprintf(nullptr, 0, format, args...);
  if (n <= 0) return "";
  std::string text(static_cast<std::size_t>(n) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, args...);
  text.resize(static_cast<std::size_t>(n));
  return text;
}

// The header lines shared by both files. None of them holds the texts that a
// reader searches for to find the column heading.
std::string common_header(const RunSummary& run) {
  std::string text;
  for (const std::string& title : run.titles) text += "# " + title + "\n";
  text += layout("# Single-scattering plane-wave model, absorber Z=%d, %s edge, E0=%10.1f eV\n",
                 run.absorber_z, edge_name(run.edge), run.edge_energy);
  text += layout("#  S02=%5.3f   Global_sig2=%8.5f   Rmax=%6.3f   atoms within Rmax: %d\n",
                 run.s02, run.sig2, run.rmax, run.scatterers);
  return text;
}

const char* kRule =
    "#  -----------------------------------------------------------------------\n";

}  // namespace

std::string chi_dat_text(const RunSummary& run, const std::vector<SpectrumRow>& rows) {
  std::string text = common_header(run);
  text += "#  chi = mag * sin(phase); mag and phase: modulus and argument of the path sum\n";
  text += kRule;
  text += std::string(kChiHeading) + "\n";
  for (const SpectrumRow& row : rows) {
    text += layout("%11.4f %15.6E %13.6E %13.6E\n", row.k, row.chi, row.mag, row.phase);
  }
  return text;
}

std::string xmu_dat_text(const RunSummary& run, const std::vector<SpectrumRow>& rows) {
  std::string text = common_header(run);
  text += "#  e = 3.80998 k^2 eV above E0, omega = E0 + e; mu = mu0 * (1 + chi),\n";
  text += "#  mu0 = 1 at E0 + 50 eV\n";
  text += kRule;
  text += std::string(kXmuHeading) + "\n";
  for (const SpectrumRow& row : rows) {
    const double e = kHbar2Over2m * row.k * row.k;
    const double mu0 = atomic_background(e, run.edge_energy);
    text += layout("%12.3f %10.3f %7.3f %12.5E %12.5E %12.5E\n", run.edge_energy + e, e, row.k,
                   mu0 * (1.0 + row.chi), mu0, row.chi);
  }
  return text;
}

}  // namespace feff_standin
