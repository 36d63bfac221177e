// From the name given to the file opened and the base of the cluster names.
#include "kirne/file_name_resolution.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "kirne/cluster_writer.hpp"
#include "test_support.hpp"

using namespace kirne;

TEST(FileNameResolution, NameForms) {
  struct Case {
    const char* given;
    const char* base;
    const char* file;
    const char* cluster;
  };
  for (const Case& c :
       {Case{"md.xyz", "md", "md.xyz", "md_1.xyz"}, Case{"md", "md", "md.xyz", "md_1.xyz"},
        Case{"md.XYZ", "md", "md.XYZ", "md_1.xyz"},
        Case{"md.Xyz", "md.Xyz", "md.Xyz.xyz", "md.Xyz_1.xyz"},
        Case{"run.1.xyz", "run", "run.1.xyz", "run_1.xyz"}, Case{"", "", ".xyz", "_1.xyz"},
        Case{"a.xyz.bak", "a", "a.xyz.bak", "a_1.xyz"}}) {
    ResolvedName resolved = resolve_file_name(c.given);
    EXPECT_EQ(resolved.base, c.base) << c.given;
    EXPECT_EQ(resolved.file_name, c.file) << c.given;
    Frame frame;
    frame.label = "1";
    EXPECT_EQ(cluster_file_name(resolved.base, frame, Absorber{}), c.cluster) << c.given;
  }
}

// The directory part stays in the file opened and never reaches the base;
// the extension rules look at the file name alone, dots and ".xyz" in the
// directory part notwithstanding.
TEST(FileNameResolution, NamesWithADirectoryPart) {
  struct Case {
    const char* given;
    const char* base;
    const char* file;
  };
  for (const Case& c :
       {Case{"./md.xyz", "md", "./md.xyz"}, Case{"../traj/md.xyz", "md", "../traj/md.xyz"},
        Case{"../runs.v2/md", "md", "../runs.v2/md.xyz"},
        Case{"../runs.xyz/md", "md", "../runs.xyz/md.xyz"},
        Case{"/data/run.1.XYZ", "run", "/data/run.1.XYZ"},
        Case{"sub/md.Xyz", "md.Xyz", "sub/md.Xyz.xyz"},
        Case{"../dumps/cu.lammpstrj", "cu.lammpstrj", "../dumps/cu.lammpstrj"},
        Case{"a.dump/md", "md", "a.dump/md.xyz"}}) {
    ResolvedName resolved = resolve_file_name(c.given);
    EXPECT_EQ(resolved.base, c.base) << c.given;
    EXPECT_EQ(resolved.file_name, c.file) << c.given;
  }
}

// Any entry of that name will do, a directory included; none is a stop.
TEST(FileNameResolution, FindsAnyEntryOrStops) {
  test_support::TempDir dir;
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  std::filesystem::create_directory("md.xyz");
  RunParameters found;
  found.trajectory_name = "md";
  EXPECT_FALSE(find_trajectory(found).has_value());
  EXPECT_EQ(found.base_name, "md");
  EXPECT_EQ(found.trajectory_path, "md.xyz");
  RunParameters missing;
  missing.trajectory_name = "other";
  MaybeStop stop = find_trajectory(missing);
  std::filesystem::current_path(previous);
  ASSERT_TRUE(stop.has_value());
  EXPECT_EQ(stop->line, " No input data file: other.xyz");
}
