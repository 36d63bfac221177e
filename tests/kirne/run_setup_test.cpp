// Run mode, argument list, type form and file-name resolution.
#include "kirne/run_setup.hpp"

#include <gtest/gtest.h>

#include "kirne/file_name_resolution.hpp"

using namespace kirne;

TEST(TypeForm, KeepsTwoCharactersSecondInUpperCase) {
  EXPECT_EQ(type_form("Fe"), "FE");
  EXPECT_EQ(type_form("FE"), "FE");
  EXPECT_EQ(type_form("Fe2"), "FE");
  EXPECT_EQ(type_form("O"), "O ");
  EXPECT_EQ(type_form("fe"), "fE");
  EXPECT_EQ(type_form("c1"), "c1");
  EXPECT_EQ(type_form(""), "");
}

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
  RunState state;
  read_argument_list(state, {"md", "2", "3", "6.5", "Fe", "-4", "O"});
  EXPECT_EQ(state.NAMEINP, "md");
  EXPECT_EQ(state.SKIPFIRST, 2);
  EXPECT_EQ(state.SKIP, 3);
  EXPECT_EQ(state.RMAX_FROM_ABSORBER, 6.5);
  EXPECT_EQ(state.NPOT, 2);
  EXPECT_EQ(state.POTN[1], "FE");
  EXPECT_EQ(state.POTN[2], "O ");
  EXPECT_EQ(state.CENTATOM, "FE");
  EXPECT_EQ(state.NICENTATOM, 4);
  EXPECT_EQ(state.ICENTATOM, 0);
}

TEST(ArgumentList, AbsorberChoiceAndUnreadableNumbers) {
  RunState zero;
  read_argument_list(zero, {"md", "x", "1.5", "abc", "Fe", "0"});
  EXPECT_EQ(zero.SKIPFIRST, 0);
  EXPECT_EQ(zero.SKIP, 0);
  EXPECT_EQ(zero.RMAX_FROM_ABSORBER, 0.0);
  EXPECT_EQ(zero.ICENTATOM, 0);
  EXPECT_EQ(zero.NICENTATOM, 1);
  RunState minus_one;
  read_argument_list(minus_one, {"md", "0", "0", "1e1", "Fe", "-1"});
  EXPECT_EQ(minus_one.RMAX_FROM_ABSORBER, 10.0);
  EXPECT_EQ(minus_one.ICENTATOM, 0);
  EXPECT_EQ(minus_one.NICENTATOM, 1);
  RunState seven;
  read_argument_list(seven, {"md", "0", "0", "5", "Fe", "7"});
  EXPECT_EQ(seven.ICENTATOM, 7);
  EXPECT_EQ(seven.NICENTATOM, 1);
  RunState lowest;
  read_argument_list(lowest, {"md", "0", "0", "5", "Fe", "-2147483648"});
  EXPECT_EQ(lowest.NICENTATOM, 2147483647);
}

TEST(ArgumentList, FewerThanSixAreIgnored) {
  RunState state;
  read_argument_list(state, {"md", "1", "2", "3", "Fe"});
  EXPECT_EQ(state.NAMEINP, "");
  EXPECT_EQ(state.SKIPFIRST, 0);
  EXPECT_EQ(state.RMAX_FROM_ABSORBER, 8.0);
  EXPECT_EQ(state.NPOT, 1);
  EXPECT_EQ(state.POTN[1], "");
}

TEST(ArgumentList, TwentyTypesFitTwentyOneStop) {
  std::vector<std::string> args{"md", "0", "0", "5", "Fe", "0"};
  for (int i = 0; i < 19; ++i) args.push_back("O");
  RunState state;
  read_argument_list(state, args);
  EXPECT_EQ(state.NPOT, 20);
  EXPECT_EQ(state.POTN[20], "O ");
  args.push_back("C");
  EXPECT_EXIT(read_argument_list(state, args), testing::ExitedWithCode(0), "");
}

TEST(FileNameResolution, NameForms) {
  struct Case {
    const char* given;
    const char* base;
    const char* file;
  };
  for (const Case& c :
       {Case{"md.xyz", "md", "md.xyz"}, Case{"md", "md", "md.xyz"}, Case{"md.XYZ", "md", "md.XYZ"},
        Case{"md.Xyz", "md.Xyz", "md.Xyz.xyz"}, Case{"run.1.xyz", "run", "run.1.xyz"},
        Case{"", "", ".xyz"}, Case{"a.xyz.bak", "a", "a.xyz.bak"}}) {
    ResolvedName resolved = resolve_file_name(c.given);
    EXPECT_EQ(resolved.base, c.base) << c.given;
    EXPECT_EQ(resolved.file_name, c.file) << c.given;
  }
}
