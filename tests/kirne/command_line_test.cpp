// The run mode and the argument list.
#include "kirne/command_line.hpp"

#include <gtest/gtest.h>

using namespace kirne;

namespace {

RunParameters read(const std::vector<std::string>& args,
                   std::vector<std::string>* warnings = nullptr) {
  RunParameters parameters;
  std::vector<std::string> said;
  EXPECT_FALSE(read_command_line(args, parameters, said).has_value());
  if (warnings != nullptr) *warnings = said;
  return parameters;
}

}  // namespace

TEST(RunMode, KeywordsAnywhereTestBeforeInt) {
  EXPECT_EQ(decide_run_mode({}), RunMode::ArgumentList);
  EXPECT_EQ(decide_run_mode({"point.xyz"}), RunMode::Interactive);
  EXPECT_EQ(decide_run_mode({"latest.xyz"}), RunMode::Test);
  EXPECT_EQ(decide_run_mode({"INT"}), RunMode::Interactive);
  EXPECT_EQ(decide_run_mode({"md", "TEST"}), RunMode::Test);
  EXPECT_EQ(decide_run_mode({"int", "test"}), RunMode::Test);
  EXPECT_EQ(decide_run_mode({"Test", "Int"}), RunMode::ArgumentList);
  // Each argument is followed by a blank when joined, never glued to the next.
  EXPECT_EQ(decide_run_mode({"i", "nt"}), RunMode::ArgumentList);
}

TEST(ArgumentList, SevenArgumentsByPosition) {
  RunParameters p = read({"md", "2", "3", "6.5", "Fe", "-4", "O"});
  EXPECT_EQ(p.mode, RunMode::ArgumentList);
  EXPECT_EQ(p.trajectory_name, "md");
  EXPECT_EQ(p.skip_first, 2);
  EXPECT_EQ(p.skip_between, 3);
  EXPECT_EQ(p.cluster_radius, 6.5);
  EXPECT_EQ(p.types, (std::vector<Symbol>{"FE", "O "}));
  EXPECT_EQ(p.absorber_type(), "FE");
  EXPECT_EQ(p.absorber_scan, 4);
  EXPECT_EQ(p.absorber_atom, 0);
  EXPECT_TRUE(p.distributions.g2);
  EXPECT_FALSE(p.distributions.g3 || p.distributions.g4);
}

TEST(ArgumentList, AbsorberChoiceAndUnreadableNumbers) {
  RunParameters zero = read({"md", "x", "1.5", "abc", "Fe", "0"});
  EXPECT_EQ(zero.skip_first, 0);
  EXPECT_EQ(zero.skip_between, 0);
  EXPECT_EQ(zero.cluster_radius, 0.0);
  EXPECT_EQ(zero.absorber_atom, 0);
  EXPECT_EQ(zero.absorber_scan, 1);
  RunParameters minus_one = read({"md", "0", "0", "1e1", "Fe", "-1"});
  EXPECT_EQ(minus_one.cluster_radius, 10.0);
  EXPECT_EQ(minus_one.absorber_atom, 0);
  EXPECT_EQ(minus_one.absorber_scan, 1);
  RunParameters seven = read({"md", "0", "0", "5", "Fe", "7"});
  EXPECT_EQ(seven.absorber_atom, 7);
  EXPECT_EQ(seven.absorber_scan, 1);
  EXPECT_EQ(read({"md", "0", "0", "5", "Fe", "-2147483648"}).absorber_scan, 2147483647);
}

// Too few arguments are ignored, but G2 is still the run's choice.
TEST(ArgumentList, FewerThanSixAreIgnored) {
  RunParameters p = read({"md", "1", "2", "3", "Fe"});
  EXPECT_EQ(p.trajectory_name, "");
  EXPECT_EQ(p.skip_first, 0);
  EXPECT_EQ(p.cluster_radius, 8.0);
  EXPECT_EQ(p.types, (std::vector<Symbol>{""}));
  EXPECT_TRUE(p.distributions.g2);
  EXPECT_FALSE(read({"int"}).distributions.g2);
}

TEST(ArgumentList, TwentyTypesFitTwentyOneStop) {
  std::vector<std::string> args{"md", "0", "0", "5", "Fe", "0"};
  for (int i = 0; i < 19; ++i) args.push_back("O");
  RunParameters p = read(args);
  EXPECT_EQ(p.type_count(), 20);
  EXPECT_EQ(p.types.back(), "O ");
  args.push_back("C");
  RunParameters too_many;
  std::vector<std::string> warnings;
  MaybeStop stop = read_command_line(args, too_many, warnings);
  ASSERT_TRUE(stop.has_value());
  EXPECT_EQ(stop->line, " Too many atom types: 21 given, at most 20 allowed !!!");
}

// A number that cannot be read is 0, as ever, and now also a warning that
// names the argument and the text; readable numbers warn of nothing.
TEST(ArgumentList, UnreadableNumbersAreWarnedOf) {
  std::vector<std::string> warnings;
  RunParameters p = read({"md", "1.5", "", "6,0", "Fe", "zz", "O"}, &warnings);
  EXPECT_EQ(p.cluster_radius, 0.0);
  EXPECT_EQ(p.skip_first, 0);
  EXPECT_EQ(warnings,
            (std::vector<std::string>{
                " Warning: SKIPFIRST (argument 2) \"1.5\" is not a whole number; 0 is used.",
                " Warning: SKIP (argument 3) \"\" is not a whole number; 0 is used.",
                " Warning: RMAX (argument 4) \"6,0\" is not a number; 0 is used.",
                " Warning: CHOICE (argument 6) \"zz\" is not a whole number; 0 is used."}));
  read({"--pbc", "md", "0", "-3", "1e1", "Fe12", "-4", "O"}, &warnings);
  EXPECT_TRUE(warnings.empty());
}

// Fewer than six arguments are still ignored, and the warning says so;
// none at all, or a mode that asks, warns of nothing.
TEST(ArgumentList, TooFewArgumentsAreWarnedOf) {
  std::vector<std::string> warnings;
  read({"md", "0", "0", "6.0", "Fe"}, &warnings);
  EXPECT_EQ(warnings, (std::vector<std::string>{" Warning: 5 arguments are ignored: a run takes "
                                                "six or more (kirne --help)."}));
  read({"md.xyz"}, &warnings);
  EXPECT_EQ(warnings, (std::vector<std::string>{" Warning: 1 argument is ignored: a run takes six "
                                                "or more (kirne --help)."}));
  read({}, &warnings);
  EXPECT_TRUE(warnings.empty());
  read({"int", "x"}, &warnings);
  EXPECT_TRUE(warnings.empty());
}
