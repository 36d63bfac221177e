#include "feff_standin/feff_input.hpp"

#include <gtest/gtest.h>

#include "test_support.hpp"

namespace feff_standin {
namespace {

const char* kFullInput =
    " TITLE  Result for FILENAME= md_1.xyz\n"
    " EDGE      L3\n"
    " S02       0.85\n"
    " CONTROL   1 1 1 1 1 1\n"
    " RMAX      5.5\n"
    " EXAFS     14\n"
    " SIG2      0.003\n"
    " POTENTIALS\n"
    "     0  26  Fe\n"
    "     1  26  Fe\n"
    "     2   8  O\n"
    " ATOMS\n"
    "    0.00000    0.00000    0.00000     0    0.00000\n"
    "   -2.05486    0.10722   -0.06639     2  O    2.05872\n"
    "  100.00000  100.00000   10.00000     1  141.77447\n"
    "  200.00000  200.00000  200.00000     2  Dummy atom\n"
    " END\n";

TEST(FeffInput, ReadsTheCardsAndTheAtomList) {
  const FeffInput in = parse_feff_input(kFullInput);
  ASSERT_EQ(in.titles.size(), 1u);
  EXPECT_EQ(in.titles[0], "Result for FILENAME= md_1.xyz");
  EXPECT_EQ(in.edge, Edge::L3);
  EXPECT_DOUBLE_EQ(in.s02, 0.85);
  EXPECT_DOUBLE_EQ(in.rmax, 5.5);
  EXPECT_DOUBLE_EQ(in.kmax, 14.0);
  EXPECT_DOUBLE_EQ(in.sig2, 0.003);
  EXPECT_EQ(in.atomic_number, (std::map<int, int>{{0, 26}, {1, 26}, {2, 8}}));
  ASSERT_EQ(in.atoms.size(), 4u);
  EXPECT_DOUBLE_EQ(in.atoms[1].x, -2.05486);
  EXPECT_DOUBLE_EQ(in.atoms[1].y, 0.10722);
  EXPECT_DOUBLE_EQ(in.atoms[1].z, -0.06639);
  EXPECT_EQ(in.atoms[1].ipot, 2);
  EXPECT_EQ(in.atoms[1].line, 14);
  // The dummy atom keeps its potential; its words are not read.
  EXPECT_DOUBLE_EQ(in.atoms[3].z, 200.0);
  EXPECT_EQ(in.atoms[3].ipot, 2);
}

TEST(FeffInput, CrLfLineEndsReadLikeLf) {
  const FeffInput lf = parse_feff_input(kFullInput);
  const FeffInput crlf = parse_feff_input(test_support::crlf(kFullInput));
  EXPECT_EQ(crlf.titles, lf.titles);
  EXPECT_EQ(crlf.atoms.size(), lf.atoms.size());
  EXPECT_EQ(crlf.atoms[3].ipot, 2);
  EXPECT_EQ(crlf.edge, Edge::L3);
}

TEST(FeffInput, DefaultsWhenNoCardGivesAValue) {
  const FeffInput in = parse_feff_input("POTENTIALS\n0 29 Cu\nATOMS\n0 0 0 0\nEXAFS\nEND\n");
  EXPECT_EQ(in.edge, Edge::K);
  EXPECT_DOUBLE_EQ(in.s02, 1.0);
  EXPECT_DOUBLE_EQ(in.rmax, 6.0);
  EXPECT_DOUBLE_EQ(in.kmax, 20.0);
  EXPECT_DOUBLE_EQ(in.sig2, 0.0);
  EXPECT_TRUE(in.titles.empty());
}

TEST(FeffInput, CardsAreCaseInsensitiveAndUnknownOnesArePassedOver) {
  const FeffInput in = parse_feff_input(
      "* a comment line\n"
      "\tedge l2\n"
      "  Rmax 3.25\n"
      " LDOS  -30 20 0.1\n"
      " XANES\n"
      "   4 0.07 0\n"  // number line under an unknown card
      "potentials\n"
      "   * comment inside the list\n"
      " 0 29 Cu\n"
      " Print 1 0 0\n"
      " atoms\n"
      " 0 0 0 0 Cu\n"
      "   * comment inside the atoms\n"
      " 1.8 1.8 0 1 Cu\n"
      " end\n"
      "this line after the end is never read\n");
  EXPECT_EQ(in.edge, Edge::L2);
  EXPECT_DOUBLE_EQ(in.rmax, 3.25);
  EXPECT_EQ(in.atomic_number, (std::map<int, int>{{0, 29}}));
  ASSERT_EQ(in.atoms.size(), 2u);
  EXPECT_EQ(in.atoms[1].ipot, 1);
}

TEST(FeffInput, EdgesByNameOrHoleNumber) {
  const FeffInput hole = parse_feff_input(" HOLE 4 0.9\n");
  EXPECT_EQ(hole.edge, Edge::L3);
  EXPECT_DOUBLE_EQ(hole.s02, 0.9);
  EXPECT_EQ(parse_feff_input(" HOLE 2\n").edge, Edge::L1);
  Edge e = Edge::K;
  EXPECT_TRUE(parse_edge("l1", e));
  EXPECT_EQ(e, Edge::L1);
  EXPECT_TRUE(parse_edge("4", e));
  EXPECT_EQ(e, Edge::L3);
  EXPECT_TRUE(parse_edge("1", e));
  EXPECT_EQ(e, Edge::K);
  EXPECT_FALSE(parse_edge("M1", e));
  EXPECT_FALSE(parse_edge("5", e));
}

std::string error_of(const std::string& text) {
  try {
    parse_feff_input(text);
  } catch (const InputError& error) {
    return error.what();
  }
  return "no error";
}

TEST(FeffInput, BadLinesNameTheLine) {
  const std::string head = "POTENTIALS\n 0 29 Cu\nATOMS\n 0 0 0 0\n";
  EXPECT_EQ(error_of(head + " 1.0 2.0 3.0\n"),
            "feff.inp line 5: unreadable atom line (expected: x y z ipot)");
  EXPECT_EQ(error_of(head + " 1.0 2.0 abc 1\n"),
            "feff.inp line 5: unreadable atom line (expected: x y z ipot)");
  EXPECT_EQ(error_of(head + " 1.0 -nan 3.0 1\n"),
            "feff.inp line 5: unreadable atom line (expected: x y z ipot)");
  EXPECT_EQ(error_of(head + " 1.0 2.0 3.0 1.5\n"),
            "feff.inp line 5: unreadable atom line (expected: x y z ipot)");
  EXPECT_EQ(error_of(" POTENTIALS\r\n 0 Cu 29\r\n"),
            "feff.inp line 2: unreadable potential line (expected: ipot Z tag)");
  EXPECT_EQ(error_of("EDGE M1\n"), "feff.inp line 1: card EDGE needs K, L1, L2 or L3");
  EXPECT_EQ(error_of("HOLE 5 1.0\n"), "feff.inp line 1: card HOLE needs a hole number 1 to 4");
  EXPECT_EQ(error_of("TITLE x\nRMAX six\n"),
            "feff.inp line 2: card RMAX needs a number of at least 0.000000");
  EXPECT_EQ(error_of("SIG2 -0.01\n"),
            "feff.inp line 1: card SIG2 needs a number of at least 0.000000");
  EXPECT_EQ(error_of("TITLE x\nEXAFS 1e300\n"),
            "feff.inp line 2: card EXAFS allows a kmax of at most 100");
  EXPECT_EQ(error_of("EXAFS 100.01\n"), "feff.inp line 1: card EXAFS allows a kmax of at most 100");
  EXPECT_EQ(error_of("EXAFS 100\nEND\n"), "no error");
}

}  // namespace
}  // namespace feff_standin
