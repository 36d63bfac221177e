#pragma once
// tolva64 run with its standard error on a terminal, as a user at a console
// has it: a pseudo-terminal without output processing, so the transcript
// holds every byte in the order the terminal received it.
#include <filesystem>
#include <string>
#include <vector>

namespace tolva64_test {

struct TerminalRun {
  int exit_code = -1;
  std::string terminal;  // what reached the terminal
  std::string out;       // standard output, when it went to a file
};

// With output_on_terminal, standard output goes to the same terminal;
// otherwise to a file.
TerminalRun run_on_terminal(const std::vector<std::string>& args, const std::filesystem::path& dir,
                            bool output_on_terminal);

}  // namespace tolva64_test
