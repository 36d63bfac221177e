#pragma once
// The atoms around one absorber, found through a grid of cells rather than a
// pass over the whole frame, so that a cluster and its distribution share
// cost in proportion to the atoms within reach.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "kirne/frame.hpp"
#include "kirne/periodic_cell.hpp"

namespace kirne {

// The atoms within the search radius of one absorber, in configuration order.
struct Neighbourhood {
  std::vector<std::uint32_t> atoms;  // indices into the frame, ascending; the absorber among them
  std::size_t absorber = 0;          // where the absorber stands in `atoms`
  // Each atom's vector from the absorber: the minimum image in a periodic
  // cell, else the plain difference of the stored coordinates.
  std::vector<double> dx, dy, dz;
  // The positions the legs of a path are measured between: the vectors
  // themselves in a periodic cell (the absorber at the origin, as in the
  // cluster file), else the stored coordinates.
  std::vector<double> x, y, z;
  bool periodic = false;

  std::size_t size() const { return atoms.size(); }
};

// How far a run must look around an absorber: Rmax for the cluster, and the
// reach of every distribution bin a table row can show. Infinite when every
// atom must be looked at (an Rmax that is no finite number).
double search_radius(double cluster_radius);

class NeighbourSearch {
 public:
  // Sorts the frame's atoms into cells at least `radius` wide: over the
  // fractional coordinates of `cell` when there is one, else over the
  // atoms' bounding box. Without finite coordinates and radius every atom
  // is a candidate, and none is left out.
  NeighbourSearch(const Frame& frame, const PeriodicCell* cell, double radius);

  // Every atom within the radius of atom `absorber` (all atoms when no grid
  // could be built), in configuration order.
  void find(std::size_t absorber, Neighbourhood& around) const;

 private:
  struct Candidate {
    std::uint32_t atom;
    Vector3 d;
  };

  void build_grid();
  // The grid cell of an atom; with a periodic cell also how many cell edges
  // it lies past the cell, into `wraps` (three of them) when asked.
  std::size_t cell_of(std::size_t atom, int (&index)[3], double* wraps = nullptr) const;
  void keep_within(std::size_t absorber, std::vector<Candidate>& kept) const;
  Vector3 image_in_cell(std::size_t absorber, std::uint32_t atom, const double (&shift)[3]) const;
  Vector3 vector_to(std::size_t absorber, std::uint32_t atom) const;
  void add(std::size_t absorber, std::uint32_t atom, const Vector3& d, Neighbourhood& around) const;

  const Frame* frame_;
  const PeriodicCell* cell_;
  double radius_;
  bool every_atom_ = false;  // no grid: every atom is a candidate
  int cells_[3] = {1, 1, 1};
  double low_[3] = {0, 0, 0}, span_[3] = {1, 1, 1};  // bounding box, without a cell
  std::vector<std::uint32_t> cell_start_;  // atoms of cell c: order_[cell_start_[c] .. [c + 1])
  std::vector<std::uint32_t> order_;
  std::vector<std::uint32_t> atom_cell_;
  // With a periodic cell of three or more grid cells on every axis: how many
  // cell edges each atom lies past the cell (floor of its fractions), so that
  // the image in a neighbouring grid cell follows without a search.
  bool image_by_shift_ = false;
  std::vector<double> wraps_;
};

}  // namespace kirne
