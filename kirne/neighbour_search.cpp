#include "kirne/neighbour_search.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "kirne/distribution_bins.hpp"

namespace kirne {

namespace {

// A whisker of room on every radius and cell width, so that rounding never
// decides whether an atom on the edge is found.
constexpr double kMargin = 1.0 + 1e-9;
// Below this many atoms a grid costs more than the pass it saves.
constexpr std::size_t kFewAtoms = 64;
// Beyond this extent squares of coordinate differences could overflow;
// such frames are passed over whole, as the cluster writer's checks expect.
constexpr double kLargestExtent = 1e150;

bool finite_frame(const Frame& f) {
  for (std::size_t i = 0; i < f.x.size(); ++i) {
    if (!std::isfinite(f.x[i]) || !std::isfinite(f.y[i]) || !std::isfinite(f.z[i])) return false;
  }
  return true;
}

// The cells of one axis around cell c: c - 1, c, c + 1, each once.
int axis_cells(int c, int cells, bool periodic, int (&out)[3]) {
  if (cells <= 3) {
    for (int k = 0; k < cells; ++k) out[k] = k;
    return cells;
  }
  int count = 0;
  for (int k = c - 1; k <= c + 1; ++k) {
    if (periodic) {
      out[count++] = (k + cells) % cells;
    } else if (k >= 0 && k < cells) {
      out[count++] = k;
    }
  }
  return count;
}

int cell_index(double fraction, int cells) {
  const int index = static_cast<int>(fraction * cells);
  return std::clamp(index, 0, cells - 1);
}

}  // namespace

double search_radius(double cluster_radius) {
  const double rmax = std::fabs(cluster_radius);
  if (!std::isfinite(rmax)) return std::numeric_limits<double>::infinity();
  // G2 rows reach the last visible bin, paths an atom at most 1.5 bins past
  // it (distribution_paths.cpp); two bins cover both.
  const double reach = (last_visible_bin(cluster_radius) + 2.0) * kBinWidth;
  return std::max(rmax, reach) * kMargin;
}

NeighbourSearch::NeighbourSearch(const Frame& frame, const PeriodicCell* cell, double radius)
    : frame_(&frame), cell_(cell), radius_(radius) {
  every_atom_ = !(radius > 0.0) || !std::isfinite(radius) || frame.x.size() < kFewAtoms ||
                !finite_frame(frame);
  if (!every_atom_) build_grid();
}

void NeighbourSearch::build_grid() {
  const Frame& f = *frame_;
  const std::size_t n = f.x.size();
  double width[3];
  if (cell_ != nullptr) {
    const std::array<double, 3> w = cell_->widths();
    std::copy(w.begin(), w.end(), width);
  } else {
    const std::vector<double>* axes[3] = {&f.x, &f.y, &f.z};
    for (int k = 0; k < 3; ++k) {
      const auto [lo, hi] = std::minmax_element(axes[k]->begin(), axes[k]->end());
      low_[k] = *lo;
      span_[k] = *hi - *lo;
      width[k] = span_[k];
      if (!(span_[k] < kLargestExtent)) {
        every_atom_ = true;
        return;
      }
    }
  }
  for (int k = 0; k < 3; ++k) {
    const double fit = std::floor(width[k] / (radius_ * kMargin));
    cells_[k] = static_cast<int>(std::clamp(fit, 1.0, 1024.0));
  }
  // A few cells per atom at most: more would only be empty.
  while (static_cast<std::size_t>(cells_[0]) * cells_[1] * cells_[2] > 4 * n + 27) {
    int* largest = std::max_element(cells_, cells_ + 3);
    *largest = std::max(1, *largest / 2);
  }
  const std::size_t total = static_cast<std::size_t>(cells_[0]) * cells_[1] * cells_[2];
  image_by_shift_ = cell_ != nullptr && cells_[0] >= 3 && cells_[1] >= 3 && cells_[2] >= 3;
  if (image_by_shift_) wraps_.resize(3 * n);
  atom_cell_.resize(n);
  cell_start_.assign(total + 1, 0);
  for (std::size_t i = 0; i < n; ++i) {
    int index[3];
    double* wraps = image_by_shift_ ? &wraps_[3 * i] : nullptr;
    atom_cell_[i] = static_cast<std::uint32_t>(cell_of(i, index, wraps));
    ++cell_start_[atom_cell_[i] + 1];
  }
  for (std::size_t c = 0; c < total; ++c) cell_start_[c + 1] += cell_start_[c];
  order_.resize(n);
  std::vector<std::uint32_t> next(cell_start_.begin(), cell_start_.end() - 1);
  for (std::size_t i = 0; i < n; ++i) order_[next[atom_cell_[i]]++] = static_cast<std::uint32_t>(i);
}

std::size_t NeighbourSearch::cell_of(std::size_t atom, int (&index)[3], double* wraps) const {
  const Frame& f = *frame_;
  if (cell_ != nullptr) {
    const Vector3 u = cell_->fractional({f.x[atom], f.y[atom], f.z[atom]});
    const double wrap[3] = {std::floor(u.x), std::floor(u.y), std::floor(u.z)};
    const double fraction[3] = {u.x - wrap[0], u.y - wrap[1], u.z - wrap[2]};
    for (int k = 0; k < 3; ++k) index[k] = cell_index(fraction[k], cells_[k]);
    if (wraps != nullptr) std::copy(wrap, wrap + 3, wraps);
  } else {
    const double p[3] = {f.x[atom], f.y[atom], f.z[atom]};
    for (int k = 0; k < 3; ++k) {
      index[k] = span_[k] > 0.0 ? cell_index((p[k] - low_[k]) / span_[k], cells_[k]) : 0;
    }
  }
  return (static_cast<std::size_t>(index[0]) * cells_[1] + index[1]) * cells_[2] + index[2];
}

// The atom's image next to the absorber when its grid cell lies `shift`
// cell edges away (-1, 0 or +1 on each axis) from where the grid keeps it.
Vector3 NeighbourSearch::image_in_cell(std::size_t absorber, std::uint32_t atom,
                                       const double (&shift)[3]) const {
  const Frame& f = *frame_;
  const Vector3 d{f.x[atom] - f.x[absorber], f.y[atom] - f.y[absorber], f.z[atom] - f.z[absorber]};
  if (!image_by_shift_) return cell_ != nullptr ? cell_->minimum_image(d) : d;
  double n[3];
  for (int k = 0; k < 3; ++k) n[k] = wraps_[3 * atom + k] - wraps_[3 * absorber + k] - shift[k];
  return cell_->shifted(d, n);
}

// The atoms of the grid cells around the absorber's that lie within the
// radius, with their vectors.
void NeighbourSearch::keep_within(std::size_t absorber, std::vector<Candidate>& kept) const {
  int centre[3];
  cell_of(absorber, centre);
  int axis[3][3];
  int count[3];
  for (int k = 0; k < 3; ++k)
    count[k] = axis_cells(centre[k], cells_[k], cell_ != nullptr, axis[k]);
  const double reach = radius_ * radius_;
  for (int a = 0; a < count[0]; ++a) {
    for (int b = 0; b < count[1]; ++b) {
      for (int c = 0; c < count[2]; ++c) {
        const int index[3] = {axis[0][a], axis[1][b], axis[2][c]};
        double shift[3];
        for (int k = 0; k < 3; ++k) {
          const int step = index[k] - centre[k];
          shift[k] = step > 1 ? -1.0 : (step < -1 ? 1.0 : 0.0);
        }
        const std::size_t cell =
            (static_cast<std::size_t>(index[0]) * cells_[1] + index[1]) * cells_[2] + index[2];
        for (std::uint32_t q = cell_start_[cell]; q < cell_start_[cell + 1]; ++q) {
          const Vector3 d = image_in_cell(absorber, order_[q], shift);
          if (length_squared(d) <= reach) kept.push_back({order_[q], d});
        }
      }
    }
  }
}

Vector3 NeighbourSearch::vector_to(std::size_t absorber, std::uint32_t atom) const {
  const Frame& f = *frame_;
  const Vector3 d{f.x[atom] - f.x[absorber], f.y[atom] - f.y[absorber], f.z[atom] - f.z[absorber]};
  return cell_ != nullptr ? cell_->minimum_image(d) : d;
}

void NeighbourSearch::add(std::size_t absorber, std::uint32_t atom, const Vector3& d,
                          Neighbourhood& around) const {
  const Frame& f = *frame_;
  if (atom == absorber) around.absorber = around.atoms.size();
  around.atoms.push_back(atom);
  around.dx.push_back(d.x);
  around.dy.push_back(d.y);
  around.dz.push_back(d.z);
  around.x.push_back(around.periodic ? d.x : f.x[atom]);
  around.y.push_back(around.periodic ? d.y : f.y[atom]);
  around.z.push_back(around.periodic ? d.z : f.z[atom]);
}

void NeighbourSearch::find(std::size_t absorber, Neighbourhood& around) const {
  around.atoms.clear(), around.dx.clear(), around.dy.clear(), around.dz.clear();
  around.x.clear(), around.y.clear(), around.z.clear();
  around.periodic = cell_ != nullptr;
  const std::size_t n = frame_->x.size();
  if (every_atom_) {
    for (std::uint32_t i = 0; i < n; ++i) add(absorber, i, vector_to(absorber, i), around);
    return;
  }
  std::vector<Candidate> kept;
  keep_within(absorber, kept);
  // Configuration order, so that every file lists the atoms as before.
  std::sort(kept.begin(), kept.end(),
            [](const Candidate& p, const Candidate& q) { return p.atom < q.atom; });
  for (const Candidate& c : kept) add(absorber, c.atom, c.d, around);
}

}  // namespace kirne
