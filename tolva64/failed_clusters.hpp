#pragma once
// The clusters of a run that end without a FEFF result. Each gets a line at
// the moment it fails, on standard output and standard error; the run closes
// with a summary, lists them in tolva64.failed, and its exit code says
// whether every cluster, some or none has results.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tolva64/run_options.hpp"

namespace tolva64 {

inline constexpr const char* kFailedListName = "tolva64.failed";
// The summary names this many clusters; the file lists them all.
inline constexpr std::size_t kNamesInSummary = 10;

// tolva64.failed, or tolva64.failed.2of4 for shard 2/4, which may run beside
// the other shards in the same directory.
std::string failed_list_name(const std::optional<Shard>& shard);

// " Cluster   3, md_3.xyz: no FEFF result: FEFF exited with status 1."
std::string failure_line(int cluster_number, const std::string& cluster_name,
                         const std::string& why);

// " 6 of 12 clusters have no FEFF result: md_3.xyz, md_5.xyz, ..."
std::string summary_line(int clusters, const std::vector<std::string>& missing);

class FailedClusters {
 public:
  explicit FailedClusters(std::string list_name) : list_name_(std::move(list_name)) {}

  // One more cluster of the list (or shard) that the run answers for.
  void count_cluster() { ++clusters_; }
  // A cluster without results, reported elsewhere.
  void add(const std::string& cluster_name) { missing_.push_back(cluster_name); }
  // A cluster that failed now: its line, then add.
  void report(int cluster_number, const std::string& cluster_name, const std::string& why);

  // 0: every cluster has results; 3: some have none; 4: none has any.
  int exit_code() const;
  // The summary line when clusters lack results; tolva64.failed written,
  // or removed when none does.
  void close() const;

 private:
  std::string list_name_;
  int clusters_ = 0;
  std::vector<std::string> missing_;
};

}  // namespace tolva64
