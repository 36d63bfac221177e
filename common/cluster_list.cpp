#include "common/cluster_list.hpp"

#include "common/number_layout.hpp"

namespace common {

ClusterListWriter::ClusterListWriter(const std::string& path)
    : out_(TextOutput::create_file(path)) {}

void ClusterListWriter::add(const std::string& cluster_name) {
  out_.write(cluster_name).end_line();
}

void ClusterListWriter::close() { out_.close(); }

ClusterListReader::ClusterListReader(const std::string& path)
    : in_(TextInput::open_file(path)) {}

std::optional<ClusterEntry> ClusterListReader::next() {
  while (!in_.at_eof()) {
    ClusterEntry entry;
    entry.number = ++line_number_;
    entry.name = in_.read_until_cr_or_lf();
    in_.skip_past_cr_or_lf();
    if (!is_blank_line(entry.name)) return entry;
  }
  return std::nullopt;
}

void ClusterListReader::close() { in_.close(); }

int count_clusters(const std::string& path) {
  ClusterListReader list(path);
  int clusters = 0;
  while (list.next()) ++clusters;
  list.close();
  return clusters;
}

bool is_blank_line(const std::string& line) {
  return line.find_first_not_of(" \t") == std::string::npos;
}

std::string cluster_suffix(int cluster_number) {
  std::string suffix = integer_layout(cluster_number, 3);
  for (std::size_t i = 0; i < 3 && i < suffix.size(); ++i) {
    if (suffix[i] == ' ') suffix[i] = '0';
  }
  return suffix;
}

}  // namespace common
