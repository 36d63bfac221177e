// End-to-end runs with a potential that no atom carries near the absorber:
// the warning before FEFF runs, FEFF 8.5L's silent failure reported and kept
// out of the averages, and --drop-absent-potentials, which lets it run.
#include <gtest/gtest.h>

#include "tolva64_test_run.hpp"

namespace {

using test_support::crlf;
using namespace tolva64_test;

const std::string kChiRow = "0.05 0.012345\n";
const std::string kXmuRow = "8979.0 -0.5 0.05 0.123 0.118 0.04\n";

// good.xyz has an oxygen (potential 2) at 2 A; lacking.xyz has only its
// placeholder, 141 A away, beyond RMAX 3.5.
void set_up(RunDir& dir) {
  dir.write("feff.dat", " EDGE K\n RMAX 3.5\n POTENTIALS\n     0  26  Fe\n     1  26  Fe\n"
                        "     2   8  O\n ATOMS\n");
  dir.write_cluster("good.xyz", "0 0 0 0\n1 2 0 0\n2 0 2 0\n");
  dir.write_cluster("lacking.xyz", "0 0 0 0\n1 2 0 0\n");
  dir.write("conf.dat", "good.xyz\nlacking.xyz\n");
  dir.plan_feff_runs({{chi_file(kChiRow), xmu_file(kXmuRow), 0, true}});
}

TEST(AbsentPotentialsRun, ClusterIsNamedBeforeFeffAndItsSilentFailureAfter) {
  RunDir dir;
  set_up(dir);
  auto result = dir.run();
  EXPECT_EQ(result.exit_code, 3);
  const std::string warning =
      " Warning: lacking.xyz: no atom of potential 2 within RMAX 3.5 of the absorber; FEFF 8.5L "
      "fails on such a cluster (--drop-absent-potentials leaves them out).\n";
  const std::string failure =
      " Cluster   2, lacking.xyz: no FEFF result: FEFF wrote neither chi.dat nor xmu.dat.\n";
  const std::string summary = " 1 of 2 clusters have no FEFF result: lacking.xyz\n";
  EXPECT_EQ(result.out, banner() + file_lines("good.xyz") + feff_lines(1, "good.xyz", 1) +
                            file_lines("lacking.xyz") + crlf(warning) +
                            feff_lines(2, "lacking.xyz", 2) + crlf(failure) +
                            closing(true, true) + crlf(summary));
  EXPECT_EQ(result.err, warning + failure + summary);
  // The averages are those of the good cluster alone.
  EXPECT_EQ(dir.read("xt_tot.txt"), crlf(" 1.2345000000000000E-002    0.05000\n"));
  EXPECT_EQ(dir.read("mu_tot.txt"), crlf(" 1.2300000000000000E-001 8979.00000\n"));
  EXPECT_EQ(dir.read("tolva64.failed"), "lacking.xyz\r\n");
  EXPECT_FALSE(dir.exists("xt.002"));
}

TEST(AbsentPotentialsRun, DroppingTheAbsentPotentialLetsTheClusterRun) {
  RunDir dir;
  set_up(dir);
  ASSERT_EQ(dir.run().exit_code, 3);
  auto result = dir.run({"--drop-absent-potentials"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.out,
            banner() + file_lines("good.xyz") + file_lines("lacking.xyz") +
                crlf(" lacking.xyz: potential 2 without an atom within RMAX 3.5 of the "
                     "absorber, left out of feff.inp.\n") +
                feff_lines(2, "lacking.xyz", 3) +
                closing(true, true, " Averaged 2 clusters: 1 run now, 1 from an earlier run."));
  EXPECT_EQ(result.err, "");
  // Oxygen's card line and its placeholder are gone; nothing else changes.
  EXPECT_EQ(dir.read("seen_feff_3.inp"),
            crlf(" TITLE  Result for FILENAME= lacking.xyz\n"
                 " EDGE K\n RMAX 3.5\n POTENTIALS\n     0  26  Fe\n     1  26  Fe\n ATOMS\n"
                 "    0.00000    0.00000    0.00000     0    0.00000\n"
                 "    2.00000    0.00000    0.00000     1    2.00000\n"
                 "  100.00000  100.00000   10.00000     1  141.77447\n"
                 " END\n"));
  EXPECT_EQ(dir.read("xt.002"), crlf(" 1.2345000000000000E-002    0.05000\n"));
  EXPECT_FALSE(dir.exists("tolva64.failed"));
  EXPECT_NE(dir.read("made_from.002").find("\r\nleft_out 2\r\n"), std::string::npos);
  EXPECT_NE(dir.read("made_from.001").find("\r\nleft_out none\r\n"), std::string::npos);

  // Without the option lacking.xyz's feff.inp would keep potential 2, so its
  // result is stale; good.xyz's is not, whichever way it runs.
  auto without = dir.run();
  EXPECT_EQ(without.exit_code, 3);
  const std::string head = banner() +
                           crlf(" 1 of 2 clusters has results made from other inputs (changed: "
                                "--drop-absent-potentials); they are run again.\n") +
                           file_lines("good.xyz") + file_lines("lacking.xyz");
  EXPECT_EQ(without.out.substr(0, head.size()), head);
  EXPECT_FALSE(dir.exists("xt.002"));
}

TEST(AbsentPotentialsRun, WithoutRmaxNothingIsCheckedAndTheInputStaysAsItWas) {
  RunDir dir;
  set_up(dir);
  dir.write("feff.dat", " POTENTIALS\n     0  26  Fe\n     1  26  Fe\n     2   8  O\n ATOMS\n");
  auto result = dir.run({"--drop-absent-potentials"});
  EXPECT_EQ(result.out.find("RMAX"), std::string::npos);
  EXPECT_NE(dir.read("seen_feff_2.inp").find("     2   8  O"), std::string::npos);
}

}  // namespace
