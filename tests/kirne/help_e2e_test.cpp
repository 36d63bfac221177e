// kirne --help and --version, alone and among other arguments. (The
// warnings for numbers that cannot be read are in argument_run_e2e_test.)
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "kirne_e2e_support.hpp"

using namespace kirne_e2e;
using test_support::crlf;
using test_support::TempDir;

namespace {

namespace fs = std::filesystem;

bool is_empty(const TempDir& dir) { return fs::is_empty(dir.path()); }

}  // namespace

// Alone they print their text and end with 0, having written nothing.
TEST(HelpAndVersion, AloneTheyPrintAndWriteNothing) {
  TempDir dir;
  auto version = run_kirne(dir, {"--version"});
  EXPECT_EQ(version.exit_code, 0);
  EXPECT_EQ(version.out, "kirne 6.1\n");
  EXPECT_EQ(version.err, "");
  auto help = run_kirne(dir, {"--help"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_EQ(help.out.rfind("Usage: kirne [OPTIONS] NAME SKIPFIRST SKIP RMAX ABSORBER CHOICE", 0),
            0u);
  EXPECT_NE(help.out.find("\nExit codes:\n  0 "), std::string::npos);
  EXPECT_EQ(help.err, "");
  EXPECT_TRUE(is_empty(dir));
}

// A text that cannot be written is no text shown: the failure report.
TEST(HelpAndVersion, TextIntoAFullDevice) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  TempDir dir;
  auto run = test_support::run_program("/bin/sh", {"-c", "\"$0\" --help > /dev/full", KIRNE_BINARY},
                                       dir.path());
  EXPECT_EQ(run.exit_code, 217);
  EXPECT_NE(run.err.find("EInOutError: Disk Full"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find(" standard output: cannot be written"), std::string::npos) << run.err;
}

// Among other arguments they are options that stop the run before the
// banner; after the name they are types, as any word there.
TEST(HelpAndVersion, AmongOtherArguments) {
  TempDir dir;
  auto run = run_kirne(dir, {"--help", "md", "0", "0", "5", "Fe", "0"});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.out, crlf(" --help stands alone, as the only argument: kirne --help\n"));
  EXPECT_EQ(run.err, " --help stands alone, as the only argument: kirne --help\n");
  EXPECT_TRUE(is_empty(dir));
  run = run_kirne(dir, {"md", "0", "0", "5", "Fe", "0", "--version"});
  EXPECT_NE(run.out.find(crlf("Atoms types are: FE -- \n")), std::string::npos) << run.out;
}

