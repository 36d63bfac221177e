// kirne --help and --version: asked for only by an argument list of that
// word alone.
#include "kirne/help_text.hpp"

#include <gtest/gtest.h>

#include <sstream>

using namespace kirne;

TEST(RequestedText, OnlyTheWordAlone) {
  EXPECT_EQ(requested_text({"--help"}), help_text());
  EXPECT_EQ(requested_text({"--version"}), "kirne 6.1\n");
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{},
                                             {"-h"},
                                             {"--HELP"},
                                             {"help"},
                                             {"--help", "md"},
                                             {"md", "--version"},
                                             {"--", "--help"}}) {
    EXPECT_FALSE(requested_text(args).has_value()) << args.size();
  }
}

// The text fits a terminal of 80 columns and names every exit code.
TEST(HelpText, FitsATerminalAndNamesTheExitCodes) {
  std::istringstream text(help_text());
  std::string exit_codes;
  bool in_table = false;
  for (std::string line; std::getline(text, line);) {
    EXPECT_LE(line.size(), 79u) << line;
    if (in_table && line.size() > 2 && line[2] != ' ') exit_codes += line.substr(2, 5);
    if (line == "Exit codes:") in_table = true;
  }
  EXPECT_EQ(exit_codes, "0    1    217  ");
}
