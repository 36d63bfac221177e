// Potentials without an atom within FEFF's radius: RMAX of the template, the
// potentials found absent, and feff.inp's POTENTIALS card numbered anew.
#include <gtest/gtest.h>

#include "test_support.hpp"
#include "tolva64/absent_potentials.hpp"

namespace {

using test_support::TempDir;
using test_support::write_file;
using namespace tolva64;

TEST(AbsentPotentials, RadiusIsTheFirstRmaxCardInAnyCase) {
  TempDir dir;
  write_file(dir / "feff.dat", " EDGE K\r\n\trmax   3.50  extra\r\n RMAX 9\n");
  auto radius = feff_radius((dir / "feff.dat").string());
  ASSERT_TRUE(radius);
  EXPECT_EQ(radius->value, 3.5);
  EXPECT_EQ(radius->text, "3.50");
  write_file(dir / "feff.dat", " EDGE K\n RMAXX 3\n * RMAX 4\n RMAX\n");
  EXPECT_FALSE(feff_radius((dir / "feff.dat").string()));
}

TEST(AbsentPotentials, PotentialsWithoutANearAtomAreFound) {
  TempDir dir;
  // Types 3 and 4 both give potential 3; type 5 is left out (-1).
  write_file(dir / "pot.dat", " 0 0\n 1 1\n 2 2\n 3 3\n 4 3\n 5 -1\n");
  PotentialMap map;
  ASSERT_TRUE(read_potential_map((dir / "pot.dat").string(), map));
  ClusterAtoms atoms;
  auto add = [&](double type, double x) {
    atoms.type.push_back(type);
    atoms.x.push_back(x);
    atoms.y.push_back(0.0);
    atoms.z.push_back(0.0);
  };
  add(0, 0.0);
  add(1, 3.5);    // exactly at the radius: near
  add(2, 100.0);  // a placeholder
  add(4, 2.0);
  add(5, 1.0);
  EXPECT_EQ(absent_potentials(map, atoms, 3.5), std::vector<int>{2});
  EXPECT_EQ(absent_potentials(map, atoms, 3.4), (std::vector<int>{1, 2}));
  EXPECT_EQ(absent_potentials(map, atoms, 200.0), std::vector<int>{});
  EXPECT_EQ(potentials_text({2}), "potential 2");
  EXPECT_EQ(potentials_text({1, 2}), "potentials 1, 2");
}

TEST(AbsentPotentials, CardLeavesOutAbsentPotentialsAndNumbersTheRestAnew) {
  PotentialRenumbering renumbering({2, 4});
  EXPECT_EQ(renumbering.renumbered(0), 0);
  EXPECT_EQ(renumbering.renumbered(1), 1);
  EXPECT_EQ(renumbering.renumbered(2), -1);
  EXPECT_EQ(renumbering.renumbered(3), 2);
  EXPECT_EQ(renumbering.renumbered(12), 10);
  PotentialsCardEditor editor(renumbering);
  const std::vector<std::pair<std::string, std::optional<std::string>>> lines = {
      {" EDGE K", " EDGE K"},
      {"     2   8  O", "     2   8  O"},  // not in the card yet
      {" potentials", " potentials"},
      {" *  ipot  Z  tag", " *  ipot  Z  tag"},
      {"     0  26  Fe", "     0  26  Fe"},
      {"     2   8  O", std::nullopt},
      {"", ""},
      {"     3  40  Zr", "     2  40  Zr"},
      {"\t12\t29\tCu", "\t10\t29\tCu"},
      {"     4   8  O", std::nullopt},
      {" ATOMS", " ATOMS"},
      {"     3.0 0.0 0.0 2", "     3.0 0.0 0.0 2"},
  };
  for (const auto& [line, edited] : lines) EXPECT_EQ(editor.edit(line), edited) << line;
}

}  // namespace
