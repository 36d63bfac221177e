// The driver on FEFF 8.5L's real modules, on the reference inputs: copper and
// an iron oxide cluster of a molecular-dynamics run, whose chi.dat and
// xmu.dat a plain upstream build of FEFF 8.5L wrote; and a copper cluster
// with a potential that has no atom near the absorber.
#include <cmath>
#include <sstream>

#include <gtest/gtest.h>

#include "fake_modules.hpp"
#include "test_support.hpp"

namespace {

namespace fs = std::filesystem;
using feff8l_test::entries_of;
using Names = std::vector<std::string>;

const std::string kDriver = FEFF8L_EXE;
const fs::path kData = FEFF8L_TEST_DATA;

// The modules the build made, whatever the environment says.
class ReferenceRun : public ::testing::Test {
 protected:
  void SetUp() override { unsetenv("FEFF8L_MODULE_DIR"); }

  test_support::RunResult run_on(const std::string& input, const std::string& program = kDriver) {
    fs::copy_file(kData / input / "feff.inp", dir_ / "feff.inp");
    return test_support::run_program(program, {}, dir_.path());
  }
  std::string result(const std::string& name) { return test_support::read_file(dir_ / name); }
  std::string reference(const std::string& input, const std::string& name) {
    return test_support::read_file(kData / input / name);
  }

  test_support::TempDir dir_;
};

TEST_F(ReferenceRun, CopperGivesTheReferenceFilesBitForBit) {
  const auto run = run_on("cu");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(entries_of(dir_.path()), (Names{"chi.dat", "feff.inp", "xmu.dat"}));
  EXPECT_EQ(result("chi.dat"), reference("cu", "chi.dat"));
  EXPECT_EQ(result("xmu.dat"), reference("cu", "xmu.dat"));
}

// The rows of numbers of a chi.dat or xmu.dat; '#' lines are left out.
std::vector<std::vector<double>> number_rows(const std::string& text) {
  std::vector<std::vector<double>> rows;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    rows.emplace_back();
    for (double value = 0; fields >> value;) rows.back().push_back(value);
  }
  return rows;
}

// Largest difference of two tables of the same shape, relative to the largest
// magnitude of the expected value's column; infinity when the shapes differ.
double largest_relative_difference(const std::string& actual, const std::string& expected) {
  const auto got = number_rows(actual);
  const auto want = number_rows(expected);
  if (got.size() != want.size() || want.empty()) return INFINITY;
  std::vector<double> scale(want[0].size(), 0.0);
  for (const auto& row : want) {
    if (row.size() != scale.size()) return INFINITY;
    for (std::size_t c = 0; c < row.size(); ++c) scale[c] = std::max(scale[c], std::fabs(row[c]));
  }
  double largest = 0;
  for (std::size_t r = 0; r < want.size(); ++r) {
    if (got[r].size() != want[r].size()) return INFINITY;
    for (std::size_t c = 0; c < want[r].size(); ++c) {
      largest = std::max(largest, std::fabs(got[r][c] - want[r][c]) / scale[c]);
    }
  }
  return largest;
}

TEST(ReferenceComparison, MeasuresTheLargestColumnRelativeDifference) {
  EXPECT_EQ(largest_relative_difference("# h\n 1 -4\n 2 2\n", "# g\n 1 -4\n 2 2\n"), 0.0);
  EXPECT_NEAR(largest_relative_difference(" 1 -4\n 2 2.1\n", " 1 -4\n 2 2\n"), 0.025, 1e-12);
  EXPECT_EQ(largest_relative_difference(" 1 -4\n", " 1 -4\n 2 2\n"), INFINITY);
  EXPECT_EQ(largest_relative_difference(" 1 -4\n 2\n", " 1 -4\n 2 2\n"), INFINITY);
}

// Here the files come out bit for bit too. Elsewhere the maths library may
// round a last digit differently: up to 1e-5 of a column's largest value
// (about ten units of the last printed digit) is accepted.
TEST_F(ReferenceRun, IronOxideGivesTheReferenceSpectraWithinTheBound) {
  const auto run = run_on("feo_md");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.err, "");
  for (const char* name : {"chi.dat", "xmu.dat"}) {
    const std::string got = result(name);
    const std::string want = reference("feo_md", name);
    EXPECT_LE(largest_relative_difference(got, want), 1e-5) << name;
    EXPECT_EQ(std::count(got.begin(), got.end(), '#'), std::count(want.begin(), want.end(), '#'));
  }
}

TEST_F(ReferenceRun, APotentialWithNoAtomNearTheAbsorberStopsXsph) {
  const auto run = run_on("cu_far_oxygen");
  const auto names = entries_of(dir_.path());
  ASSERT_EQ(names.size(), 2u);
  const std::string kept = names[1];
  EXPECT_EQ(kept.rfind("feff8l-failed-", 0), 0u);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            " FEFF xsph failed: no phase.pad. A potential may have no atom near the absorber: "
            "\"WARNING: NO ATOMS CLOSE ENOUGH TO OVERLAP ATOM 80, UNIQUE POT 2!! Rmt set to "
            "Rnorman. May be error in input file.\"; see " + kept + "/log1.dat and " + kept +
            "/console.log\n");
  for (const char* name : {"feff.inp", "log1.dat", "log2.dat", "console.log", "failure.txt"}) {
    EXPECT_TRUE(fs::is_regular_file(dir_ / kept / name)) << name;
  }
  EXPECT_FALSE(fs::exists(dir_ / kept / "phase.pad"));
}

// The averager starts ./feff.exe in the run directory: a link made by
// --install from elsewhere, or a plain copy of the driver.
TEST_F(ReferenceRun, RunsAsFeffExeLinkedOrCopiedIntoTheRunDirectory) {
  test_support::TempDir elsewhere;
  const auto install = test_support::run_program(kDriver, {"--install", dir_.path().string()},
                                                 elsewhere.path());
  EXPECT_EQ(install.exit_code, 0);
  EXPECT_EQ(install.out, " " + (dir_ / "feff.exe").string() + " -> " +
                             fs::canonical(kDriver).string() + "\n");
  EXPECT_EQ(run_on("cu", (dir_ / "feff.exe").string()).exit_code, 0);
  EXPECT_EQ(result("chi.dat"), reference("cu", "chi.dat"));

  test_support::TempDir copy_dir;
  fs::copy_file(kDriver, copy_dir / "feff.exe");
  fs::copy_file(kData / "cu" / "feff.inp", copy_dir / "feff.inp");
  const auto copied = test_support::run_program((copy_dir / "feff.exe").string(), {},
                                                copy_dir.path());
  EXPECT_EQ(copied.exit_code, 0);
  EXPECT_EQ(test_support::read_file(copy_dir / "chi.dat"), reference("cu", "chi.dat"));
}

}  // namespace
