#pragma once
// The fixed names and limits of a run. Every step takes its file names as
// parameters, so a later driver can point them at a scratch directory; the
// program itself always uses these defaults in the current directory.
#include <string>

namespace tolva64 {

inline constexpr int kMaxClusterAtoms = 200000;  // NMAX: atom records per cluster file
inline constexpr int kMaxPotentials = 20;        // PMAX: entries of the potential map

struct RunFiles {
  std::string cluster_list = "conf.dat";
  std::string potential_map = "pot.dat";
  std::string feff_template = "feff.dat";
  std::string feff_program = "feff.exe";
  std::string feff_input = "feff.inp";
  std::string chi_result = "chi.dat";
  std::string xmu_result = "xmu.dat";
  std::string chi_average = "xt_tot.txt";
  std::string mu_average = "mu_tot.txt";
};

// Prints " The file "<name>" <complaint>" and ends the run with exit code 1:
// the orderly stop for input the user has to put right.
[[noreturn]] void stop_on_file(const std::string& name, const std::string& complaint);

}  // namespace tolva64
