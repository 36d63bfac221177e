#include "kirne/cluster_writer.hpp"

#include "common/checked_real.hpp"
#include "common/cluster_file.hpp"

namespace kirne {

namespace {

using common::checked_add;
using common::checked_mul;
using common::checked_sub;

void write_atoms(const Frame& frame, const Neighbourhood& around,
                 const std::vector<std::uint8_t>& type_indices, const Absorber& absorber,
                 double radius_squared, common::ClusterFileWriter& file) {
  for (std::size_t k = 0; k < around.size(); ++k) {
    const std::size_t i = around.atoms[k];
    // Without a cell the place is worked out here, checked, as it always was.
    double xi = around.periodic ? around.dx[k] : checked_sub(frame.x[i], absorber.x);
    double yi = around.periodic ? around.dy[k] : checked_sub(frame.y[i], absorber.y);
    double zi = around.periodic ? around.dz[k] : checked_sub(frame.z[i], absorber.z);
    double r2 =
        checked_add(checked_add(checked_mul(xi, xi), checked_mul(yi, yi)), checked_mul(zi, zi));
    // The boundary belongs to the cluster.
    if (!(r2 <= radius_squared)) continue;
    file.add_atom(i == absorber.index() ? 0 : type_indices[i], xi, yi, zi);
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
  // The list line goes out first, so a stopped run still names the cluster;
  // the file itself then is whole or absent.
  cluster_list.add(name);
  common::ClusterFileWriter file(name, frame.label + absorber.label, frame.comment);
  write_atoms(frame, around, type_indices, absorber, parameters.cluster_radius_squared, file);
  file.finish(parameters.type_count());
}

}  // namespace kirne
