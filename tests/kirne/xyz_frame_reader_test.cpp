// Reading configurations: symbols, coordinates and line rules, through the
// quick sweep and the general path alike.
#include "kirne/xyz_frame_reader.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/text_input.hpp"
#include "test_support.hpp"

using namespace kirne;
using common::TextInput;

namespace {

Symbol symbol_of(const std::string& line) {
  TextInput input = TextInput::from_string(line);
  return read_atom_symbol(input);
}

const std::string kPath = "md.xyz";

MaybeStop read_frame(TextInput& input, std::int32_t number, Frame& frame,
                     const XyzReading& reading = {&kPath}) {
  return read_xyz_frame(input, number, reading, frame);
}

// Reads configuration `number` of md.xyz; expects no stop.
void read(TextInput& input, Frame& frame, std::int32_t number = 1) {
  MaybeStop stop = read_frame(input, number, frame);
  EXPECT_FALSE(stop.has_value()) << stop->line;
}

}  // namespace

// Leading count, digits after the symbol, a charge, a tab after the symbol,
// lower case, a bare symbol at the line end.
TEST(AtomSymbol, RulesOfTheLineStart) {
  EXPECT_EQ(symbol_of("17 Fe 0 0 0"), "FE");
  EXPECT_EQ(symbol_of("Fe12 0 0 0"), "FE");
  EXPECT_EQ(symbol_of("Ca2+ 0 0 0"), "CA");
  EXPECT_EQ(symbol_of("C12 0 0 0"), "C ");
  EXPECT_EQ(symbol_of("fe 0"), "FE");
  EXPECT_EQ(symbol_of("O 0"), "O ");
  EXPECT_EQ(symbol_of("\tCu\t1 2 3"), "CU");
  EXPECT_EQ(symbol_of("Fe\t0 0 1\r\n"), "FE");
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
  TextInput input = TextInput::from_string(
      "  4 extra words\r\n"
      "a comment\r\n"
      "Fe 1.5 -2 3e1 rest of line\r\n"
      "O 1\n2 3\n"
      "Cu 1.0000000000000000001 1e-30 .5\n"
      "Zr 4 5 6");
  Frame f;
  read(input, f);
  EXPECT_EQ(f.number, 1);
  EXPECT_EQ(f.label, "1");
  EXPECT_EQ(f.atom_count(), 4);
  EXPECT_EQ(f.comment, "a comment");
  EXPECT_EQ(f.symbols, (std::vector<Symbol>{"FE", "O ", "CU", "ZR"}));
  EXPECT_EQ(f.x[0], 1.5);
  EXPECT_EQ(f.y[0], -2.0);
  EXPECT_EQ(f.z[0], 30.0);
  EXPECT_EQ(f.z[1], 3.0);
  EXPECT_EQ(f.x[2], 1.0);
  EXPECT_EQ(f.y[2], 1e-30);
  EXPECT_EQ(f.z[2], 0.5);
  EXPECT_EQ(f.z[3], 6.0);
  EXPECT_TRUE(input.only_white_space_left());
}

// A smaller configuration after a larger one leaves no atoms of the larger.
TEST(ReadConfiguration, BlankLinesBetweenAndAfterConfigurations) {
  TextInput input = TextInput::from_string("2\nfirst\nO 0 0 0\nO 2 2 2\n\n\n1\n\nO 1 1 1\n\n \t\n");
  Frame f;
  read(input, f);
  EXPECT_FALSE(input.only_white_space_left());
  read(input, f, 2);
  EXPECT_EQ(f.label, "2");
  EXPECT_EQ(f.comment, "");
  EXPECT_EQ(f.atom_count(), 1);
  EXPECT_EQ(f.symbols.size(), 1u);
  EXPECT_EQ(f.x[0], 1.0);
  EXPECT_TRUE(input.only_white_space_left());
}

// A final count with no line after it is a configuration of its own; the
// end mark 26 ends the trajectory wherever it stands.
TEST(ReadConfiguration, EndOfDataRules) {
  TextInput count_only = TextInput::from_string("0");
  EXPECT_FALSE(count_only.only_white_space_left());
  Frame f;
  read(count_only, f);
  EXPECT_EQ(f.atom_count(), 0);
  EXPECT_TRUE(count_only.only_white_space_left());
  TextInput marked = TextInput::from_string(
      "1\n\nO 0 0 0\n\x1a"
      "1\n\nO 0 0 0\n");
  read(marked, f);
  EXPECT_TRUE(marked.only_white_space_left());
}

// Test mode copies every atom line to the console and to ttt.xyz.
TEST(ReadConfiguration, AtomCopyInScientificLayout) {
  test_support::TempDir dir;
  common::TextOutput copy = common::TextOutput::create_file((dir / "ttt.xyz").string());
  TextInput input = TextInput::from_string("1\n\nO 1 -2 3\n");
  Frame f;
  ::testing::internal::CaptureStdout();
  XyzReading reading{&kPath};
  reading.atom_copy = &copy;
  EXPECT_FALSE(read_frame(input, 1, f, reading).has_value());
  common::TextOutput::standard_output().flush();
  copy.close();
  const std::string line = "O   1.0000000000E+000 -2.0000000000E+000  3.0000000000E+000\r\n";
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), line);
  EXPECT_EQ(test_support::read_file(dir / "ttt.xyz"), line);
}

// A missing last number is an error only when nothing at all is left: with a
// line end before the end of the data it reads as 0.0.
TEST(ReadConfigurationDeathTest, BadCountsAndNumbers) {
  auto read_text = [](const std::string& text) {
    TextInput input = TextInput::from_string(text);
    Frame f;
    return read_frame(input, 3, f);
  };
  TextInput short_line = TextInput::from_string("1\n\nFe 0 0\n");
  Frame f;
  read(short_line, f);
  EXPECT_EQ(f.z[0], 0.0);
  EXPECT_EXIT(read_text("1\n\nFe 0 0"), testing::ExitedWithCode(217), "Invalid input");
  EXPECT_EXIT(read_text("1\n\nFe 0 0 0,5\n"), testing::ExitedWithCode(217), "Invalid input");
  EXPECT_EXIT(read_text("x\n"), testing::ExitedWithCode(217), "Invalid input");
  MaybeStop negative = read_text("-1\n\n");
  ASSERT_TRUE(negative.has_value());
  EXPECT_EQ(negative->line,
            " Configuration 3 of md.xyz has an atom count of -1, allowed are 0 or more !!!");
  // A count far beyond the lines there are asks no memory for them.
  EXPECT_EXIT(read_text("2000000000\n\nFe 0 0 0\n"), testing::ExitedWithCode(217), "Invalid input");
}

// A coordinate that is no number or lies beyond 1e6 A stops the run at its
// atom, naming the frame, the atom, its line in the file and the line, on
// the quick sweep (1e7, 1000000.5), the general path (nan, inf, 1e150) and
// the type-map path alike; 1e6 itself is still a place.
TEST(ReadConfiguration, UnusablePositionsStopAtTheirLine) {
  auto stop_line = [](const std::string& text, const TypeMap& map = TypeMap()) {
    TextInput input = TextInput::from_string(text);
    Frame f;
    XyzReading reading{&kPath};
    reading.type_map = &map;
    MaybeStop first = read_frame(input, 1, f, reading);
    if (first) return first->line;
    MaybeStop second = read_frame(input, 2, f, reading);
    return second ? second->line : std::string("(no stop)");
  };
  const std::string frame_one = "2\nfirst\nFe 0 0 0\nO -1e6 1000000 1e6\n";
  EXPECT_EQ(stop_line(frame_one), "(no stop)");
  const std::string tail = "\": a coordinate lies beyond 1e6 A or is no number !!!";
  EXPECT_EQ(stop_line(frame_one + "2\n\nFe 0 0 1e7\nO 0 0 0\n"),
            " Configuration 2 of md.xyz, atom 1 on line 7 \"Fe 0 0 1e7" + tail);
  EXPECT_EQ(stop_line(frame_one + "\n2\r\n\r\nFe 0 0 0\r\nO 1000000.5 0 0 rest\r\n"),
            " Configuration 2 of md.xyz, atom 2 on line 9 \"O 1000000.5 0 0 rest" + tail);
  EXPECT_EQ(stop_line("3\n\nFe 0 0 0\nO nan 0 0\nO 0 0 0\n"),
            " Configuration 1 of md.xyz, atom 2 on line 4 \"O nan 0 0" + tail);
  EXPECT_EQ(stop_line("1\n\n  Fe\t-inf 0 0\n"),
            " Configuration 1 of md.xyz, atom 1 on line 3 \"  Fe\t-inf 0 0" + tail);
  EXPECT_EQ(stop_line("1\n\nFe 0 1e150 0"),
            " Configuration 1 of md.xyz, atom 1 on line 3 \"Fe 0 1e150 0" + tail);
  const TypeMap map = *TypeMap::parse("1=Cu");
  EXPECT_EQ(stop_line("2\n\n1 0 0 0\n1 0 0 NaN\n", map),
            " Configuration 1 of md.xyz, atom 2 on line 4 \"1 0 0 NaN" + tail);
}
