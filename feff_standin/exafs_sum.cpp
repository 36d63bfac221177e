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

// The model functions that depend only on k and the element, worked out once
// per grid point for every element present rather than once per atom.
struct ElementTerms {
  int z = 0;
  double amplitude = 0.0;
  double phase = 0.0;
};

std::vector<ElementTerms> elements_of(const Cluster& cluster) {
  std::vector<ElementTerms> elements;
  for (const Scatterer& s : cluster.scatterers) {
    bool known = false;
    for (const ElementTerms& e : elements) known = known || e.z == s.z;
    if (!known) elements.push_back({s.z, 0.0, 0.0});
  }
  return elements;
}

std::size_t element_index(const std::vector<ElementTerms>& elements, int z) {
  std::size_t i = 0;
  while (elements[i].z != z) ++i;
  return i;
}

// The complex path sum at wave number k > 0; chi is its imaginary part.
std::complex<double> path_sum(const Cluster& cluster, const std::vector<std::size_t>& element,
                              std::vector<ElementTerms>& elements, double k, double sig2) {
  for (ElementTerms& e : elements) {
    e.amplitude = backscattering_amplitude(e.z, k) / k * std::exp(-2.0 * sig2 * k * k);
    e.phase = 2.0 * central_phase(cluster.absorber_z, k) + backscattering_phase(e.z, k);
  }
  const double inverse_path = 2.0 / mean_free_path(k);
  std::complex<double> sum = 0.0;
  for (std::size_t j = 0; j < cluster.scatterers.size(); ++j) {
    const double r = cluster.scatterers[j].distance;
    const ElementTerms& e = elements[element[j]];
    sum += std::polar(e.amplitude / (r * r) * std::exp(-r * inverse_path),
                      2.0 * k * r + e.phase);
  }
  return sum;
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
  std::vector<ElementTerms> elements = elements_of(cluster);
  std::vector<std::size_t> element;
  for (const Scatterer& s : cluster.scatterers) element.push_back(element_index(elements, s.z));
  for (int i = 1; i <= last; ++i) {
    const double k = i * kGridStep;
    const std::complex<double> sum =
        input.s02 * path_sum(cluster, element, elements, k, input.sig2);
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
