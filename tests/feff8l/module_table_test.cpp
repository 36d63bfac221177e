#include "feff8l/module_table.hpp"

#include <gtest/gtest.h>

#include "test_support.hpp"

namespace {

using feff8l::feff_modules;
using feff8l::first_missing_output;

// One FEFF calculation is these programs in this order; each later module
// reads what the earlier ones wrote.
TEST(ModuleTable, ListsTheSixModulesInRunOrderWithTheirLogs) {
  const std::vector<std::vector<std::string>> expected{
      {"rdinp", "feff8l_rdinp", "log.dat"},         {"pot", "feff8l_pot", "log1.dat"},
      {"xsph", "feff8l_xsph", "log2.dat"},          {"pathfinder", "feff8l_pathfinder", "log4.dat"},
      {"genfmt", "feff8l_genfmt", "log5.dat"},      {"ff2x", "feff8l_ff2x", "log6.dat"}};
  ASSERT_EQ(feff_modules().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const auto& module = feff_modules()[i];
    EXPECT_EQ(std::vector<std::string>({std::string(module.name), std::string(module.program),
                                        std::string(module.log_file)}),
              expected[i]);
  }
}

// The outputs that tell a module failed although it exited with status 0.
TEST(ModuleTable, NamesTheFirstOutputAModuleDidNotWrite) {
  test_support::TempDir dir;
  const auto& xsph = feff_modules()[2];
  const auto& genfmt = feff_modules()[4];
  const auto& ff2x = feff_modules()[5];
  EXPECT_EQ(first_missing_output(xsph, dir.path()), "phase.pad");
  test_support::write_file(dir / "phase.pad", "");
  EXPECT_EQ(first_missing_output(xsph, dir.path()), std::nullopt);

  test_support::write_file(dir / "list.dat", "");
  EXPECT_EQ(first_missing_output(genfmt, dir.path()), "feff.pad");

  // A folder of that name is no output.
  std::filesystem::create_directory(dir / "chi.dat");
  test_support::write_file(dir / "xmu.dat", "");
  EXPECT_EQ(first_missing_output(ff2x, dir.path()), "chi.dat");
}

TEST(ModuleTable, RdinpMustWriteTheSettingsOfEveryLaterModule) {
  test_support::TempDir dir;
  const auto& rdinp = feff_modules()[0];
  for (const char* name : {"pot.json", "geom.json", "atoms.json", "global.json", "xsph.json",
                           "path.json", "genfmt.json"}) {
    test_support::write_file(dir / name, "{}");
  }
  EXPECT_EQ(first_missing_output(rdinp, dir.path()), "ff2x.json");
}

}  // namespace
