// The cluster file: written under a temporary name and renamed into place
// whole.
#include "common/cluster_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/atomic_file.hpp"
#include "test_support.hpp"

namespace {

namespace fs = std::filesystem;
using test_support::read_file;

// An older file of the name is gone as soon as the new one is begun, and the
// name stays absent until the new one is whole: a run stopped in between
// leaves a listed name that no reader mistakes for a cluster.
TEST(ClusterFileWriter, TheNameHoldsOnlyAWholeFile) {
  test_support::TempDir dir;
  const std::string path = (dir / "md_7.xyz").string();
  test_support::write_file(path, "# Cluster: 7. from an earlier run\r\n");
  common::ClusterFileWriter file(path, "7_2", "t=1.5 ps");
  file.add_atom(0, 0.0, 0.0, 0.0);
  EXPECT_FALSE(fs::exists(path));
  file.add_atom(2, 1.0, -0.25, 0.0);
  file.finish(2);
  EXPECT_EQ(read_file(path),
            "# Cluster: 7_2. t=1.5 ps\r\n"
            "0  0.0000000000000000E+000  0.0000000000000000E+000  0.0000000000000000E+000\r\n"
            "2  1.0000000000000000E+000 -2.5000000000000000E-001  0.0000000000000000E+000\r\n"
            "1 100 100 10\r\n"
            "2 100 100 20\r\n");
  EXPECT_FALSE(fs::exists(common::temporary_name_for(path)));
}

}  // namespace
