// The results there before a run, held against their records: current,
// without a record, stale or not done, within the list or a shard, and the
// lines that count them.
#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.hpp"
#include "tolva64/result_survey.hpp"

namespace {

namespace fs = std::filesystem;
using test_support::write_file;
using namespace tolva64;

// The per-cluster names are relative to the run directory, the current one.
class ResultSurveyTest : public ::testing::Test {
 protected:
  // Line 1 current, line 2 without a record, line 3 blank, line 4 made with
  // another pot.dat, line 5 half done.
  void SetUp() override {
    old_ = fs::current_path();
    fs::current_path(dir_.path());
    write_file("conf.dat", "a.xyz\nb.xyz\n\nc.xyz\nd.xyz\n");
    for (const char* name : {"a.xyz", "b.xyz", "c.xyz", "d.xyz"}) write_file(name, name);
    write_file("pot.dat", " 0 0\n");
    write_file("feff.dat", " ATOMS\n");
    for (const char* done : {"xt.001", "mu.001", "xt.002", "mu.002", "xt.004", "mu.004",
                             "xt.005"}) {
      write_file(done, "");
    }
    const SharedInputs shared = shared_inputs_of(RunFiles());
    write_file("made_from.001", record_text(record_for("a.xyz", shared, "none")));
    InputRecord other_map = record_for("c.xyz", shared, "none");
    other_map.shared.potential_map = "0000000000000000";
    write_file("made_from.004", record_text(other_map));
  }
  void TearDown() override { fs::current_path(old_); }

  test_support::TempDir dir_;
  fs::path old_;
};

TEST_F(ResultSurveyTest, EachDoneClusterIsHeldAgainstItsRecord) {
  ResultSurvey survey = survey_results(RunFiles(), shared_inputs_of(RunFiles()), std::nullopt,
                                       [](const std::string&) { return "none"; });
  EXPECT_EQ(survey.at(1).state, ResultState::Current);
  EXPECT_EQ(survey.at(2).state, ResultState::Unrecorded);
  EXPECT_EQ(survey.at(3).state, ResultState::NotDone);
  EXPECT_EQ(survey.at(4).state, ResultState::Stale);
  EXPECT_EQ(survey.at(4).changed, std::vector<std::string>{"pot.dat"});
  EXPECT_EQ(survey.at(5).state, ResultState::NotDone);
  EXPECT_EQ(survey.at(6).state, ResultState::NotDone);
  EXPECT_EQ(survey.clusters(), 4);
  EXPECT_EQ(survey.kept(), 2);
  EXPECT_EQ(stale_line(survey),
            " 1 of 4 clusters has results made from other inputs (changed: pot.dat); they are "
            "run again.");
  EXPECT_EQ(unrecorded_line(survey),
            " 1 of 4 clusters has results without a record of their inputs, from an older "
            "tolva64; they are taken as they are.");
}

TEST_F(ResultSurveyTest, PotentialsLeftOutNowAreComparedOnlyWhenKnown) {
  auto left_out_two = [](const std::string&) { return "2"; };
  ResultSurvey now = survey_results(RunFiles(), shared_inputs_of(RunFiles()), std::nullopt,
                                    left_out_two);
  EXPECT_EQ(now.at(1).state, ResultState::Stale);
  EXPECT_EQ(now.at(4).changed, (std::vector<std::string>{"pot.dat", "--drop-absent-potentials"}));
  EXPECT_EQ(now.changed(), (std::vector<std::string>{"pot.dat", "--drop-absent-potentials"}));
  EXPECT_EQ(stale_line(now),
            " 2 of 4 clusters have results made from other inputs (changed: pot.dat, "
            "--drop-absent-potentials); they are run again.");
  ResultSurvey unknown = survey_results(RunFiles(), shared_inputs_of(RunFiles()), std::nullopt, {});
  EXPECT_EQ(unknown.at(1).state, ResultState::Current);
}

TEST_F(ResultSurveyTest, ShardLooksAtItsOwnClustersOnly) {
  // Shard 2/2 holds lines 2 and 4; the blank line 3 would have been its too.
  ResultSurvey survey = survey_results(RunFiles(), shared_inputs_of(RunFiles()), Shard{2, 2}, {});
  EXPECT_EQ(survey.clusters(), 2);
  EXPECT_EQ(survey.at(1).state, ResultState::NotDone);
  EXPECT_EQ(survey.at(2).state, ResultState::Unrecorded);
  EXPECT_EQ(survey.at(4).state, ResultState::Stale);
  EXPECT_EQ(stale_line(survey),
            " 1 of 2 clusters has results made from other inputs (changed: pot.dat); they are "
            "run again.");
}

}  // namespace
