#include "tolva64/failed_clusters.hpp"

#include "common/atomic_file.hpp"
#include "common/file_system.hpp"
#include "common/number_layout.hpp"
#include "common/text_output.hpp"
#include "tolva64/console.hpp"
#include "tolva64/orderly_stop.hpp"

namespace tolva64 {

std::string failed_list_name(const std::optional<Shard>& shard) {
  if (!shard) return kFailedListName;
  return std::string(kFailedListName) + "." + std::to_string(shard->index) + "of" +
         std::to_string(shard->count);
}

std::string failure_line(int cluster_number, const std::string& cluster_name,
                         const std::string& why) {
  return " Cluster " + common::integer_layout(cluster_number, 3) + ", " + cluster_name +
         ": no FEFF result: " + why + ".";
}

std::string summary_line(int clusters, const std::vector<std::string>& missing) {
  std::string line = " " + std::to_string(missing.size()) + " of " + std::to_string(clusters) +
                     (clusters == 1 ? " cluster has" : " clusters have") + " no FEFF result: ";
  for (std::size_t i = 0; i < missing.size() && i < kNamesInSummary; ++i) {
    line += (i == 0 ? "" : ", ") + missing[i];
  }
  return line + (missing.size() > kNamesInSummary ? ", ..." : "");
}

void FailedClusters::report(int cluster_number, const std::string& cluster_name,
                            const std::string& why) {
  say_on_both(failure_line(cluster_number, cluster_name, why));
  add(cluster_name);
}

int FailedClusters::exit_code() const {
  if (missing_.empty()) return kExitDone;
  return static_cast<int>(missing_.size()) < clusters_ ? kExitSomeMissing : kExitNoneDone;
}

void FailedClusters::close() const {
  if (missing_.empty()) {
    common::delete_file(list_name_);
    return;
  }
  say_on_both(summary_line(clusters_, missing_));
  common::write_file_atomically(list_name_, [&](common::TextOutput& out) {
    for (const std::string& name : missing_) out.write(name).end_line();
  });
}

}  // namespace tolva64
