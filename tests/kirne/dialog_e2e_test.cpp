// The interactive and test modes: questions, answers and diagnostics, with
// the answers fed on standard input (which is not echoed in the transcript).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kirne_e2e_support.hpp"

using namespace kirne_e2e;
using test_support::crlf;
using test_support::read_file;
using test_support::TempDir;
using test_support::write_file;

namespace {

const char* const G2_QUESTION = "Do you want to calculate RDF_G2 and PRDFs ?[y/n] ";
const char* const G3_QUESTION = "Do you want to calculate RDF_G3 and PRDFs ?[y/n] ";
const char* const G4_QUESTION = "Do you want to calculate RDF_G4 and PRDFs ?[y/n] ";
const char* const TYPE_PROMPTS = "Enter central atom type: Enter other atom types: ";
const char* const NAME_AND_RMAX = "Enter XYZ-filename without extension: Enter Rmax: ";

}  // namespace

// One configuration: the box is x 1..2, so the centre is (1.5, 2, 3), maxr
// is 0 and the iron atom lies 0.5 from the centre. The G2 answer is given
// as an empty line, then "x", then "no": the question comes three times.
TEST(Dialog, TestModeTranscriptCopyAndCluster) {
  TempDir dir;
  write_file(dir / "md.xyz", "2\nc\nFe 1 2 3\nO 2 2 3\n");
  auto run = run_kirne(dir, {"test"}, "Fe\nO\nmd\n5\n\nx\nno\nN\nn\n10\n\n\n");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.err, "");
  std::string atoms =
      "FE  1.0000000000E+000  2.0000000000E+000  3.0000000000E+000\n"
      "O   2.0000000000E+000  2.0000000000E+000  3.0000000000E+000\n";
  std::string expected =
      banner("!!! Running in the test mode !!!") + TYPE_PROMPTS + type_table(2, "FE O  ", "FE") +
      NAME_AND_RMAX + parameter_echo("md", 0, 0, " 5.0000000000000000E+000") + G2_QUESTION +
      G2_QUESTION + G2_QUESTION + G3_QUESTION + G4_QUESTION +
      " How many clusters do you want to calculate (MAX=2147483647)? \n" + atoms +
      "  Maximum distance for PRDFs maxr= 0.0000000E+000 A.\n"
      "  Central point in the cluster:  1.5000000E+000  2.0000000E+000  3.0000000E+000\n"
      "\n"
      "Central atom FE1 is located at  5.0000000E-001 angstroem from the center.\n"
      "Central atom coordinates after shift:  0.0000E+000  0.0000E+000  0.0000E+000\n"
      "TOLVA finished.\n" +
      statistics(1, 1, 1);
  EXPECT_EQ(run.out, crlf(expected));
  EXPECT_EQ(read_file(dir / "ttt.xyz"), crlf(atoms));
  EXPECT_EQ(read_file(dir / "conf.dat"), crlf("md_1.xyz\n"));
  EXPECT_EQ(read_file(dir / "md_1.xyz"),
            crlf("# Cluster: 1. c\n" + atom(0, ZERO, ZERO, ZERO) + atom(2, ONE, ZERO, ZERO) +
                 "1 100 100 10\n2 100 100 20\n"));
}

// CR LF answers; an empty central-type line asks again; no other types;
// the empty answer line to G2 is consumed alone, so "y" on the next line
// answers G2, and "n" the two others.
TEST(Dialog, InteractiveModeWithCrLfAnswers) {
  TempDir dir;
  write_file(dir / "md.xyz", "1\n\nFe 0 0 0\n");
  auto run =
      run_kirne(dir, {"point.xyz"}, "\r\n fe  Zr\r\n\r\nmd.xyz\r\n5\r\n\r\nyes\r\nn\r\nn\r\n");
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.err, " No fE atom is present in md.xyz !!!\n");
  std::string expected =
      banner("!!! Running in the interactive mode !!!") +
      "Enter central atom type: " + TYPE_PROMPTS + type_table(1, "fE ", "fE") + NAME_AND_RMAX +
      parameter_echo("md.xyz", 0, 0, " 5.0000000000000000E+000") + G2_QUESTION + G2_QUESTION +
      G3_QUESTION + G4_QUESTION + " No fE atom is present in md.xyz !!!\n";
  EXPECT_EQ(run.out, crlf(expected));
  EXPECT_EQ(read_file(dir / "conf.dat"), "");
}

// LF answers: an empty line at a yes/no question must not swallow the
// answer that follows it.
TEST(Dialog, EmptyAnswerLineKeepsTheNextAnswer) {
  TempDir dir;
  write_file(dir / "md.xyz", "1\n\nO 0 0 0\n");
  auto run = run_kirne(dir, {"int"}, "O\n\nmd\n1\n\nY\n\nn\nn\n");
  EXPECT_EQ(run.exit_code, 0);
  std::string expected = banner("!!! Running in the interactive mode !!!") + TYPE_PROMPTS +
                         type_table(1, "O  ", "O ") + NAME_AND_RMAX +
                         parameter_echo("md", 0, 0, ONE) + G2_QUESTION + G2_QUESTION + G3_QUESTION +
                         G3_QUESTION + G4_QUESTION + statistics(1, 1, 1) + SAVING_G2;
  EXPECT_EQ(run.out, crlf(expected));
  EXPECT_EQ(read_file(dir / "md_1.xyz"),
            crlf("# Cluster: 1. \n" + atom(0, ZERO, ZERO, ZERO) + "1 100 100 10\n"));
}

// The keywords count anywhere in the arguments, "test" before "int"; other
// letter cases select nothing.
TEST(Dialog, ModeKeywords) {
  const std::string test_mode = "!!! Running in the test mode !!!";
  const std::string interactive = "!!! Running in the interactive mode !!!";
  struct Case {
    std::vector<std::string> args;
    std::string mode_line;
  };
  for (const Case& c : {Case{{"latest.xyz"}, test_mode}, Case{{"point.xyz"}, interactive},
                        Case{{"INT"}, interactive}, Case{{"TEST"}, test_mode},
                        Case{{"int", "test"}, test_mode}, Case{{"Test"}, ""}, Case{{"Int"}, ""}}) {
    TempDir dir;
    std::string expected = crlf(banner(c.mode_line));
    auto run = run_kirne(dir, c.args, "");
    EXPECT_EQ(run.out.substr(0, expected.size()), expected) << c.args[0];
  }
}
