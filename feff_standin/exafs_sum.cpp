#include "feff_standin/exafs_sum.hpp"

#include <cmath>
#include <complex>
#include <numbers>

#include "feff_standin/scattering_model.hpp"

namespace feff_standin {
namespace {

// Two atoms this close cannot both be real; 1/R^2 would make nonsense of the sum.
constexpr double kMinDistance = 0.1;

int atomic_number_of(const FeffInput& input, const Atom& atom) {
  const auto it = input.atomic_number.find(atom.ipot);
  if (it == input.atomic_number.end()) {
    throw InputError("feff.inp line " + std::to_string(atom.line) + ": potential " +
                     std::to_string(atom.ipot) + " has no line under POTENTIALS");
  }
  return it->second;
}

// Complex contribution of one scatterer at wave number k > 0; chi is its
// imaginary part.
std::complex<double> path_term(const Scatterer& s, int absorber_z, double k,
                               double sig2) {
  const double amplitude = backscattering_amplitude(s.z, k) / (k * s.distance * s.distance) *
                           std::exp(-2.0 * s.distance / mean_free_path(k)) *
                           std::exp(-2.0 * sig2 * k * k);
  const double phase = 2.0 * k * s.distance + 2.0 * central_phase(absorber_z, k) +
                       backscattering_phase(s.z, k);
  return std::polar(amplitude, phase);
}

}  // namespace

Cluster select_cluster(const FeffInput& input) {
  const Atom* absorber = nullptr;
  for (const Atom& atom : input.atoms) {
    if (atom.ipot == 0) {
      absorber = &atom;
      break;
    }
  }
  if (absorber == nullptr) throw InputError("feff.inp has no atom of potential 0 (absorber)");
  Cluster cluster;
  cluster.absorber_z = atomic_number_of(input, *absorber);
  for (const Atom& atom : input.atoms) {
    if (&atom == absorber) continue;
    const double r = std::hypot(atom.x - absorber->x, atom.y - absorber->y,
                                atom.z - absorber->z);
    if (r > input.rmax) continue;
    if (r < kMinDistance) {
      throw InputError("feff.inp line " + std::to_string(atom.line) +
                       ": atom sits on the absorber");
    }
    cluster.scatterers.push_back({r, atomic_number_of(input, atom)});
  }
  return cluster;
}

std::vector<SpectrumRow> exafs_spectrum(const Cluster& cluster, const FeffInput& input) {
  const int last = static_cast<int>(std::floor(input.kmax / kGridStep + 1e-6));
  std::vector<SpectrumRow> rows(static_cast<std::size_t>(last) + 1);
  for (int i = 1; i <= last; ++i) {
    const double k = i * kGridStep;
    std::complex<double> sum = 0.0;
    for (const Scatterer& s : cluster.scatterers) {
      sum += path_term(s, cluster.absorber_z, k, input.sig2);
    }
    sum *= input.s02;
    SpectrumRow& row = rows[static_cast<std::size_t>(i)];
    row.k = k;
    row.chi = sum.imag();
    row.mag = std::abs(sum);
    row.phase = std::arg(sum);
    if (i > 1) {
      // Whole turns keep the phase continuous, so it reads as a smooth curve.
      const double previous = rows[static_cast<std::size_t>(i) - 1].phase;
      row.phase += 2.0 * std::numbers::pi * std::round((previous - row.phase) /
                                                       (2.0 * std::numbers::pi));
    }
  }
  return rows;
}

}  // namespace feff_standin
