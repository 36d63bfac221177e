#pragma once
// The running sums of the spectra converted in a run, and the averages
// written from them after the last cluster: xt_tot.txt and mu_tot.txt, and
// beside them chi_avg.dat and mu_avg.dat with the spread.
#include <string>
#include <vector>

#include "tolva64/common_grid.hpp"
#include "tolva64/feff_output_check.hpp"
#include "tolva64/run_options.hpp"
#include "tolva64/spectrum.hpp"
#include "tolva64/spectrum_spread.hpp"

namespace tolva64 {

struct SpectrumSum {
  // Row I: the sum over row I of every file added. Rows past the end of a
  // shorter file keep what longer files put there.
  std::vector<double> sum;    // TOTC or TOTX
  int files = 0;              // NCLRC or NCLRX
  std::vector<double> grid;   // the grid of the file added last; its size is the row count
};

// Adds one file's values row by row; an overflow ends the run with the report.
void add_spectrum(SpectrumSum& total, const Spectrum& spectrum);

// sum / files for the rows of the file added last, on its grid.
Spectrum average_of(const SpectrumSum& total);

// Everything gathered of one kind of spectrum, chi(k) or mu(E).
struct KindTotal {
  SpectrumSum rows;       // the row-by-row sums of the specified average
  SpectrumSpread spread;  // the row-by-row spread
  GridAverage common;     // the same spectra on one grid, with --common-grid
  int files() const { return rows.files; }
};

// The chi(k) and mu(E) totals of a run; a kind with files > 0 gets its average.
struct SpectrumTotals {
  AveragingMode mode;
  KindTotal chi;
  KindTotal mu;
  GridReference grids;  // the first cluster's grids, and how far the others' energies lie
};

void add_chi(SpectrumTotals& totals, const Spectrum& chi);
void add_mu(SpectrumTotals& totals, const Spectrum& mu);

// The average of one kind with its spread, as the mode takes it.
SpectrumStatistics chi_statistics(const SpectrumTotals& totals);
SpectrumStatistics mu_statistics(const SpectrumTotals& totals);

// Warns when the mu(E) grids were shifted against each other and averaged
// row by row all the same.
void print_averaging_warnings(const SpectrumTotals& totals);

// xt_tot.txt if any chi(k) entered the sums, then mu_tot.txt likewise, with
// chi_avg.dat and mu_avg.dat beside them; with spread_files also the
// standard deviation and error files of --average. Each file appears whole,
// under a temporary name that is then renamed.
void write_averages(const SpectrumTotals& totals, bool spread_files);

}  // namespace tolva64
