// Reading configurations: symbols, coordinates and line rules, through the
// quick sweep and the general path alike.
#include "kirne/trajectory_reader.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/text_input.hpp"
#include "kirne/run_state.hpp"

using namespace kirne;
using common::TextInput;

namespace {

RunState& state_reading(const std::string& text) {
  static RunState state;
  state.NCL = 0;
  state.FILENAME = "md.xyz";
  state.FV = TextInput::from_string(text);
  return state;
}

Symbol symbol_of(const std::string& line) {
  TextInput input = TextInput::from_string(line);
  return read_atom_symbol(input);
}

}  // namespace

TEST(AtomSymbol, RulesOfTheLineStart) {
  EXPECT_EQ(symbol_of("17 Fe 0 0 0"), "FE");
  EXPECT_EQ(symbol_of("Fe12 0 0 0"), "FE");
  EXPECT_EQ(symbol_of("Ca2+ 0 0 0"), "CA");
  EXPECT_EQ(symbol_of("C12 0 0 0"), "C ");
  EXPECT_EQ(symbol_of("fe 0"), "FE");
  EXPECT_EQ(symbol_of("O 0"), "O ");
  EXPECT_EQ(symbol_of("\tCu\t1 2 3"), "CU");
  EXPECT_EQ(symbol_of("Cu"), "CU");
  EXPECT_EQ(symbol_of("1.0 2.0"), ". ");
}

TEST(AtomSymbol, ConsumesOneBlankAndNeverTheLineEnd) {
  TextInput blanks = TextInput::from_string("Fe   1.0");
  EXPECT_EQ(read_atom_symbol(blanks), "FE");
  EXPECT_EQ(blanks.peek_in_line(), ' ');
  TextInput bare = TextInput::from_string("Fe\n1.0");
  EXPECT_EQ(read_atom_symbol(bare), "FE");
  EXPECT_EQ(bare.peek_in_line(), -1);
}

TEST(AtomSymbolDeathTest, LineWithoutSymbolIsInvalidInput) {
  EXPECT_EXIT(symbol_of("1 2 3\nFe 0 0 0\n"), testing::ExitedWithCode(217), "Invalid input");
  EXPECT_EXIT(symbol_of(""), testing::ExitedWithCode(217), "Invalid input");
}

// The second atom's numbers run over two lines, the third holds a token
// the quick sweep leaves alone, the fourth ends the data without a line end.
TEST(ReadConfiguration, QuickAndGeneralPathsAgree) {
  RunState& s = state_reading(
      "  4 extra words\r\n"
      "a comment\r\n"
      "Fe 1.5 -2 3e1 rest of line\r\n"
      "O 1\n2 3\n"
      "Cu 1.0000000000000000001 Inf .5\n"
      "Zr 4 5 6");
  read_configuration(s);
  EXPECT_EQ(s.NCL, 1);
  EXPECT_EQ(s.NCLST, "1");
  EXPECT_EQ(s.NAT, 4);
  EXPECT_EQ(s.STCOM, "a comment");
  EXPECT_EQ(s.POT[1], "FE");
  EXPECT_EQ(s.X[1], 1.5);
  EXPECT_EQ(s.Y[1], -2.0);
  EXPECT_EQ(s.Z[1], 30.0);
  EXPECT_EQ(s.POT[2], "O ");
  EXPECT_EQ(s.Z[2], 3.0);
  EXPECT_EQ(s.POT[3], "CU");
  EXPECT_EQ(s.X[3], 1.0);
  EXPECT_TRUE(std::isinf(s.Y[3]));
  EXPECT_EQ(s.Z[3], 0.5);
  EXPECT_EQ(s.POT[4], "ZR");
  EXPECT_EQ(s.Z[4], 6.0);
  EXPECT_TRUE(trajectory_finished(s));
}

TEST(ReadConfiguration, BlankLinesBetweenAndAfterConfigurations) {
  RunState& s = state_reading("1\nfirst\nO 0 0 0\n\n\n1\n\nO 1 1 1\n\n \t\n");
  read_configuration(s);
  EXPECT_FALSE(trajectory_finished(s));
  read_configuration(s);
  EXPECT_EQ(s.NCL, 2);
  EXPECT_EQ(s.STCOM, "");
  EXPECT_EQ(s.X[1], 1.0);
  EXPECT_TRUE(trajectory_finished(s));
}

// A final count with no line after it is a configuration of its own; the
// end mark 26 ends the trajectory wherever it stands.
TEST(ReadConfiguration, EndOfDataRules) {
  RunState& s = state_reading("0");
  EXPECT_FALSE(trajectory_finished(s));
  read_configuration(s);
  EXPECT_EQ(s.NAT, 0);
  EXPECT_TRUE(trajectory_finished(s));
  RunState& marked = state_reading(
      "1\n\nO 0 0 0\n\x1a"
      "1\n\nO 0 0 0\n");
  read_configuration(marked);
  EXPECT_TRUE(trajectory_finished(marked));
}

// A missing last number is an error only when nothing at all is left: with a
// line end before the end of the data it reads as 0.0.
TEST(ReadConfigurationDeathTest, BadCountsAndNumbers) {
  RunState& short_line = state_reading("1\n\nFe 0 0\n");
  read_configuration(short_line);
  EXPECT_EQ(short_line.Z[1], 0.0);
  EXPECT_EXIT(read_configuration(state_reading("1\n\nFe 0 0")), testing::ExitedWithCode(217),
              "Invalid input");
  EXPECT_EXIT(read_configuration(state_reading("1\n\nFe 0 0 0,5\n")), testing::ExitedWithCode(217),
              "Invalid input");
  EXPECT_EXIT(read_configuration(state_reading("x\n")), testing::ExitedWithCode(217),
              "Invalid input");
  EXPECT_EXIT(read_configuration(state_reading("-1\n\n")), testing::ExitedWithCode(0), "");
}
