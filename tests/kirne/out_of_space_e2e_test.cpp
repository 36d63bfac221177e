// Runs that meet a full disk: the failure report, and every cluster file
// that conf.dat names is whole, except that the last may be absent. None
// is ever empty or short, which would make its spectrum silently wrong.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "kirne_e2e_support.hpp"

using namespace kirne_e2e;
using test_support::crlf;
using test_support::read_file;
using test_support::TempDir;
using test_support::write_file;

namespace {

namespace fs = std::filesystem;

// Configuration k holds the absorber at the origin and `oxygens(k)` oxygen
// atoms at (1, 0, 0), all within Rmax 2.
std::string trajectory(int frames, int (*oxygens)(int)) {
  std::string text;
  for (int k = 1; k <= frames; ++k) {
    text += std::to_string(oxygens(k) + 1) + "\nf\nFe 0 0 0\n";
    for (int i = 0; i < oxygens(k); ++i) text += "O 1 0 0\n";
  }
  return text;
}

std::string cluster(int k, int oxygens) {
  std::string text = "# Cluster: " + std::to_string(k) + ". f\n" + atom(0, ZERO, ZERO, ZERO);
  for (int i = 0; i < oxygens; ++i) text += atom(2, ONE, ZERO, ZERO);
  return crlf(text + "1 100 100 10\n2 100 100 20\n");
}

std::vector<std::string> lines_of(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// conf.dat lists `base`_1.xyz, _2.xyz, ... in order; every file it names is
// whole, but for the last, which is absent. Gives back how many are whole.
int expect_whole_or_last_absent(const fs::path& dir, const std::string& base, int (*oxygens)(int)) {
  const std::vector<std::string> listed = lines_of(dir / "conf.dat");
  for (std::size_t i = 0; i < listed.size(); ++i) {
    const int k = static_cast<int>(i) + 1;
    const std::string name = base + "_" + std::to_string(k) + ".xyz";
    EXPECT_EQ(listed[i], name + "\r");
    if (i + 1 < listed.size()) {
      EXPECT_EQ(read_file(dir / name), cluster(k, oxygens(k))) << name;
    } else {
      EXPECT_FALSE(fs::exists(dir / name)) << name << " is listed last and should be absent";
    }
  }
  return listed.empty() ? 0 : static_cast<int>(listed.size()) - 1;
}

int growing(int k) { return k; }
int ten(int) { return 10; }

}  // namespace

// Files may grow to 1000 bytes: cluster k takes 124 + 78 k bytes (two-digit
// k), so md_11.xyz (982) fits and md_12.xyz (1060) is the one that fails.
// Before it was written under a temporary name, md_12.xyz stayed listed and
// cut at 1000 bytes.
TEST(OutOfSpace, FileSizeLimitLeavesTheFailedClusterAbsent) {
  TempDir dir;
  write_file(dir / "md.xyz", trajectory(15, growing));
  auto run = run_kirne_with_file_limit(dir, {"md", "0", "0", "2", "Fe", "0", "O"}, 1000);
  EXPECT_EQ(run.exit_code, 217);
  EXPECT_EQ(run.err.rfind("An unhandled exception occurred at $", 0), 0u) << run.err;
  EXPECT_NE(run.err.find(".md_12.xyz.partial"), std::string::npos) << run.err;
  EXPECT_EQ(lines_of(dir / "conf.dat").size(), 12u);
  EXPECT_EQ(expect_whole_or_last_absent(dir.path(), "md", growing), 11);
}

// A real full disk: a 64 KiB tmpfs, mounted in a user and mount namespace of
// its own, takes one page of conf.dat and a page per cluster. The long base
// name makes conf.dat pass its lines on early, before the disk is full. The
// trajectory lies outside, reached by a relative path (an absolute one
// holding "test" would select test mode).
TEST(OutOfSpace, FullFileSystemLeavesTheFailedClusterAbsent) {
  const char* const unshare = "/usr/bin/unshare";
  if (!fs::exists(unshare)) GTEST_SKIP() << "no " << unshare;
  TempDir dir;
  const std::string base(200, 'm');
  write_file(dir / (base + ".xyz"), trajectory(60, ten));
  fs::create_directory(dir / "full");
  fs::create_directory(dir / "kept");
  const std::string script =
      "mount -t tmpfs -o size=64k kirne-full \"$1\" || exit 99\n"
      "touch \"$4/mounted\"\n"
      "cd \"$1\" && \"$2\" \"$3\" 0 0 2 Fe 0 O\n"
      "status=$?\n"
      "cp -r . \"$4\"\n"
      "exit $status\n";
  auto run =
      test_support::run_program(unshare,
                                {"-Urm", "/bin/sh", "-c", script, "sh", (dir / "full").string(),
                                 KIRNE_BINARY, "../" + base + ".xyz", (dir / "kept").string()},
                                dir.path());
  if (!fs::exists(dir / "kept" / "mounted")) {
    GTEST_SKIP() << "no file system can be mounted here: " << run.err;
  }
  EXPECT_EQ(run.exit_code, 217);
  EXPECT_NE(run.err.find("EInOutError: Disk Full"), std::string::npos) << run.err;
  EXPECT_GE(expect_whole_or_last_absent(dir / "kept", base, ten), 5);
}
