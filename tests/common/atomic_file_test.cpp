// Files that appear whole or not at all.
#include "common/atomic_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.hpp"

namespace {

namespace fs = std::filesystem;
using test_support::read_file;

TEST(TemporaryName, HiddenBesideTheFinalName) {
  EXPECT_EQ(common::temporary_name_for("xt.001"), ".xt.001.partial");
  EXPECT_EQ(common::temporary_name_for("scratch/007/chi.dat"), "scratch/007/.chi.dat.partial");
  EXPECT_EQ(common::temporary_name_for("/abs/mu_tot.txt"), "/abs/.mu_tot.txt.partial");
}

TEST(AtomicFile, ReplacesTheOldFileAndLeavesNoTemporary) {
  test_support::TempDir dir;
  const std::string path = (dir / "xt_tot.txt").string();
  test_support::write_file(path, "old\n");
  common::write_file_atomically(path, [](common::TextOutput& out) { out.write("new").end_line(); });
  EXPECT_EQ(read_file(path), "new\r\n");
  EXPECT_FALSE(fs::exists(common::temporary_name_for(path)));
}

// The second file cannot be created: the run stops before any rename, so the
// first file's final name is not touched either.
TEST(AtomicFile, SeveralFilesAreRenamedOnlyOnceAllAreWritten) {
  test_support::TempDir dir;
  const std::string chi = (dir / "chi.dat").string();
  const std::string xmu = (dir / "xmu.dat").string();
  common::write_files_atomically({{chi, "1\n"}, {xmu, "2\n"}});
  EXPECT_EQ(read_file(chi) + read_file(xmu), "1\n2\n");
  const std::string lost = (dir / "missing" / "xmu.dat").string();
  EXPECT_EXIT(common::write_files_atomically({{chi, "3\n"}, {lost, "4\n"}}),
              ::testing::ExitedWithCode(217), "cannot be created");
  EXPECT_EQ(read_file(chi), "1\n");
}

}  // namespace
