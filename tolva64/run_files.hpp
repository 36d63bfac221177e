#pragma once
// The fixed names and limits of a run. Every step takes its file names as
// parameters, so the parallel run can point them at a scratch directory; the
// program itself always uses these defaults in the current directory.
#include <string>

namespace tolva64 {

inline constexpr int kMaxClusterAtoms = 200000;  // NMAX: atom records per cluster file
inline constexpr int kMaxPotentials = 20;        // PMAX: entries of the potential map

struct RunFiles {
  std::string cluster_list = "conf.dat";    // NAME_CONFIG
  std::string potential_map = "pot.dat";    // NAME_POT
  std::string feff_template = "feff.dat";   // NAME_FEFF
  std::string feff_program = "feff.exe";    // EXAFSCODE
  std::string feff_input = "feff.inp";      // NAME_INPUT_FILE
  std::string chi_result = "chi.dat";
  std::string xmu_result = "xmu.dat";
};

}  // namespace tolva64
