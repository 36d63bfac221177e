#include "tolva64/result_survey.hpp"

#include <algorithm>

#include "common/cluster_list.hpp"
#include "tolva64/console.hpp"
#include "tolva64/spectrum_files.hpp"

namespace tolva64 {

namespace {

SurveyedCluster survey_cluster(const common::ClusterEntry& line, const SharedInputs& shared,
                               const LeftOutNow& left_out_now) {
  const std::string suffix = common::cluster_suffix(line.number);
  if (!cluster_done(suffix)) return {};
  std::optional<InputRecord> made_from = read_record(record_name(suffix));
  if (!made_from) return {ResultState::Unrecorded, {}};
  const std::string left_out = left_out_now ? left_out_now(line.name) : "";
  std::vector<std::string> changed =
      changed_inputs(*made_from, record_for(line.name, shared, left_out));
  if (changed.empty()) return {ResultState::Current, {}};
  return {ResultState::Stale, changed};
}

std::string clusters_of(int count, int clusters) {
  return " " + std::to_string(count) + " of " + std::to_string(clusters) +
         (clusters == 1 ? " cluster has" : count == 1 ? " clusters has" : " clusters have");
}

}  // namespace

const SurveyedCluster& ResultSurvey::at(int cluster_number) const {
  static const SurveyedCluster kNotSurveyed;
  std::size_t index = static_cast<std::size_t>(cluster_number - 1);
  return cluster_number >= 1 && index < by_line_.size() ? by_line_[index] : kNotSurveyed;
}

void ResultSurvey::add(int cluster_number, SurveyedCluster cluster) {
  std::size_t index = static_cast<std::size_t>(cluster_number - 1);
  if (by_line_.size() <= index) by_line_.resize(index + 1);
  ++clusters_;
  if (cluster.state == ResultState::Stale) {
    // Each input once, in the order the record names them.
    std::vector<std::string> inputs;
    for (const char* name : kInputNames) {
      bool now = std::find(cluster.changed.begin(), cluster.changed.end(), name) !=
                 cluster.changed.end();
      bool before = std::find(changed_.begin(), changed_.end(), name) != changed_.end();
      if (now || before) inputs.push_back(name);
    }
    changed_ = std::move(inputs);
  }
  by_line_[index] = std::move(cluster);
}

int ResultSurvey::count(ResultState state) const {
  auto in_state = [&](const SurveyedCluster& cluster) { return cluster.state == state; };
  return static_cast<int>(std::count_if(by_line_.begin(), by_line_.end(), in_state));
}

ResultSurvey survey_results(const RunFiles& files, const SharedInputs& shared,
                            const std::optional<Shard>& shard, const LeftOutNow& left_out_now) {
  ResultSurvey survey;
  common::ClusterListReader list(files.cluster_list);
  while (std::optional<common::ClusterEntry> line = list.next()) {
    if (shard && !shard->holds(line->number)) continue;
    survey.add(line->number, survey_cluster(*line, shared, left_out_now));
  }
  list.close();
  return survey;
}

std::string stale_line(const ResultSurvey& survey) {
  return clusters_of(survey.count(ResultState::Stale), survey.clusters()) +
         " results made from other inputs (changed: " + inputs_text(survey.changed()) +
         "); they are run again.";
}

std::string unrecorded_line(const ResultSurvey& survey) {
  return clusters_of(survey.count(ResultState::Unrecorded), survey.clusters()) +
         " results without a record of their inputs, from an older tolva64; they are taken "
         "as they are.";
}

void print_survey_lines(const ResultSurvey& survey) {
  if (survey.count(ResultState::Stale) > 0) say(stale_line(survey));
  if (survey.count(ResultState::Unrecorded) > 0) say(unrecorded_line(survey));
}

}  // namespace tolva64
