#pragma once
// The driver's arguments. Started as FEFF is, with none, it runs FEFF.
#include <string>
#include <vector>

namespace feff8l {

enum class Command { Run, Help, Version, Install };

struct CommandLine {
  Command command = Command::Run;
  std::string install_directory;  // for Command::Install
  std::string problem;            // set when the arguments make no sense
};

// The arguments after the program name.
CommandLine read_command_line(const std::vector<std::string>& arguments);

std::string help_text(const std::string& built_module_directory);
std::string version_line();

}  // namespace feff8l
