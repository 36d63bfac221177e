#pragma once
// The results already there when a run starts, cluster by cluster, held
// against the records beside them: made from the inputs the run reads now,
// made before records were kept (by an older tolva64), or stale, made from
// another cluster file, pot.dat or feff.dat, or leaving out other potentials. The runs that
// compose inputs redo the stale clusters; --average leaves them out. Results
// without a record are taken as they are, since a record cannot be made up
// for them afterwards; the run says how many there are.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tolva64/input_record.hpp"
#include "tolva64/run_files.hpp"
#include "tolva64/run_options.hpp"

namespace tolva64 {

enum class ResultState { NotDone, Current, Unrecorded, Stale };

struct SurveyedCluster {
  ResultState state = ResultState::NotDone;
  std::vector<std::string> changed;  // for a stale one: the inputs that differ
};

class ResultSurvey {
 public:
  // The cluster on that line of conf.dat; not done when out of the survey.
  const SurveyedCluster& at(int cluster_number) const;
  void add(int cluster_number, SurveyedCluster cluster);

  int clusters() const { return clusters_; }
  int count(ResultState state) const;
  // Clusters whose results are taken as they are.
  int kept() const { return count(ResultState::Current) + count(ResultState::Unrecorded); }
  // Every input that differs for some stale cluster, each named once.
  const std::vector<std::string>& changed() const { return changed_; }

 private:
  std::vector<SurveyedCluster> by_line_;
  int clusters_ = 0;
  std::vector<std::string> changed_;
};

// What composing a cluster's input now would leave out, as its record names
// it; empty when that is not known.
using LeftOutNow = std::function<std::string(const std::string& cluster_name)>;

// Looks at every cluster of the list, or of the shard, that is done: its
// record against the cluster file and the shared inputs of now. Without
// left_out_now, what the record says was left out is not compared.
ResultSurvey survey_results(const RunFiles& files, const SharedInputs& shared,
                            const std::optional<Shard>& shard, const LeftOutNow& left_out_now);

// " 3 of 8 clusters have results made from other inputs (changed: pot.dat);
// they are run again."
std::string stale_line(const ResultSurvey& survey);

// " 2 of 8 clusters have results without a record of their inputs, from an
// older tolva64; they are taken as they are."
std::string unrecorded_line(const ResultSurvey& survey);

// For a run that composes inputs: the two lines above, where they apply.
void print_survey_lines(const ResultSurvey& survey);

}  // namespace tolva64
