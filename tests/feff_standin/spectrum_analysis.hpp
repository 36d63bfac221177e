#pragma once
// What the tests measure on a chi.dat: its rows after the heading, the
// correlation of two spectra and where a Fourier transform peaks.
#include <string>
#include <vector>

namespace spectrum_analysis {

struct ChiPoint {
  double k = 0.0;
  double chi = 0.0;
};

// Reads the rows below the line holding `heading`, as the averager does: the
// first two numbers of each row. Returns no points when the heading is absent.
std::vector<ChiPoint> read_rows_after(const std::string& text, const std::string& heading);

// Pearson correlation of k^2 chi(k) of two spectra on the same grid, over the
// rows with kmin <= k <= kmax.
double k2_correlation(const std::vector<ChiPoint>& a, const std::vector<ChiPoint>& b,
                      double kmin, double kmax);

// R (Å, on a 0.01 Å grid up to 6 Å) at which |sum w(k) k^2 chi(k) exp(2ikR)|
// is largest, with w the Hanning window over [kmin, kmax].
double ft_peak_position(const std::vector<ChiPoint>& points, double kmin, double kmax);

}  // namespace spectrum_analysis
