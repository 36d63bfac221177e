#include "feff8l/module_directory.hpp"

#include <gtest/gtest.h>

#include "test_support.hpp"

namespace {

namespace fs = std::filesystem;
using feff8l::choose_module_directory;
using feff8l::holds_feff_modules;

// Stands for folders on disk: only those named here hold the modules.
struct Holding {
  std::vector<fs::path> folders;
  bool operator()(const fs::path& folder) const {
    return std::find(folders.begin(), folders.end(), folder) != folders.end();
  }
};

TEST(ModuleDirectory, TheVariableWinsAndIsNeverSecondGuessed) {
  const Holding all{{"/env", "/own", "/built"}};
  EXPECT_EQ(choose_module_directory("/env", "/own", "/built", all).directory, "/env");
  const auto wrong = choose_module_directory("/nowhere", "/own", "/built", all);
  EXPECT_FALSE(wrong.directory);
  EXPECT_EQ(wrong.problem, "FEFF8L_MODULE_DIR=/nowhere does not hold the FEFF modules");
  // Set but empty counts as unset.
  EXPECT_EQ(choose_module_directory("", "/own", "/built", all).directory, "/own");
}

TEST(ModuleDirectory, ElseBesideTheDriverThenWhereTheBuildPutThem) {
  EXPECT_EQ(choose_module_directory(nullptr, "/own", "/built", Holding{{"/own", "/built"}})
                .directory,
            "/own");
  // A driver copied into a run directory as feff.exe has no modules beside it.
  EXPECT_EQ(choose_module_directory(nullptr, "/run", "/built", Holding{{"/built"}}).directory,
            "/built");
  const auto none = choose_module_directory(nullptr, "/run", "/built", Holding{});
  EXPECT_FALSE(none.directory);
  EXPECT_EQ(none.problem,
            "the FEFF modules are neither beside this program nor in /built; set "
            "FEFF8L_MODULE_DIR");
}

TEST(ModuleDirectory, HoldsTheModulesWhenAllSixCanBeRun) {
  test_support::TempDir dir;
  const std::vector<std::string> programs{"feff8l_rdinp", "feff8l_pot", "feff8l_xsph",
                                          "feff8l_pathfinder", "feff8l_genfmt", "feff8l_ff2x"};
  for (const auto& program : programs) {
    test_support::write_file(dir / program, "#!/bin/sh\n");
    fs::permissions(dir / program, fs::perms::owner_all);
  }
  EXPECT_TRUE(holds_feff_modules(dir.path()));
  fs::permissions(dir / "feff8l_genfmt", fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_FALSE(holds_feff_modules(dir.path()));
  fs::permissions(dir / "feff8l_genfmt", fs::perms::owner_all);
  fs::remove(dir / "feff8l_ff2x");
  EXPECT_FALSE(holds_feff_modules(dir.path()));
}

}  // namespace
