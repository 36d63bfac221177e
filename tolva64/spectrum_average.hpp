#pragma once
// The running sums of the spectra converted in a run, and the averages
// xt_tot.txt and mu_tot.txt written from them after the last cluster.
#include <vector>

#include "tolva64/spectrum.hpp"

namespace tolva64 {

struct SpectrumSum {
  // Row I: the sum over row I of every file added. Rows past the end of a
  // shorter file keep what longer files put there.
  std::vector<double> sum;    // TOTC or TOTX
  int files = 0;              // NCLRC or NCLRX
  std::vector<double> grid;   // the grid of the file added last; its size is the row count
};

// The chi(k) and mu(E) sums of a run; a sum with files > 0 gets its average.
struct SpectrumTotals {
  SpectrumSum chi;
  SpectrumSum mu;
};

// Adds one file's values row by row; an overflow ends the run with the report.
void add_spectrum(SpectrumSum& total, const Spectrum& spectrum);

// sum / files for the rows of the file added last, on its grid.
Spectrum average_of(const SpectrumSum& total);

// xt_tot.txt if any chi(k) entered the sums, then mu_tot.txt likewise; each
// appears whole, under a temporary name that is then renamed.
void write_averages(const SpectrumTotals& totals);

}  // namespace tolva64
