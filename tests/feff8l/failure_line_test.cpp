#include "feff8l/failure_line.hpp"

#include <gtest/gtest.h>

namespace {

using feff8l::failure_line;
using feff8l::FailureReason;
using feff8l::ModuleFailure;

TEST(FailureLine, NamesModuleFaultReasonAndTheLogsFromTheRunDirectory) {
  const ModuleFailure failure{"ff2x", "no chi.dat", "log6.dat",
                              FailureReason{"\"Error opening file\"", "log6.dat"}};
  EXPECT_EQ(failure_line(failure, "feff8l-failed-42", "console.log"),
            " FEFF ff2x failed: no chi.dat. \"Error opening file\"; see "
            "feff8l-failed-42/log6.dat and feff8l-failed-42/console.log");
}

TEST(FailureLine, PointsAtTheLogTheReasonCameFrom) {
  // pot's warning explains xsph's failure.
  const ModuleFailure failure{"xsph", "no phase.pad", "log2.dat",
                              FailureReason{"A potential ...", "log1.dat"}};
  EXPECT_EQ(failure_line(failure, "d", "console.log"),
            " FEFF xsph failed: no phase.pad. A potential ...; see d/log1.dat and d/console.log");
  const ModuleFailure from_console{"pot", "exit status 2", "log1.dat",
                                   FailureReason{"\"Fortran runtime error\"", "console.log"}};
  EXPECT_EQ(failure_line(from_console, "d", "console.log"),
            " FEFF pot failed: exit status 2. \"Fortran runtime error\"; see d/console.log");
}

TEST(FailureLine, WithoutReasonPointsAtTheModulesOwnLog) {
  const ModuleFailure failure{"genfmt", "killed by signal 9 (Killed)", "log5.dat", std::nullopt};
  EXPECT_EQ(failure_line(failure, "d", "console.log"),
            " FEFF genfmt failed: killed by signal 9 (Killed); see d/log5.dat and d/console.log");
}

}  // namespace
