// Runs of the stand-in program in a fresh directory, as the averager starts
// it: no arguments, feff.inp in the current directory.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

#include "spectrum_analysis.hpp"
#include "test_support.hpp"

namespace {

namespace fs = std::filesystem;
using test_support::read_file;
using test_support::run_program;
using test_support::TempDir;
using test_support::write_file;

const fs::path kReference = fs::path(FEFF8L_DATA);
const std::string kChiHeading = "#       k          chi          mag           phase @#";
const std::string kXmuHeading = "#  omega    e    k    mu    mu0     chi     @#";

test_support::RunResult run_standin(const TempDir& dir) {
  return run_program(FEFF_STANDIN_EXE, {}, dir.path());
}

// Number of rows below the heading; each must hold at least `columns` numbers.
int data_rows(const std::string& text, const std::string& heading, int columns) {
  std::istringstream in(text.substr(text.find(heading + "\n") + heading.size() + 1));
  std::string line;
  int rows = 0;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    double value = 0.0;
    int n = 0;
    while (fields >> value) ++n;
    EXPECT_GE(n, columns) << "row " << rows + 1 << ": " << line;
    ++rows;
  }
  return rows;
}

// The names in the directory, sorted, each followed by a blank.
std::string entries_of(const TempDir& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  std::string listed;
  for (const std::string& name : names) listed += name + " ";
  return listed;
}

TEST(StandinRun, CopperMatchesTheReferenceInFrequencySignAndFirstShell) {
  TempDir dir;
  fs::copy_file(kReference / "cu" / "feff.inp", dir / "feff.inp");
  const auto result = run_standin(dir);
  ASSERT_EQ(result.exit_code, 0) << result.err;
  using namespace spectrum_analysis;
  const auto ours = read_rows_after(read_file(dir / "chi.dat"), kChiHeading);
  const auto reference = read_rows_after(read_file(kReference / "cu" / "chi.dat"), kChiHeading);
  ASSERT_EQ(ours.size(), 401u);
  ASSERT_EQ(reference.size(), 401u);
  EXPECT_GT(k2_correlation(ours, reference, 3.0, 12.0), 0.6);
  const double reference_peak = ft_peak_position(reference, 3.0, 12.0);
  EXPECT_NEAR(reference_peak, 2.23, 0.015);  // the figure quoted with the dataset
  EXPECT_NEAR(ft_peak_position(ours, 3.0, 12.0), reference_peak, 0.15);
}

TEST(StandinRun, AveragerStyleInputWithCrLfGivesBothFilesOf401Rows) {
  TempDir dir;
  fs::copy_file(kReference / "feo_md" / "feff.inp", dir / "feff.inp");
  const auto result = run_standin(dir);
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, "");
  const std::string chi = read_file(dir / "chi.dat");
  const std::string xmu = read_file(dir / "xmu.dat");
  EXPECT_EQ(data_rows(chi, kChiHeading, 2), 401);
  EXPECT_EQ(data_rows(xmu, kXmuHeading, 4), 401);
  for (const std::string* text : {&chi, &xmu}) {
    EXPECT_EQ(text->find('\r'), std::string::npos);
    EXPECT_EQ(text->substr(text->size() - 1), "\n");
    EXPECT_NE(text->substr(text->size() - 2), "\n\n");
  }
  EXPECT_NE(chi.find("\n    20.0000 "), std::string::npos);
  EXPECT_EQ(entries_of(dir), "chi.dat feff.inp xmu.dat ");  // no temporary left behind
  // The same input with LF line ends gives the same files.
  TempDir lf_dir;
  std::string text = read_file(dir / "feff.inp");
  std::erase(text, '\r');
  write_file(lf_dir / "feff.inp", text);
  ASSERT_EQ(run_standin(lf_dir).exit_code, 0);
  EXPECT_EQ(read_file(lf_dir / "chi.dat"), chi);
  EXPECT_EQ(read_file(lf_dir / "xmu.dat"), xmu);
}

const char* kFarAtoms =
    " TITLE  Result for FILENAME= far.xyz\r\n"
    " POTENTIALS\r\n"
    "     0  29  Cu\r\n"
    "     1  29  Cu\r\n"
    " ATOMS\r\n"
    "    0.00000    0.00000    0.00000     0    0.00000\r\n"
    "    1.80500    1.80500    0.00000     1    2.55266\r\n"
    "  100.00000  100.00000   10.00000     7  141.77447\r\n"
    "  700.00000  700.00000  700.00000     9  Dummy atom\r\n"
    " 2000.00000 2000.00000 2000.00000     1  Dummy atom\r\n"
    " END\r\n";

TEST(StandinRun, FarPlaceholderAndDummyAtomsAreLeftOut) {
  TempDir dir;
  write_file(dir / "feff.inp", kFarAtoms);
  const auto result = run_standin(dir);
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_NE(read_file(dir / "chi.dat").find("atoms within Rmax: 1\n"), std::string::npos);
  EXPECT_EQ(data_rows(read_file(dir / "xmu.dat"), kXmuHeading, 6), 401);
}

// The delay is a lower bound that sleeping guarantees, so the check cannot
// fail on a slow machine; it fails only when the setting is ignored.
TEST(StandinRun, DelaySettingIsHonouredAndLeavesTheSameResults) {
  TempDir plain;
  TempDir delayed;
  write_file(plain / "feff.inp", kFarAtoms);
  write_file(delayed / "feff.inp", kFarAtoms);
  ASSERT_EQ(run_standin(plain).exit_code, 0);
  ::setenv("FEFF_STANDIN_DELAY_SECONDS", "0.3", 1);
  const auto start = std::chrono::steady_clock::now();
  const auto result = run_standin(delayed);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  ::unsetenv("FEFF_STANDIN_DELAY_SECONDS");
  EXPECT_GE(took.count(), 0.3);
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(read_file(delayed / "chi.dat"), read_file(plain / "chi.dat"));
  EXPECT_EQ(read_file(delayed / "xmu.dat"), read_file(plain / "xmu.dat"));
}

void expect_refused(const std::string* input, const std::string& message) {
  TempDir dir;
  if (input != nullptr) write_file(dir / "feff.inp", *input);
  const auto result = run_standin(dir);
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.err, "feff_standin: " + message + "\n");
  EXPECT_EQ(entries_of(dir), input != nullptr ? "feff.inp " : "");
}

TEST(StandinRun, BadInputWritesNoResultAndExitsWithOne) {
  expect_refused(nullptr, "cannot open feff.inp");
  const std::string no_absorber =
      " POTENTIALS\r\n     1  29  Cu\r\n ATOMS\r\n"
      "    1.80500    1.80500    0.00000     1\r\n END\r\n";
  expect_refused(&no_absorber, "feff.inp has no atom of potential 0 (absorber)");
  const std::string bad_atom =
      " POTENTIALS\r\n     0  29  Cu\r\n ATOMS\r\n    0.00000    0.00000    0.00000     0\r\n"
      "    1.80500    1.8O500    0.00000     1\r\n END\r\n";
  expect_refused(&bad_atom, "feff.inp line 5: unreadable atom line (expected: x y z ipot)");
  const std::string no_edge = " EDGE L3\n POTENTIALS\n 0 2 He\n ATOMS\n 0 0 0 0\n END\n";
  expect_refused(&no_edge, "no L3 edge energy for Z=2 in the built-in table (Z = 1..92)");
}

}  // namespace
