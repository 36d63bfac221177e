// Every way a run ends early: orderly stops with one line on standard output
// and standard error and exit code 1, and the failure report with status 217.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "kirne_e2e_support.hpp"

using namespace kirne_e2e;
using test_support::crlf;
using test_support::read_file;
using test_support::TempDir;
using test_support::write_file;

namespace {

const std::string ARGUMENT_HEAD = crlf(banner() + type_table(1, "FE ", "FE") +
                                       parameter_echo("md", 0, 0, " 5.0000000000000000E+000"));

test_support::RunResult run_on(const TempDir& dir, const std::string& trajectory,
                               const std::vector<std::string>& args) {
  write_file(dir / "md.xyz", trajectory);
  return run_kirne(dir, args);
}

// An orderly stop: exit code 1 and its line last on both streams, after
// the warnings (if any) on standard error.
void expect_stop(const test_support::RunResult& run, const std::string& line,
                 const std::string& warnings = "") {
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.err, warnings + line + "\n");
  const std::string tail = crlf(line + "\n");
  ASSERT_GE(run.out.size(), tail.size()) << run.out;
  EXPECT_EQ(run.out.substr(run.out.size() - tail.size()), tail);
}

void expect_failure_report(const test_support::RunResult& run, const std::string& message) {
  EXPECT_EQ(run.exit_code, 217);
  EXPECT_EQ(run.err.rfind("An unhandled exception occurred at $", 0), 0u) << run.err;
  EXPECT_NE(run.err.find("\n" + message + "\n"), std::string::npos) << run.err;
}

}  // namespace

TEST(Stops, NoArgumentsLooksForDotXyz) {
  TempDir dir;
  auto run = run_kirne(dir, {});
  expect_stop(run, " No input data file: .xyz");
  EXPECT_EQ(run.out, crlf(banner() + type_table(1, " ", "") +
                          parameter_echo("", 0, 0, " 8.0000000000000000E+000") +
                          " No input data file: .xyz\n"));
  EXPECT_EQ(read_file(dir / "conf.dat"), "");
  auto five = run_kirne(dir, {"md", "1", "2", "3", "Fe"});
  EXPECT_EQ(five.out, run.out);
  expect_stop(five, " No input data file: .xyz",
              " Warning: 5 arguments are ignored: a run takes six or more (kirne --help).\n");
}

// A name with a directory part is looked for there, and the line names it.
TEST(Stops, NoTrajectoryAtTheGivenPath) {
  TempDir dir;
  auto run = run_kirne(dir, {"../nowhere.v2/md", "0", "0", "5", "Fe", "0"});
  expect_stop(run, " No input data file: ../nowhere.v2/md.xyz");
  EXPECT_EQ(read_file(dir / "conf.dat"), "");
}

TEST(Stops, NoAtomOfTheAbsorberType) {
  TempDir dir;
  auto run = run_on(dir, "1\n\nO 0 0 0\n", {"md", "0", "0", "5", "Fe", "0"});
  expect_stop(run, " No FE atom is present in md.xyz !!!");
  EXPECT_EQ(run.out, ARGUMENT_HEAD + crlf(" No FE atom is present in md.xyz !!!\n"));
  EXPECT_EQ(read_file(dir / "conf.dat"), "");
}

// The copy of the atom lines is complete at this stop too.
TEST(Stops, TestModeStopKeepsTheAtomCopy) {
  TempDir dir;
  write_file(dir / "md.xyz", "1\n\nO 0 0 0\n");
  auto run = run_kirne(dir, {"test"}, "Zr\n\nmd\n5\nn\nn\nn\n10\n\n");
  expect_stop(run, " No ZR atom is present in md.xyz !!!");
  EXPECT_EQ(read_file(dir / "ttt.xyz"),
            crlf("O   0.0000000000E+000  0.0000000000E+000  0.0000000000E+000\n"));
  std::string tail = crlf(" No ZR atom is present in md.xyz !!!\n");
  EXPECT_EQ(run.out.substr(run.out.size() - tail.size()), tail);
}

TEST(Stops, TooManyTypesBeforeAnythingIsWritten) {
  TempDir dir;
  std::vector<std::string> args{"md", "0", "0", "5", "Fe", "0"};
  for (int i = 0; i < 20; ++i) args.push_back("O");
  auto run = run_kirne(dir, args);
  expect_stop(run, " Too many atom types: 21 given, at most 20 allowed !!!");
  EXPECT_EQ(run.out, crlf(" Too many atom types: 21 given, at most 20 allowed !!!\n"));
  EXPECT_FALSE(std::filesystem::exists(dir / "conf.dat"));

  std::string others;
  for (int i = 0; i < 20; ++i) others += "O ";
  auto asked = run_kirne(dir, {"int"}, "Fe\n" + others + "\n");
  EXPECT_EQ(asked.out, crlf(banner("!!! Running in the interactive mode !!!") +
                            "Enter central atom type: Enter other atom types: " +
                            " Too many atom types: 21 given, at most 20 allowed !!!\n"));
  expect_stop(asked, " Too many atom types: 21 given, at most 20 allowed !!!");
}

TEST(Stops, StandardInputEndsWhileAQuestionWaits) {
  TempDir dir;
  const std::string head = banner("!!! Running in the interactive mode !!!");
  const std::string ended = "\n Standard input has ended while a question was waiting !!!\n";
  auto run = run_kirne(dir, {"int"}, "");
  expect_stop(run, " Standard input has ended while a question was waiting !!!");
  EXPECT_EQ(run.out, crlf(head + "Enter central atom type: " + ended));
  run = run_kirne(dir, {"int"}, "Fe\n\nmd\n5\n");
  expect_stop(run, " Standard input has ended while a question was waiting !!!");
  EXPECT_EQ(run.out,
            crlf(head + "Enter central atom type: Enter other atom types: " +
                 type_table(1, "FE ", "FE") + "Enter XYZ-filename without extension: Enter Rmax: " +
                 parameter_echo("md", 0, 0, " 5.0000000000000000E+000") +
                 "Do you want to calculate RDF_G2 and PRDFs ?[y/n] " + ended));
}

TEST(Stops, AtomCountsAndAtomNumbersOutsideTheConfiguration) {
  TempDir dir;
  auto run = run_on(dir, "-3\n\n", {"md", "0", "0", "5", "Fe", "0"});
  EXPECT_EQ(run.out, ARGUMENT_HEAD + crlf(" Configuration 1 of md.xyz has an atom count of "
                                          "-3, allowed are 0 or more !!!\n"));
  expect_stop(run, " Configuration 1 of md.xyz has an atom count of -3, allowed are 0 or more !!!");
  run = run_on(dir, "2\n\nFe 0 0 0\nFe 1 0 0\n", {"md", "0", "0", "5", "Fe", "9"});
  EXPECT_EQ(run.out, ARGUMENT_HEAD + crlf(" Atom 9 is not present in configuration 1 of md.xyz, "
                                          "which has 2 atoms !!!\n"));
  EXPECT_EQ(run.exit_code, 1);
  run = run_on(dir, "2\n\nFe 0 0 0\nFe 1 0 0\n", {"md", "0", "0", "5", "Fe", "-5"});
  EXPECT_EQ(run.out, ARGUMENT_HEAD + crlf(" Absorbers are looked for among atoms 1 to 5, but "
                                          "configuration 1 of md.xyz has 2 atoms !!!\n"));
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(read_file(dir / "conf.dat"), "");
  run = run_on(dir, "2\n\nFe 0 0 0\nFe 1 0 0\n1\n\nFe 0 0 0\n", {"md", "0", "0", "5", "Fe", "2"});
  EXPECT_EQ(run.out, ARGUMENT_HEAD + crlf(" Absorber atom 2 is not present in configuration 2 "
                                          "of md.xyz, which has 1 atoms !!!\n"));
  expect_stop(run,
              " Absorber atom 2 is not present in configuration 2 of md.xyz, which has 1 "
              "atoms !!!");
  EXPECT_EQ(read_file(dir / "conf.dat"), crlf("md_1.xyz\n"));
}

TEST(Stops, MalformedTrajectoriesGetTheFailureReport) {
  const std::vector<std::string> args{"md", "0", "0", "5", "Fe", "0"};
  for (const char* trajectory :
       {"1\n\nFe 1.0D0 0 0\n", "2\n\nFe 0 0 0\n", "1\n\n1 2 3\n", "1\n\nFe 0 0 0\nx\n", "1.5\n"}) {
    TempDir dir;
    expect_failure_report(run_on(dir, trajectory, args), "EInOutError: Invalid input");
  }
  TempDir dir;
  auto run = run_on(dir, "1\n\nFe 0 0 0\n1\n\nFe 0 0 abc\n", args);
  expect_failure_report(run, "EInOutError: Invalid input");
  EXPECT_EQ(read_file(dir / "conf.dat"), crlf("md_1.xyz\n"));
  EXPECT_TRUE(std::filesystem::exists(dir / "md_1.xyz"));
}

// An Rmax answer that is no number is a failed read: the report, before
// the echo and before conf.dat exists.
TEST(Stops, RmaxAnswerThatIsNoNumber) {
  TempDir dir;
  auto run = run_kirne(dir, {"int"}, "Fe\n\nmd\nabc\n");
  expect_failure_report(run, "EInOutError: Invalid input");
  EXPECT_EQ(run.out,
            crlf(banner("!!! Running in the interactive mode !!!") +
                 "Enter central atom type: Enter other atom types: " + type_table(1, "FE ", "FE") +
                 "Enter XYZ-filename without extension: Enter Rmax: "));
  EXPECT_FALSE(std::filesystem::exists(dir / "conf.dat"));
}

TEST(Stops, TrajectoryThatIsADirectory) {
  TempDir dir;
  std::filesystem::create_directory(dir / "md.xyz");
  auto run = run_kirne(dir, {"md", "0", "0", "5", "Fe", "0"});
  EXPECT_EQ(run.exit_code, 217);
  EXPECT_EQ(run.err.rfind("An unhandled exception occurred at $", 0), 0u) << run.err;
}
