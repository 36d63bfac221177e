#include "kirne/cluster_writer.hpp"

#include "common/checked_real.hpp"
#include "common/cluster_file.hpp"

namespace kirne {

namespace {

using common::checked_add;
using common::checked_mul;
using common::checked_sub;

void write_atoms(common::ClusterFileWriter& file, RunState& s) {
  const std::int32_t nat = s.NAT;
  for (std::int32_t i = 1; i <= nat; ++i) {
    std::uint8_t index = type_index(s, i);
    s.POTI[i] = index;
    double xi = checked_sub(s.X[i], s.X0);
    double yi = checked_sub(s.Y[i], s.Y0);
    double zi = checked_sub(s.Z[i], s.Z0);
    double r2 =
        checked_add(checked_add(checked_mul(xi, xi), checked_mul(yi, yi)), checked_mul(zi, zi));
    // The boundary belongs to the cluster; a distance that is not a number
    // fails the test and leaves the atom out.
    if (!(r2 <= s.RMAX2)) continue;
    file.add_atom(index, xi, yi, zi);
  }
}

}  // namespace

std::string cluster_file_name(const RunState& s) {
  return s.NAME + "_" + s.NCLST + s.NCLST2 + ".xyz";
}

std::uint8_t type_index(const RunState& s, std::int32_t i) {
  if (i == s.NAT0) return 0;
  const Symbol& symbol = s.POT[i];
  for (std::int32_t j = s.NPOT; j >= 1; --j) {
    if (s.POTN[j] == symbol) return static_cast<std::uint8_t>(j);
  }
  return 0;
}

void write_cluster(RunState& s) {
  s.FILENAME_OUT = cluster_file_name(s);
  // The list line goes out first, so a stopped run still names the cluster.
  s.FVC->add(s.FILENAME_OUT);
  common::ClusterFileWriter file(s.FILENAME_OUT, s.NCLST + s.NCLST2, s.STCOM);
  write_atoms(file, s);
  file.finish(s.NPOT);
}

}  // namespace kirne
