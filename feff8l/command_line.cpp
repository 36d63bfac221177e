#include "feff8l/command_line.hpp"

#include <array>
#include <string_view>

namespace feff8l {

namespace {

struct Option {
  std::string_view name;
  Command command;
  std::size_t values;  // arguments that follow it
};

constexpr std::array<Option, 4> kOptions{{
    {"--help", Command::Help, 0},
    {"-h", Command::Help, 0},
    {"--version", Command::Version, 0},
    {"--install", Command::Install, 1},
}};

}  // namespace

CommandLine read_command_line(const std::vector<std::string>& arguments) {
  CommandLine line;
  if (arguments.empty()) return line;
  for (const Option& option : kOptions) {
    if (arguments[0] != option.name) continue;
    if (arguments.size() < 1 + option.values) {
      line.problem = std::string(option.name) + " needs the directory to install feff.exe in";
    } else if (arguments.size() > 1 + option.values) {
      line.problem = "unexpected argument " + arguments[1 + option.values];
    } else {
      line.command = option.command;
      if (option.values == 1) line.install_directory = arguments[1];
    }
    return line;
  }
  line.problem = "unexpected argument " + arguments[0];
  return line;
}

std::string help_text(const std::string& built_module_directory) {
  return "Usage: feff8l                run FEFF 8.5L on feff.inp of the current directory\n"
         "       feff8l --install DIR  make DIR/feff.exe start this driver\n"
         "       feff8l --help | --version\n"
         "\n"
         "A run takes feff.inp, runs FEFF's modules rdinp, pot, xsph, pathfinder, genfmt\n"
         "and ff2x in a scratch folder feff8l-scratch-<host>-<pid> of the current\n"
         "directory, moves chi.dat and xmu.dat out of it and removes it. It prints\n"
         "nothing on success; the modules' console output goes to console.log in the\n"
         "scratch folder. A module that fails leaves one line on standard error and\n"
         "the folder, renamed feff8l-failed-<pid>, with the logs to look at; no chi.dat\n"
         "or xmu.dat is left then. Scratch folders of runs that were killed are\n"
         "removed by the next run in the same directory.\n"
         "\n"
         "--install DIR links DIR/feff.exe to this program, so that the averager,\n"
         "started in DIR, runs FEFF 8.5L. A copy works too.\n"
         "\n"
         "The modules are taken from $FEFF8L_MODULE_DIR when it is set, else from\n"
         "beside this program (links followed), else from\n"
         "  " + built_module_directory + "\n"
         "\n"
         "Exit status: 0 chi.dat and xmu.dat written; 1 a FEFF module failed;\n"
         "2 wrong arguments, no feff.inp or no modules; 217 a file could not be\n"
         "made, copied or moved. SIGTERM, SIGINT or SIGHUP end the running module,\n"
         "remove the scratch folder and end the driver by the same signal.\n";
}

std::string version_line() {
  return "feff8l 1.0, driver of FEFF 8.5L (feff85exafs ec8dcb0)";
}

}  // namespace feff8l
