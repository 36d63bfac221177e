#include "spectrum_analysis.hpp"

#include <cmath>
#include <complex>
#include <numbers>
#include <sstream>

namespace spectrum_analysis {

std::vector<ChiPoint> read_rows_after(const std::string& text, const std::string& heading) {
  std::vector<ChiPoint> points;
  const std::size_t at = text.find(heading);
  if (at == std::string::npos) return points;
  std::istringstream rows(text.substr(text.find('\n', at) + 1));
  std::string line;
  while (std::getline(rows, line)) {
    std::istringstream fields(line);
    ChiPoint p;
    if (fields >> p.k >> p.chi) points.push_back(p);
  }
  return points;
}

namespace {
bool inside(double k, double kmin, double kmax) {
  return k >= kmin - 1e-9 && k <= kmax + 1e-9;
}
}  // namespace

double k2_correlation(const std::vector<ChiPoint>& a, const std::vector<ChiPoint>& b,
                      double kmin, double kmax) {
  std::vector<double> x;
  std::vector<double> y;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (!inside(a[i].k, kmin, kmax)) continue;
    x.push_back(a[i].k * a[i].k * a[i].chi);
    y.push_back(b[i].k * b[i].k * b[i].chi);
  }
  const double n = static_cast<double>(x.size());
  double mx = 0.0, my = 0.0;
  for (std::size_t i = 0; i < x.size(); ++i) mx += x[i] / n, my += y[i] / n;
  double sxy = 0.0, sxx = 0.0, syy = 0.0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    sxy += (x[i] - mx) * (y[i] - my);
    sxx += (x[i] - mx) * (x[i] - mx);
    syy += (y[i] - my) * (y[i] - my);
  }
  return sxy / std::sqrt(sxx * syy);
}

double ft_peak_position(const std::vector<ChiPoint>& points, double kmin, double kmax) {
  double best_r = 0.0, best = -1.0;
  for (int i = 0; i <= 600; ++i) {
    const double r = 0.01 * i;
    std::complex<double> sum = 0.0;
    for (const ChiPoint& p : points) {
      if (!inside(p.k, kmin, kmax)) continue;
      const double x = (p.k - kmin) / (kmax - kmin);
      const double w = 0.5 * (1.0 - std::cos(2.0 * std::numbers::pi * x));
      sum += w * p.k * p.k * p.chi * std::polar(1.0, 2.0 * p.k * r);
    }
    if (std::abs(sum) > best) best = std::abs(sum), best_r = r;
  }
  return best_r;
}

}  // namespace spectrum_analysis
