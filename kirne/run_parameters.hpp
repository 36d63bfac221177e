#pragma once
// What a run is asked to do: taken from the arguments or the console, and
// final once the trajectory is open. Nothing after setup changes it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "kirne/periodic_cell.hpp"
#include "kirne/symbol.hpp"
#include "kirne/type_map.hpp"

namespace kirne {

inline constexpr int kMaxTypes = 20;       // PMAX: entries of the type table
inline constexpr int kBinCount = 5000;     // RMAX: bins of each distribution histogram
inline constexpr double kBinWidth = 0.01;  // DR: bin width in angstrom

enum class RunMode { ArgumentList, Interactive, Test };

// Which distribution functions the run accumulates and writes.
struct DistributionChoice {
  bool g2 = false;  // FL_G2: G2 and the partial RDFs
  bool g3 = false;  // FL_G3
  bool g4 = false;  // FL_G4
  bool any() const { return g2 || g3 || g4; }
};

struct RunParameters {
  RunMode mode = RunMode::ArgumentList;
  std::string trajectory_name;           // NAMEINP, NAME as given: echoed as the user wrote it
  std::string base_name;                 // NAME once resolved: the cluster file names grow from it
  std::string trajectory_path;           // FILENAME: the file that is opened
  double cluster_radius = 8.0;           // RMAX_FROM_ABSORBER: Rmax in angstrom
  double cluster_radius_squared = 64.0;  // RMAX2
  std::int32_t skip_first = 0;           // SKIPFIRST: configurations skipped at the start
  std::int32_t skip_between = 0;         // SKIP: configurations skipped between two used ones
  // ICENTATOM: atom number of the absorber; 0 takes the absorber-type atom
  // nearest the centre of configuration 1.
  std::int32_t absorber_atom = 0;
  // NICENTATOM: 1 for one absorber per configuration; n > 1 makes every atom
  // of the absorber type among atoms 1..n an absorber.
  std::int32_t absorber_scan = 1;
  std::int32_t configuration_limit = 2147483647;  // NCLMAX: configurations read at most
  // POTN[1..NPOT]: the absorber's type first (CENTATOM), then the others.
  std::vector<Symbol> types{Symbol()};
  DistributionChoice distributions;  // FL_G2, FL_G3, FL_G4
  // --pbc: clusters and distributions by minimum-image vectors in the cell.
  bool periodic = false;
  std::optional<PeriodicCell> given_cell;  // --cell: for frames without a cell of their own
  TypeMap type_map;                        // --type-map: symbols of numeric types

  std::int32_t type_count() const { return static_cast<std::int32_t>(types.size()); }  // NPOT
  const Symbol& absorber_type() const { return types.front(); }                        // CENTATOM
  bool several_absorbers() const { return absorber_scan > 1; }
};

}  // namespace kirne
