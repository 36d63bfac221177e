// The options in front of the positional arguments.
#include "kirne/run_options.hpp"

#include <gtest/gtest.h>

#include "kirne/command_line.hpp"

using namespace kirne;

namespace {

std::string stop_line(std::vector<std::string> args) {
  RunParameters p;
  MaybeStop stop = take_options(args, p);
  if (!stop) return "(no stop)";
  return stop->line;
}

}  // namespace

TEST(RunOptions, TakenOffBeforeTheUsualRules) {
  std::vector<std::string> args{"--pbc", "--type-map", "1=Cu,2=Zr",    "--cell", "10",
                                "11",    "12",         "md.lammpstrj", "0",      "0",
                                "6.0",   "Cu",         "-4000"};
  RunParameters p;
  EXPECT_FALSE(take_options(args, p).has_value());
  EXPECT_EQ(args, (std::vector<std::string>{"md.lammpstrj", "0", "0", "6.0", "Cu", "-4000"}));
  EXPECT_TRUE(p.periodic);
  EXPECT_EQ(p.type_map.symbol_of("2"), "ZR");
  ASSERT_TRUE(p.given_cell.has_value());
  EXPECT_DOUBLE_EQ(p.given_cell->volume(), 1320.0);
}

// Nine numbers make a general cell; "--" ends the options; a keyword among
// the option values selects no mode.
TEST(RunOptions, GeneralCellEndMarkAndModeKeywords) {
  std::vector<std::string> args{"--cell", "4", "0", "0", "1",  "6",
                                "0",      "3", "2", "5", "--", "--pbc"};
  RunParameters p;
  EXPECT_FALSE(take_options(args, p).has_value());
  EXPECT_EQ(args, (std::vector<std::string>{"--pbc"}));
  EXPECT_DOUBLE_EQ(p.given_cell->volume(), 120.0);
  EXPECT_FALSE(p.periodic);
  RunParameters q;
  std::vector<std::string> warnings;
  EXPECT_FALSE(
      read_command_line({"--type-map", "1=Int", "md", "0", "0", "5", "Cu", "0"}, q, warnings));
  EXPECT_EQ(q.mode, RunMode::ArgumentList);
  EXPECT_EQ(q.trajectory_name, "md");
  RunParameters r;
  EXPECT_FALSE(read_command_line({"--pbc", "int"}, r, warnings));
  EXPECT_EQ(r.mode, RunMode::Interactive);
  EXPECT_TRUE(r.periodic);
}

TEST(RunOptions, OptionsThatCannotBeReadStop) {
  EXPECT_EQ(stop_line({"--pcb", "md"}),
            " Unknown option --pcb. The options are --pbc, --cell and --type-map.");
  EXPECT_EQ(stop_line({"--cell", "10", "10", "md"}),
            " --cell takes 3 numbers (a b c) or 9 (ax ay az bx by bz cx cy cz).");
  EXPECT_EQ(stop_line({"--cell", "10", "0", "10"}), " The cell given with --cell spans no volume.");
  EXPECT_EQ(stop_line({"--type-map", "Cu=1"}),
            " --type-map takes a list such as 1=Cu,2=Zr, not \"Cu=1\".");
  EXPECT_EQ(stop_line({"--type-map"}), " --type-map takes a list such as 1=Cu,2=Zr, not nothing.");
  // Alone they print their text (help_text.hpp); among other arguments
  // they are options that stop the run.
  EXPECT_EQ(stop_line({"--help", "md"}),
            " --help stands alone, as the only argument: kirne --help");
  EXPECT_EQ(stop_line({"--pbc", "--version"}),
            " --version stands alone, as the only argument: kirne --version");
}
