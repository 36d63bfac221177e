#include "feff_standin/result_files.hpp"

#include <gtest/gtest.h>

namespace feff_standin {
namespace {

RunSummary copper_run() {
  RunSummary run;
  run.titles = {"Result for FILENAME= md_1.xyz"};
  run.absorber_z = 29;
  run.edge = Edge::K;
  run.edge_energy = 8978.9;
  run.rmax = 6.0;
  run.scatterers = 12;
  return run;
}

const std::vector<SpectrumRow> kRows = {{0.0, 0.0, 0.0, 0.0},
                                        {0.05, -0.1945083, 0.2783385, -2.367847}};

const char* kSharedHeader =
    "# Result for FILENAME= md_1.xyz\n"
    "# Single-scattering plane-wave model, absorber Z=29, K edge, E0=    8978.9 eV\n"
    "#  S02=1.000   Global_sig2= 0.00000   Rmax= 6.000   atoms within Rmax: 12\n";
const char* kRule = "#  -----------------------------------------------------------------------\n";

TEST(ResultFiles, ChiDatHasTheHeadingThenOneRowPerPoint) {
  const std::string expected =
      std::string(kSharedHeader) +
      "#  chi = mag * sin(phase); mag and phase: modulus and argument of the path sum\n" + kRule +
      "#       k          chi          mag           phase @#\n"
      "     0.0000    0.000000E+00  0.000000E+00  0.000000E+00\n"
      "     0.0500   -1.945083E-01  2.783385E-01 -2.367847E+00\n";
  EXPECT_EQ(chi_dat_text(copper_run(), kRows), expected);
}

TEST(ResultFiles, XmuDatPutsTheRowsOnTheEnergyAxis) {
  // k = 0.05: e = 3.80998 * 0.0025 = 0.0095 eV; mu0 there is
  // (0.5 + atan(0.0095)/pi) / (0.5 + atan(50)/pi) * (9028.9 / 8978.9095)^3 = 0.514757,
  // and mu = mu0 * (1 - 0.1945083).
  const std::string expected =
      std::string(kSharedHeader) +
      "#  e = 3.80998 k^2 eV above E0, omega = E0 + e; mu = mu0 * (1 + chi),\n"
      "#  mu0 = 1 at E0 + 50 eV\n" + kRule +
      "#  omega    e    k    mu    mu0     chi     @#\n"
      "    8978.900      0.000   0.000  5.11656E-01  5.11656E-01  0.00000E+00\n"
      "    8978.910      0.010   0.050  4.14633E-01  5.14757E-01 -1.94508E-01\n";
  EXPECT_EQ(xmu_dat_text(copper_run(), kRows), expected);
}

TEST(ResultFiles, HeaderNeverHoldsTheTextsThatEndTheHeaderSearch) {
  // The averager stops its header search at the first line holding one of
  // these; a match above the heading would make it read the heading as data.
  RunSummary run = copper_run();
  run.titles.push_back("second title");
  const std::string xmu = xmu_dat_text(run, kRows);
  EXPECT_EQ(xmu.find("#  omega"), xmu.find(kXmuHeading));
  EXPECT_EQ(xmu.find("mu=(1+chi)*mu0"), std::string::npos);
  const std::string chi = chi_dat_text(run, kRows);
  EXPECT_EQ(chi.find("k          chi          mag           phase @#"),
            chi.find(kChiHeading) + 8);
  EXPECT_NE(chi.find("# second title\n"), std::string::npos);
}

TEST(ResultFiles, HugeCardValuesPrintWholeInTheHeader) {
  // Rmax = 1e300 has 301 digits before the point; the nearest double is
  // 1.0000000000000000525e300, so the first 17 of them read 1 and 16 zeros.
  RunSummary run = copper_run();
  run.rmax = 1e300;
  const std::string chi = chi_dat_text(run, kRows);
  const std::string before = "Global_sig2= 0.00000   Rmax=";
  const std::size_t start = chi.find(before) + before.size();
  const std::size_t point = chi.find('.', start);
  ASSERT_NE(point, std::string::npos);
  EXPECT_EQ(point - start, 301u);
  EXPECT_EQ(chi.substr(start, 17), "10000000000000000");
  EXPECT_EQ(chi.substr(point, 29), ".000   atoms within Rmax: 12\n");
  EXPECT_EQ(chi.find('\0'), std::string::npos);
  EXPECT_EQ(chi.substr(point + 29, 7), "#  chi ");
}

}  // namespace
}  // namespace feff_standin
