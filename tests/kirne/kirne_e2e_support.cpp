#include "kirne_e2e_support.hpp"

namespace kirne_e2e {

test_support::RunResult run_kirne(const test_support::TempDir& dir,
                                  const std::vector<std::string>& args,
                                  const std::string& answers) {
  return test_support::run_program(KIRNE_BINARY, args, dir.path(), answers);
}

std::string banner(const std::string& mode_line) {
  std::string text =
      "****************************************\n"
      "*                 KIRNE                *\n"
      "*              Version 6.1             *\n"
      "*                                      *\n"
      "*  Clusters and distribution functions *\n"
      "*    from molecular-dynamics frames    *\n"
      "****************************************\n"
      "\n";
  if (!mode_line.empty()) text += mode_line + "\n";
  return text + "\n";
}

std::string type_table(int npot, const std::string& types_line, const std::string& central) {
  return "Number of different atoms: " + std::to_string(npot) +
         "\n\nAtoms types are: " + types_line + "\nCentral atom type is: " + central + "\n";
}

std::string parameter_echo(const std::string& name, int skipfirst, int skip,
                           const std::string& rmax_layout) {
  return "\nXYZ-filename: " + name +
         "\nNumber of configurations to skip from the beginning: " + std::to_string(skipfirst) +
         "\nNumber of configurations to skip during the run: " + std::to_string(skip) +
         "\nMaximal distance from the absorber Rmax: " + rmax_layout + "\n\n";
}

std::string statistics(int total, int used, int absorbers) {
  return "\nNumber of clusters: \n   Total: " + std::to_string(total) +
         "\n   Used: " + std::to_string(used) +
         "\n   Absorbers in each used cluster: " + std::to_string(absorbers) + "\n\n";
}

std::string atom(int type, const char* x, const char* y, const char* z) {
  return std::to_string(type) + " " + x + " " + y + " " + z + "\n";
}

}  // namespace kirne_e2e
