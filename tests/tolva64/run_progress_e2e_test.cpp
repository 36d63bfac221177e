// End-to-end runs with standard error on a terminal: the progress of the
// run shows there, in a plain run as a whole line before each FEFF run, in
// a parallel run as one line drawn while it waits and cleared before any
// other line; standard output keeps exactly its own lines.
#include <gtest/gtest.h>

#include "terminal_run.hpp"
#include "tolva64_test_run.hpp"

namespace {

using test_support::crlf;
using namespace tolva64_test;

// Three clusters, the first done already, so two are left to run.
void set_up(RunDir& dir) {
  dir.write_cluster("md_1.xyz", "0 0 0 0\n");
  dir.write("conf.dat", "md_1.xyz\nmd_1.xyz\nmd_1.xyz\n");
  dir.write("xt.001", crlf(" 2.5000000000000000E-001    0.05000\n"));
  dir.write("mu.001", crlf(" 5.0000000000000000E-001 8979.00000\n"));
  dir.plan_feff({{chi_file("0.05 0.25\n"), xmu_file("8979.0 -0.5 0.05 0.5\n")}});
}

// The console of that run without any progress.
std::string console() {
  return banner() +
         crlf(" 1 of 3 clusters has results without a record of their inputs, from an older "
              "tolva64; they are taken as they are.\n") +
         file_lines("md_1.xyz") + file_lines("md_1.xyz") + feff_lines(2, "md_1.xyz", 1) +
         file_lines("md_1.xyz") + feff_lines(3, "md_1.xyz", 2) +
         closing(true, true, " Averaged 3 clusters: 2 run now, 1 from an earlier run.");
}

// What the terminal holds with every progress line taken out, and how many
// there were. A line starts with " <n> of 2 clusters run, " and says how
// long the run took so far; in a plain run it ends with its own line end, in
// a parallel run it starts with a carriage return and ends once it is
// cleared: a carriage return, blanks, a carriage return.
struct Stripped {
  std::string rest;
  int lines = 0;
};

Stripped without_progress(const std::string& terminal, bool redrawn) {
  const std::string marker = " of 2 clusters run, ";
  Stripped stripped;
  std::size_t from = 0;
  for (std::size_t at = terminal.find(marker); at != std::string::npos;
       at = terminal.find(marker, at + 1)) {
    std::size_t start = terminal.find_last_not_of("0123456789", at - 1);
    if (start == std::string::npos || terminal[start] != ' ') continue;
    if (redrawn && (start == 0 || terminal[--start] != '\r')) continue;
    std::size_t end = terminal.find(redrawn ? '\r' : '\n', at);
    if (end == std::string::npos || terminal.find(" elapsed", at) > end) continue;
    if (redrawn) {
      end = terminal.find_first_not_of(' ', end + 1);
      if (end == std::string::npos || terminal[end] != '\r') continue;
    }
    stripped.rest += terminal.substr(from, start - from);
    from = end + 1;
    ++stripped.lines;
  }
  stripped.rest += terminal.substr(from);
  return stripped;
}

TEST(RunProgressRun, PlainRunPrintsALineOfItsOwnBeforeEachFeffRun) {
  RunDir dir;
  set_up(dir);
  TerminalRun run = run_on_terminal({}, dir.path(), true);
  EXPECT_EQ(run.exit_code, 0);
  Stripped stripped = without_progress(run.terminal, false);
  EXPECT_EQ(stripped.rest, console());
  EXPECT_EQ(stripped.lines, 2);
  // Right after each announcement, before FEFF's own line.
  for (const std::string& count : {std::string("0"), std::string("1")}) {
    const std::string before = "FEFF started for the file: md_1.xyz.\r\n " + count + " of 2";
    std::size_t at = run.terminal.find(before);
    ASSERT_NE(at, std::string::npos) << run.terminal;
    const std::string feff = "\nfake FEFF run " + std::to_string(std::stoi(count) + 1) + "\n";
    EXPECT_EQ(run.terminal.find('\n', at + before.size()), run.terminal.find(feff, at));
  }
}

TEST(RunProgressRun, StandardOutputToAFileKeepsExactlyItsLines) {
  RunDir dir;
  set_up(dir);
  TerminalRun run = run_on_terminal({}, dir.path(), false);
  EXPECT_EQ(run.out, console());
  Stripped stripped = without_progress(run.terminal, false);
  EXPECT_EQ(stripped.rest, "");
  EXPECT_EQ(stripped.lines, 2);
  EXPECT_EQ(run.terminal.substr(0, 22), " 0 of 2 clusters run, ");
}

TEST(RunProgressRun, ParallelRunClearsItsLineBeforeEveryOtherLine) {
  RunDir dir;
  set_up(dir);
  TerminalRun run = run_on_terminal({"--jobs", "1"}, dir.path(), true);
  EXPECT_EQ(run.exit_code, 0);
  // Each drawing of the line, then its clearing, with nothing between.
  Stripped stripped = without_progress(run.terminal, true);
  EXPECT_EQ(stripped.rest, console());
  EXPECT_GE(stripped.lines, 2);
}

}  // namespace
