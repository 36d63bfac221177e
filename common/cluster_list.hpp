#pragma once
// The cluster list conf.dat: one cluster file name per line, written by the
// trajectory analyser as it writes the clusters and walked by every run mode
// of the spectrum averager. A cluster's number is its line number, and the
// suffix of its result files grows from that number.
#include <optional>
#include <string>

#include "common/text_input.hpp"
#include "common/text_output.hpp"

namespace common {

inline constexpr const char* kClusterListName = "conf.dat";  // NAME_CONF, NAME_CONFIG

// kirne's side: created empty, one line added before each cluster file is
// written, so a stopped run still names every cluster it began.
class ClusterListWriter {
 public:
  explicit ClusterListWriter(const std::string& path);
  void add(const std::string& cluster_name);
  void close();

 private:
  TextOutput out_;
};

struct ClusterEntry {
  int number = 0;    // the line number, from 1
  std::string name;  // the line as written: blanks are part of the name
};

// tolva64's side: the lines in order. A line that is empty or holds only
// blanks and tabs names no cluster and is passed over, but it keeps its
// number, so the clusters after it keep their suffixes. A failure to read
// ends the run with the failure report.
class ClusterListReader {
 public:
  explicit ClusterListReader(const std::string& path);
  // The next cluster's line; nothing once the list is at its end.
  std::optional<ClusterEntry> next();
  void close();

 private:
  TextInput in_;
  int line_number_ = 0;
};

// The number of clusters the reader above gives: blank lines do not count.
int count_clusters(const std::string& path);

// True for a line of conf.dat that names no cluster: empty, or only blanks
// and tabs.
bool is_blank_line(const std::string& line);

// The suffix of cluster n's result files: "007" for 7, "1234" for 1234.
std::string cluster_suffix(int cluster_number);  // EXT

}  // namespace common
