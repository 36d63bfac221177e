#pragma once
// A cluster file: the atoms within Rmax of one absorber, written by the
// trajectory analyser and read by the FEFF input composer.
//
//   # Cluster: <configuration><absorber label>. <comment line of the frame>
//   <type index> <x> <y> <z>     one line per atom, in A relative to the absorber
//   <i> 100 100 <10 i>           one placeholder per type i = 1..types
//
// Type index 0 is the absorber, j the j-th entry of the type list. The
// placeholders put every type into every cluster, far from the absorber, so
// the spectrum step always finds each potential it was told about.
#include <cstddef>
#include <string>
#include <vector>

#include "common/text_output.hpp"

namespace common {

class ClusterFileWriter {
 public:
  // Removes an older file of that name and begins the text with the header
  // "# Cluster: <label>. <comment>". The cluster list may already name the
  // file: until finish() it is absent under that name, never empty, short
  // or left over from an earlier run.
  ClusterFileWriter(const std::string& path, const std::string& label, const std::string& comment);
  // "2  1.0000000000000000E+000 -2.5000000000000000E-001  0.0000000000000000E+000"
  void add_atom(int type_index, double x, double y, double z);
  // The placeholder lines of types 1..type_count; then the whole text goes
  // into the file's temporary name in one block, since a cluster of a
  // hundred atoms would otherwise cost a call to the system every 256 bytes,
  // and that name is renamed into place.
  void finish(int type_count);

 private:
  std::string path_;
  std::string text_;
};

// The records of a cluster file, in file order; type indices stay reals, as
// they are compared with the potential map's integers by exact equality.
struct ClusterAtoms {
  std::vector<double> type;  // POT
  std::vector<double> x;     // X
  std::vector<double> y;     // Y
  std::vector<double> z;     // Z
  std::size_t count() const { return type.size(); }  // NAT
  void clear();
};

enum class ClusterReadStatus { Complete, TooManyAtoms };

// Passes the header line, then reads records of four reals until the end of
// the file; the rest of each record's line is passed over. A record past
// `most_atoms` is not read: the result says so. A token that is not a number
// ends the run with the failure report.
ClusterReadStatus read_cluster_file(const std::string& path, std::size_t most_atoms,
                                    ClusterAtoms& atoms);

}  // namespace common
