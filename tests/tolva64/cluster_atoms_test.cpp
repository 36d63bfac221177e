// The atoms of a cluster file as FEFF's input needs them: the size limit and
// the move of the origin onto the absorber.
#include <gtest/gtest.h>

#include <array>

#include "test_support.hpp"
#include "tolva64/cluster_atoms.hpp"

namespace {

using test_support::TempDir;
using test_support::write_file;
using namespace tolva64;

TEST(ClusterAtoms, ReadsTheLargestClusterAndRefusesOneAtomMore) {
  TempDir dir;
  std::string atoms;
  atoms.reserve(8 * 200001);
  for (int i = 0; i < 200000; ++i) atoms += "1 0 0 0\n";
  write_file(dir / "big.xyz", "# Cluster: 1. \n" + atoms);
  ClusterAtoms read;
  EXPECT_TRUE(read_cluster_atoms((dir / "big.xyz").string(), read));
  EXPECT_EQ(read.count(), 200000u);
  write_file(dir / "big.xyz", "# Cluster: 1. \n" + atoms + "2 0 0 0\n");
  EXPECT_FALSE(read_cluster_atoms((dir / "big.xyz").string(), read));
}

PotentialMap map_of(const TempDir& dir, const std::string& text) {
  write_file(dir / "pot.dat", text);
  PotentialMap map;
  EXPECT_TRUE(read_potential_map((dir / "pot.dat").string(), map));
  return map;
}

ClusterAtoms atoms_of(std::initializer_list<std::array<double, 4>> records) {
  ClusterAtoms atoms;
  for (const auto& [type, x, y, z] : records) {
    atoms.type.push_back(type);
    atoms.x.push_back(x);
    atoms.y.push_back(y);
    atoms.z.push_back(z);
  }
  return atoms;
}

TEST(ClusterAtoms, LastAtomOfPotentialZeroBecomesTheOrigin) {
  TempDir dir;
  // Types 0 and 5 both map to potential 0; the later atom in file order wins.
  PotentialMap map = map_of(dir, " 0 0\n 5 0\n 1 1\n");
  ClusterAtoms atoms = atoms_of({{0, 1, 2, 3}, {1, 4, 6, 8}, {5, 0.5, -1, 2}});
  move_origin_to_absorber(map, atoms);
  EXPECT_EQ(atoms.x, (std::vector<double>{0.5, 3.5, 0}));
  EXPECT_EQ(atoms.y, (std::vector<double>{3, 7, 0}));
  EXPECT_EQ(atoms.z, (std::vector<double>{1, 6, 0}));
}

TEST(ClusterAtoms, WithoutAnAbsorberNothingMoves) {
  TempDir dir;
  // Type 0 maps to potential 1 here, so no atom is the absorber; a type
  // index 0.5 matches no entry.
  PotentialMap map = map_of(dir, " 0 1\n 1 0\n");
  ClusterAtoms atoms = atoms_of({{0, 1, 2, 3}, {0.5, 4, 6, 8}});
  move_origin_to_absorber(map, atoms);
  EXPECT_EQ(atoms.x, (std::vector<double>{1, 4}));
  EXPECT_EQ(atoms.z, (std::vector<double>{3, 8}));
}

}  // namespace
