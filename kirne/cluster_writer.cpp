#include "kirne/cluster_writer.hpp"

#include <cmath>

#include "common/checked_real.hpp"
#include "common/cluster_file.hpp"

namespace kirne {

namespace {

using common::checked_add;
using common::checked_mul;
using common::checked_sub;

// True when every place and squared distance of the cluster is a finite
// number, so that none of the checked operations below can end the run.
bool finite_places(const Frame& frame, const Neighbourhood& around, const Absorber& absorber) {
  for (std::size_t k = 0; k < around.size(); ++k) {
    const std::size_t i = around.atoms[k];
    const double xi = frame.x[i] - absorber.x, yi = frame.y[i] - absorber.y;
    const double zi = frame.z[i] - absorber.z;
    if (!std::isfinite((xi * xi + yi * yi) + zi * zi)) return false;
  }
  return true;
}

void write_atoms(const Frame& frame, const Neighbourhood& around,
                 const std::vector<std::uint8_t>& type_indices, const Absorber& absorber,
                 double radius_squared, common::ClusterFileWriter& file) {
  // A place that is no number may end the run with the failure report part
  // way through the file; the lines before it then reach the file one by
  // one, as the report expects to find them.
  const bool may_fail = !around.periodic && !finite_places(frame, around, absorber);
  for (std::size_t k = 0; k < around.size(); ++k) {
    const std::size_t i = around.atoms[k];
    // Without a cell the place is worked out here, checked, as it always was.
    double xi = around.periodic ? around.dx[k] : checked_sub(frame.x[i], absorber.x);
    double yi = around.periodic ? around.dy[k] : checked_sub(frame.y[i], absorber.y);
    double zi = around.periodic ? around.dz[k] : checked_sub(frame.z[i], absorber.z);
    double r2 =
        checked_add(checked_add(checked_mul(xi, xi), checked_mul(yi, yi)), checked_mul(zi, zi));
    // The boundary belongs to the cluster; a distance that is not a number
    // fails the test and leaves the atom out.
    if (!(r2 <= radius_squared)) continue;
    file.add_atom(i == absorber.index() ? 0 : type_indices[i], xi, yi, zi);
    if (may_fail) file.pass_on_atoms();
  }
}

}  // namespace

std::string cluster_file_name(const std::string& base_name, const Frame& frame,
                              const Absorber& absorber) {
  return base_name + "_" + frame.label + absorber.label + ".xyz";
}

void write_cluster(const RunParameters& parameters, const Frame& frame, const Neighbourhood& around,
                   const std::vector<std::uint8_t>& type_indices, const Absorber& absorber,
                   common::ClusterListWriter& cluster_list) {
  const std::string name =
      cluster_file_name(parameters.base_name, frame, absorber);  // FILENAME_OUT
  // The list line goes out first, so a stopped run still names the cluster.
  cluster_list.add(name);
  common::ClusterFileWriter file(name, frame.label + absorber.label, frame.comment);
  write_atoms(frame, around, type_indices, absorber, parameters.cluster_radius_squared, file);
  file.finish(parameters.type_count());
}

}  // namespace kirne
