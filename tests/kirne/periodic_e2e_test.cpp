// Whole runs with periodic cells, dumps, type maps and the stops that
// come with them.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "kirne_e2e_support.hpp"

using namespace kirne_e2e;
using test_support::crlf;
using test_support::read_file;
using test_support::TempDir;
using test_support::write_file;

namespace {

struct ClusterAtom {
  int type;
  double x, y, z;
};

std::vector<ClusterAtom> read_cluster(const std::filesystem::path& path) {
  std::istringstream in(read_file(path));
  std::string header;
  std::getline(in, header);
  std::vector<ClusterAtom> atoms;
  ClusterAtom a{};
  while (in >> a.type >> a.x >> a.y >> a.z) atoms.push_back(a);
  return atoms;
}

std::string first_copper_frame() {
  std::ifstream in(MDX_COPPER_TRAJECTORY);
  std::string line, frame;
  std::getline(in, line);
  const int atoms = std::stoi(line);
  frame = line + "\n";
  for (int i = 0; i <= atoms && std::getline(in, line); ++i) frame += line + "\n";
  return frame;
}

// The expected end of a run stopped with exit code 1: the line on standard
// output and on standard error.
void expect_usage_stop(const test_support::RunResult& run, const std::string& line) {
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.err, line + "\n");
  const std::string tail = crlf(line + "\n");
  ASSERT_GE(run.out.size(), tail.size());
  EXPECT_EQ(run.out.substr(run.out.size() - tail.size()), tail);
}

}  // namespace

// The copper box is a cube from -0.084423 to 36.234423 A. With every atom an
// absorber, every one of them has its 12 nearest neighbours within 3.0 A,
// those near a face included; g(r)'s running count says the same.
TEST(PeriodicRun, EveryCopperAtomHasTwelveNeighbours) {
  TempDir dir;
  write_file(dir / "cu.xyz", first_copper_frame());
  const std::string edge = "36.318846";
  auto run =
      run_kirne(dir, {"--pbc", "--cell", edge, edge, edge, "cu", "0", "0", "3.0", "Cu", "-4000"});
  ASSERT_EQ(run.exit_code, 0) << run.err;
  for (int atom = 1; atom <= 4000; ++atom) {
    const auto cluster = read_cluster(dir / ("cu_1_" + std::to_string(atom) + ".xyz"));
    int near = 0;
    for (const ClusterAtom& a : cluster) {
      if (a.type == 1 && std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z) <= 3.0) ++near;
    }
    ASSERT_EQ(near, 12) << "absorber " << atom;
  }
  std::istringstream rows(read_file(dir / "gr_tot.txt"));
  std::string header, last;
  std::getline(rows, header);
  EXPECT_EQ(header, "# r g(r) n(r)\r");
  for (std::string row; std::getline(rows, row);) last = row;
  double r = 0, g = 0, n = 0;
  std::istringstream(last) >> r >> g >> n;
  EXPECT_EQ(r, 3.0);
  EXPECT_EQ(n, 12.0);
}

// A frame moved as a whole and wrapped back into its box gives the absorber
// the same cluster, up to rounding; without --pbc it loses atoms.
TEST(PeriodicRun, ShiftedAndWrappedFrameKeepsItsCluster) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> place(0.0, 12.0);
  std::string original = "150\n\n", moved = "150\n\n";
  for (int i = 0; i < 150; ++i) {
    const double p[3] = {place(rng), place(rng), place(rng)};
    const double shift[3] = {3.3, -5.1, 7.7};
    original += "Cu";
    moved += "Cu";
    for (int k = 0; k < 3; ++k) {
      std::ostringstream a, b;
      a.precision(17), b.precision(17);
      a << ' ' << p[k];
      b << ' ' << std::fmod(p[k] + shift[k] + 12.0, 12.0);
      original += a.str(), moved += b.str();
    }
    original += "\n", moved += "\n";
  }
  TempDir dir;
  write_file(dir / "a.xyz", original);
  write_file(dir / "b.xyz", moved);
  for (const char* name : {"a", "b"}) {
    auto run =
        run_kirne(dir, {"--pbc", "--cell", "12", "12", "12", name, "0", "0", "5.5", "Cu", "17"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
  }
  const auto a = read_cluster(dir / "a_1.xyz"), b = read_cluster(dir / "b_1.xyz");
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].type, b[i].type);
    EXPECT_NEAR(a[i].x, b[i].x, 1e-9);
    EXPECT_NEAR(a[i].y, b[i].y, 1e-9);
    EXPECT_NEAR(a[i].z, b[i].z, 1e-9);
  }
  auto plain = run_kirne(dir, {"b", "0", "0", "5.5", "Cu", "17"});
  EXPECT_LT(read_cluster(dir / "b_1.xyz").size(), a.size());
}

// A dump with numeric types opened as named; the absorber at x = 0.5 sees
// its neighbour at x = 9.5 through the face, 1 A away.
TEST(PeriodicRun, DumpWithTypeMapWritesMinimumImages) {
  TempDir dir;
  const std::string frame =
      "ITEM: TIMESTEP\n200\nITEM: NUMBER OF ATOMS\n3\nITEM: BOX BOUNDS pp pp pp\n0 10\n0 10\n"
      "0 10\nITEM: ATOMS id type x y z\n1 2 9.5 5 5\n2 1 0.5 5 5\n3 2 5 5 5\n";
  write_file(dir / "md.lammpstrj", frame);
  auto run = run_kirne(
      dir, {"--pbc", "--type-map", "1=Cu,2=O", "md.lammpstrj", "0", "0", "2", "Cu", "2", "O"});
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(read_file(dir / "conf.dat"), crlf("md.lammpstrj_1.xyz\n"));
  EXPECT_EQ(read_file(dir / "md.lammpstrj_1.xyz"),
            crlf("# Cluster: 1. Timestep: 200\n" + atom(2, MINUS_ONE, ZERO, ZERO) +
                 atom(0, ZERO, ZERO, ZERO) + "1 100 100 10\n2 100 100 20\n"));
  EXPECT_TRUE(std::filesystem::exists(dir / "gr_CU-O.txt"));
}

TEST(PeriodicRun, UnlistedTypesStopBeforeAnyCluster) {
  TempDir dir;
  write_file(dir / "sto.xyz", "5\n\nSr 0 0 0\nTi 2 2 2\nO 2 2 0\nO 2 0 2\nO 0 2 2\n");
  auto run = run_kirne(dir, {"sto", "0", "0", "4", "Ti", "0", "Sr"});
  expect_usage_stop(run,
                    " Atoms of unlisted types: O (3 atoms). List every element after the "
                    "absorber's.");
  EXPECT_EQ(read_file(dir / "conf.dat"), "");
}

TEST(PeriodicRun, CellsThatCannotServeStopWithExitCodeOne) {
  TempDir dir;
  write_file(dir / "md.xyz", "2\n\nCu 0 0 0\nCu 1 1 1\n");
  expect_usage_stop(run_kirne(dir, {"--pbc", "md", "0", "0", "4", "Cu", "0"}),
                    " With --pbc every configuration needs a cell, and configuration 1 of md.xyz "
                    "has none. Give it with --cell, or use extended XYZ (Lattice=\"...\") or a "
                    "LAMMPS dump.");
  expect_usage_stop(
      run_kirne(dir, {"--pbc", "--cell", "10", "8", "12", "md", "0", "0", "4.5", "Cu", "0"}),
      " Rmax 4.5 is more than half the smallest width of the cell of configuration 1 "
      "of md.xyz (4): an atom would be seen more than once. Choose a smaller Rmax.");
  auto unknown = run_kirne(dir, {"--pcb", "md", "0", "0", "4", "Cu", "0"});
  EXPECT_EQ(unknown.exit_code, 1);
  EXPECT_EQ(unknown.out, crlf(" Unknown option --pcb. The options are --pbc, --cell and "
                              "--type-map.\n"));
}
