#include "feff8l/failure_reason.hpp"

#include <gtest/gtest.h>

namespace {

using feff8l::find_failure_reason;
using feff8l::LogText;
using feff8l::tidy_log_line;

// Logs as FEFF 8.5L wrote them for the copper cluster with a third potential
// that has only one atom, 142 A away (pot warns, xsph stops).
const LogText kRdinpLog{"log.dat", " Feff8L (EXAFS)      release  0.1\n Cu metal fcc a=3.61\n"};
const LogText kPotLog{"log1.dat",
                      " Calculating potentials ...\n"
                      "    muffin tin radii and interstitial parameters\n"
                      " WARNING: NO ATOMS CLOSE ENOUGH TO OVERLAP ATOM   80,  UNIQUE POT    2!!"
                      "  Rmt set to Rnorman.  May be error in input file.\n"
                      "         2  4.26598E+00  4.26598E+00  1.00000E+00\n"
                      " Done with module 1: potentials.\n"};
const LogText kXsphLog{"log2.dat",
                       " Calculating cross-section and phases...\n"
                       "      See FEFF document to increase the range.\n"
                       " -5.37991E-03     217       2       2 xk2, i, ie, iph\n"
                       " em, xf**2, xmu, delta\n"
                       " -1.25559E-01  1.37519E-04 -1.26959E-01  4.15886E-03\n"
                       "XCPOT-2\n"};
const LogText kNoConsole{"console.log", ""};

TEST(FailureReason, ExplainsAKnownCauseFoundInAnEarlierModulesLog) {
  const auto reason = find_failure_reason({kRdinpLog, kPotLog}, kXsphLog,
                                          {"console.log", "STOP  \n Calculating cross\n"});
  ASSERT_TRUE(reason);
  EXPECT_EQ(reason->text,
            "A potential may have no atom near the absorber: \"WARNING: NO ATOMS CLOSE ENOUGH TO "
            "OVERLAP ATOM 80, UNIQUE POT 2!! Rmt set to Rnorman. May be error in input file.\"");
  EXPECT_EQ(reason->file, "log1.dat");
}

TEST(FailureReason, TheModulesOwnErrorLineComesFirst) {
  const LogText ff2x_log{"log6.dat",
                         " Calculating chi...\n Error opening file, list.dat in module ff2chi\n"
                         " Fatal error\nCHOPEN\n"};
  const auto reason = find_failure_reason({kRdinpLog, kPotLog}, ff2x_log, kNoConsole);
  ASSERT_TRUE(reason);
  EXPECT_EQ(reason->text, "\"Error opening file, list.dat in module ff2chi\"");
  EXPECT_EQ(reason->file, "log6.dat");
}

TEST(FailureReason, TakesAnErrorOfTheConsoleWhenTheLogHasNone) {
  const LogText genfmt_log{"log5.dat", " Calculating EXAFS parameters...\n"};
  const LogText console{"console.log",
                        "At line 12 of file rdpath.f\nFortran runtime error: End of file\n"};
  const auto reason = find_failure_reason({kRdinpLog}, genfmt_log, console);
  ASSERT_TRUE(reason);
  EXPECT_EQ(reason->text, "\"Fortran runtime error: End of file\"");
  EXPECT_EQ(reason->file, "console.log");
}

TEST(FailureReason, ElseTakesTheLastTextLineBeforeTheStopTag) {
  // feff.inp without an absorber; CR LF line ends change nothing.
  const LogText empty_input{"log.dat",
                            " Feff8L (EXAFS)      release  0.1\r\n"
                            " No absorbing atom (unique pot 0) was defined.\r\nRDINP\r\n\r\n"};
  auto reason = find_failure_reason({}, empty_input, kNoConsole);
  ASSERT_TRUE(reason);
  EXPECT_EQ(reason->text, "\"No absorbing atom (unique pot 0) was defined.\"");
  EXPECT_EQ(reason->file, "log.dat");

  // Number dumps are passed over; without pot's warning, this is all there is.
  reason = find_failure_reason({kRdinpLog}, kXsphLog, kNoConsole);
  ASSERT_TRUE(reason);
  EXPECT_EQ(reason->text, "\"em, xf**2, xmu, delta\"");
}

TEST(FailureReason, NoneWithoutErrorKnownCauseOrStopTag) {
  const LogText ended_early{"log6.dat", " Calculating chi...\n Done with module 1: potentials.\n"};
  EXPECT_FALSE(find_failure_reason({kRdinpLog}, ended_early, kNoConsole));
  const LogText lower_case_last{"log6.dat", " Calculating chi...\nrdinp\n"};
  EXPECT_FALSE(find_failure_reason({}, lower_case_last, kNoConsole));
  EXPECT_FALSE(find_failure_reason({}, {"log.dat", ""}, kNoConsole));
}

TEST(FailureReason, TidiesALineForTheOneLineMessage) {
  EXPECT_EQ(tidy_log_line("   Keyword \t unrecognized.   "), "Keyword unrecognized.");
  EXPECT_EQ(tidy_log_line(std::string(199, 'x') + " "), std::string(199, 'x'));
  EXPECT_EQ(tidy_log_line(std::string(200, 'x')), std::string(200, 'x'));
  EXPECT_EQ(tidy_log_line(std::string(201, 'x')), std::string(197, 'x') + "...");
}

}  // namespace
