#include "feff8l/module_table.hpp"

#include <system_error>

namespace feff8l {

const std::vector<FeffModule>& feff_modules() {
  // rdinp's JSON files are what the later modules read their settings from.
  static const std::vector<FeffModule> modules{
      {"rdinp", "feff8l_rdinp", "log.dat",
       {"pot.json", "geom.json", "atoms.json", "global.json", "xsph.json", "path.json",
        "genfmt.json", "ff2x.json"}},
      {"pot", "feff8l_pot", "log1.dat", {"pot.pad"}},
      {"xsph", "feff8l_xsph", "log2.dat", {"phase.pad"}},
      {"pathfinder", "feff8l_pathfinder", "log4.dat", {"paths.dat"}},
      {"genfmt", "feff8l_genfmt", "log5.dat", {"list.dat", "feff.pad"}},
      {"ff2x", "feff8l_ff2x", "log6.dat", {"chi.dat", "xmu.dat"}},
  };
  return modules;
}

std::optional<std::string> first_missing_output(const FeffModule& module,
                                                const std::filesystem::path& directory) {
  for (std::string_view output : module.outputs) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(directory / output, error)) return std::string(output);
  }
  return std::nullopt;
}

}  // namespace feff8l
