// The feff.inp composed from a cluster file and the potential map: the atom
// and dummy-atom lines, the origin on the absorber, and the marks of a run.
#include <gtest/gtest.h>

#include "test_support.hpp"
#include "tolva64/feff_input.hpp"

namespace {

using test_support::crlf;
using test_support::read_file;
using test_support::TempDir;
using test_support::write_file;
using namespace tolva64;

TEST(FeffInputLines, FieldsAreFixedWidthAndWideValuesShiftTheRest) {
  EXPECT_EQ(atom_line(-3.14159265, 0.05, 20.0, 2, 0.999996),
            "   -3.14159    0.05000   20.00000     2    1.00000");
  EXPECT_EQ(atom_line(12345.678, 0.0, -0.000001, 123456, 12345.678),
            " 12345.67800    0.00000   -0.00000 123456 12345.67800");
  EXPECT_EQ(dummy_atom_line(2), "  200.00000  200.00000  200.00000     2  Dummy atom");
  EXPECT_EQ(dummy_atom_line(-1), " -100.00000 -100.00000 -100.00000    -1  Dummy atom");
}

class ComposeFeffInput : public ::testing::Test {
 protected:
  // Composes feff.inp from a cluster file with the given atom lines and
  // returns it with the title line and the template removed.
  std::string atom_part(const std::string& atom_lines) {
    write_file(dir_ / "md_1.xyz", "# Cluster: 1. t=0\r\n" + atom_lines);
    std::string cluster = (dir_ / "md_1.xyz").string();
    compose(cluster, template_path());
    std::string head = crlf(" TITLE  Result for FILENAME= " + cluster + "\n EDGE K\n ATOMS\n");
    std::string text = read_file(dir_ / "feff.inp");
    EXPECT_EQ(text.substr(0, head.size()), head);
    return text.substr(std::min(head.size(), text.size()));
  }
  void use_map(const std::string& text) {
    write_file(dir_ / "pot.dat", text);
    read_potential_map((dir_ / "pot.dat").string(), map_);
  }
  // Reads and moves the cluster's atoms, then composes feff.inp.
  void compose(const std::string& cluster, const std::string& template_file,
               const PotentialRenumbering& renumbering = PotentialRenumbering()) {
    ASSERT_TRUE(read_cluster_atoms(cluster, atoms_));
    move_origin_to_absorber(map_, atoms_);
    compose_feff_input(cluster, template_file, (dir_ / "feff.inp").string(), atoms_, renumbering,
                       map_);
  }
  std::string template_path() {
    write_file(dir_ / "feff.dat", " EDGE K\n ATOMS");
    return (dir_ / "feff.dat").string();
  }

  TempDir dir_;
  PotentialMap map_;
  ClusterAtoms atoms_;
};

TEST_F(ComposeFeffInput, ClusterOfTwoTypesGivesEveryAtomAndNoDummies) {
  use_map(" 0 0\n 1 1\n 2 2\n");
  std::string atoms = "1  1.5 2 6\n0 0 0 0\n2 -2.5 0 0\n1 100 100 10\n2 100 100 20\n";
  EXPECT_EQ(atom_part(crlf(atoms)),
            crlf("    1.50000    2.00000    6.00000     1    6.50000\n"
                 "    0.00000    0.00000    0.00000     0    0.00000\n"
                 "   -2.50000    0.00000    0.00000     2    2.50000\n"
                 "  100.00000  100.00000   10.00000     1  141.77447\n"
                 "  100.00000  100.00000   20.00000     2  142.82857\n"
                 " END\n"));
}

TEST_F(ComposeFeffInput, LastAbsorberBecomesTheOriginAndUnmappedAtomsAreLeftOut) {
  // Types 0 and 5 both map to potential 0: the later atom (type 0) is the
  // origin. Type 3 maps to -1 and type 7 has no entry: no lines, but type 3's
  // entry counts as met. Type 8 never occurs: its dummy-atom line follows.
  use_map(" 0 0\n 5 0\n 1 1\n 3 -1\n 8 2\n");
  EXPECT_EQ(atom_part("5 2.5 4 9\n1 1 2 5\n0 1 2 3\n3 0 0 0\n7 0 0 0\n1 100 100 10\n"),
            crlf("    1.50000    2.00000    6.00000     0    6.50000\n"
                 "    0.00000    0.00000    2.00000     1    2.00000\n"
                 "    0.00000    0.00000    0.00000     0    0.00000\n"
                 "   99.00000   98.00000    7.00000     1  139.47760\n"
                 "  200.00000  200.00000  200.00000     2  Dummy atom\n"
                 " END\n"));
  EXPECT_EQ(map_.unmet_mark[4], -1);
}

TEST_F(ComposeFeffInput, LastEntryOfATypeGivesThePotentialAndEveryEntryIsMet) {
  // Type 1 has two entries: the second, potential 2, decides; the first is
  // met all the same and gets no dummy-atom line.
  use_map(" 0 0\n 1 1\n 1 2\n 2 3\n");
  EXPECT_EQ(atom_part("0 0 0 0\n1 1.5 0 0\n"),
            crlf("    0.00000    0.00000    0.00000     0    0.00000\n"
                 "    1.50000    0.00000    0.00000     2    1.50000\n"
                 "  300.00000  300.00000  300.00000     3  Dummy atom\n"
                 " END\n"));
  EXPECT_EQ(map_.unmet_mark[2], -1);
  EXPECT_EQ(map_.unmet_mark[3], -1);
}

TEST_F(ComposeFeffInput, MetEntriesStayMetForTheRestOfTheRun) {
  use_map(" 1 1\n 8 2\n");
  const std::string dummies = crlf("  100.00000  100.00000  100.00000     1  Dummy atom\n"
                                   "  200.00000  200.00000  200.00000     2  Dummy atom\n"
                                   " END\n");
  EXPECT_EQ(atom_part(""), dummies);  // a cluster of its header line only
  EXPECT_EQ(atom_part(""), dummies);
  EXPECT_EQ(atom_part("8 0 0 1\n"),
            crlf("    0.00000    0.00000    1.00000     2    1.00000\n"
                 "  100.00000  100.00000  100.00000     1  Dummy atom\n END\n"));
  EXPECT_EQ(atom_part(""), crlf("  100.00000  100.00000  100.00000     1  Dummy atom\n END\n"));
}

TEST_F(ComposeFeffInput, ShortAtomLineTakesItsZFromTheNextLine) {
  use_map(" 0 0\n 1 1\n");
  // The absorber's line is lost, so its entry gets a dummy-atom line; a type
  // index 1.0 matches entry 1.
  EXPECT_EQ(atom_part("1.0 3 4\n0 0 0 0\n1 0 0 1 extra words\n"),
            crlf("    3.00000    4.00000    0.00000     1    5.00000\n"
                 "    0.00000    0.00000    1.00000     1    1.00000\n"
                 "    0.00000    0.00000    0.00000     0  Dummy atom\n END\n"));
  EXPECT_EQ(atoms_.count(), 2u);
}

TEST_F(ComposeFeffInput, EmptyMapLeavesOutEveryAtom) {
  use_map("0 0\n1 1\n");
  EXPECT_EQ(atom_part("0 0 0 0\n1 1 1 1\n"), crlf(" END\n"));
}

TEST_F(ComposeFeffInput, EmptyTemplatePutsAtomsRightAfterTheTitle) {
  use_map(" 0 0\n");
  write_file(dir_ / "md_1.xyz", "# Cluster: 1. \n0 0 0 0\n");
  write_file(dir_ / "empty.dat", "");
  std::string cluster = (dir_ / "md_1.xyz").string();
  compose(cluster, (dir_ / "empty.dat").string());
  EXPECT_EQ(read_file(dir_ / "feff.inp"),
            crlf(" TITLE  Result for FILENAME= " + cluster + "\n"
                 "    0.00000    0.00000    0.00000     0    0.00000\n END\n"));
}

}  // namespace
