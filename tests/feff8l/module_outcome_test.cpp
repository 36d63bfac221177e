#include "feff8l/module_outcome.hpp"

#include <signal.h>

#include <cerrno>

#include <gtest/gtest.h>

#include "test_support.hpp"

namespace {

using namespace feff8l;

TEST(ModuleOutcome, HowTheModuleEndedComesBeforeItsOutputs) {
  test_support::TempDir scratch;  // pot wrote no pot.pad in any of these
  const FeffModule& pot = feff_modules()[1];
  const std::string program = "/m/feff8l_pot";
  EXPECT_EQ(module_fault(pot, program, {ModuleEndKind::NotStarted, ENOENT}, scratch.path()),
            "cannot start /m/feff8l_pot (No such file or directory)");
  EXPECT_EQ(module_fault(pot, program, {ModuleEndKind::Killed, SIGSEGV}, scratch.path()),
            "killed by signal 11 (Segmentation fault)");
  EXPECT_EQ(module_fault(pot, program, {ModuleEndKind::Exited, 2}, scratch.path()),
            "exit status 2");
  EXPECT_EQ(module_fault(pot, program, {ModuleEndKind::Exited, 0}, scratch.path()),
            "no pot.pad");
  test_support::write_file(scratch / "pot.pad", "");
  EXPECT_EQ(module_fault(pot, program, {ModuleEndKind::Exited, 0}, scratch.path()),
            std::nullopt);
  EXPECT_EQ(module_fault(pot, program, {ModuleEndKind::Stopped, SIGTERM}, scratch.path()),
            std::nullopt);
}

TEST(ModuleOutcome, ReadsOnlyTheFailedModulesPartOfTheConsoleLog) {
  test_support::TempDir scratch;
  test_support::write_file(scratch / "log4.dat",
                           " Preparing plane wave scattering amplitudes...\n");
  const std::string before = "Fortran runtime error: of an earlier module\n";
  test_support::write_file(scratch / "console.log",
                           before + "STOP cannot find phase.pad in rdxsph\n");
  const ModuleFailure failure = describe_failure(3, "no paths.dat", scratch.path(), before.size());
  EXPECT_EQ(failure.module, "pathfinder");
  EXPECT_EQ(failure.what, "no paths.dat");
  EXPECT_EQ(failure.log_file, "log4.dat");
  ASSERT_TRUE(failure.reason);
  EXPECT_EQ(failure.reason->text, "\"STOP cannot find phase.pad in rdxsph\"");
  EXPECT_EQ(failure.reason->file, "console.log");
}

TEST(ModuleOutcome, ReadsTheLogsOfTheEarlierModules) {
  test_support::TempDir scratch;
  test_support::write_file(scratch / "log1.dat",
                           " WARNING: NO ATOMS CLOSE ENOUGH TO OVERLAP ATOM 9, UNIQUE POT 2!!\n");
  test_support::write_file(scratch / "log2.dat", " Calculating cross-section and phases...\n");
  const ModuleFailure failure = describe_failure(2, "no phase.pad", scratch.path(), 0);
  ASSERT_TRUE(failure.reason);
  EXPECT_EQ(failure.reason->file, "log1.dat");
  // A module that is not run yet is not looked at.
  EXPECT_FALSE(describe_failure(0, "no pot.json", scratch.path(), 0).reason);
}

}  // namespace
