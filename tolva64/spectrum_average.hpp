#pragma once
// The running sums of the spectra converted in this run, and the averages
// xt_tot.txt and mu_tot.txt written from them after the last cluster.
#include <string>
#include <vector>

#include "tolva64/run_files.hpp"
#include "tolva64/spectrum_conversion.hpp"

namespace tolva64 {

struct SpectrumSum {
  // Row I: the sum over row I of every file added. Rows past the end of a
  // shorter file keep what longer files put there.
  std::vector<double> sum;
  int files = 0;              // NCLRC or NCLRX
  std::vector<double> grid;   // the grid of the file added last; its size is the row count
};

// Adds one file's values row by row; an overflow ends the run with the report.
// The chi(k) and mu(E) sums of a run; a sum with files > 0 gets its average.
struct SpectrumTotals {
  SpectrumSum chi;
  SpectrumSum mu;
};

void add_spectrum(SpectrumSum& total, const Spectrum& spectrum);

// Writes sum / files for the rows of the file added last, in the layout of
// the per-cluster files, under a temporary name that is then renamed.
void write_average(const SpectrumSum& total, const std::string& path);

}  // namespace tolva64
