#pragma once
// Run directories of many FeO clusters for the parallel runs of tolva64,
// with the FEFF stand-in behind a small wrapper that keeps a copy of every
// feff.inp it is given, names the cluster on its console and logs each run.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "test_support.hpp"

namespace tolva64_test {

// Cluster k is the real FeO cluster stretched by a k-dependent factor. Its
// type indices follow the real cluster, except that one iron atom of
// cluster LATE_TYPE_CLUSTER has type index 3. pot.dat maps 0, 1, 2 to
// potentials 0, 1, 2, type 3 to 1 and type 4, which no cluster holds, to 2:
// so the dummy-atom lines of type 3 stop at that cluster, those of type 4
// never do.
inline constexpr int LATE_TYPE_CLUSTER = 23;

class FeoWorkspace {
 public:
  // `clusters` cluster files md_1.xyz ... and their conf.dat; feff.dat and
  // pot.dat; feff.exe, the wrapper.
  explicit FeoWorkspace(int clusters);

  const std::filesystem::path& path() const { return dir_.path(); }
  std::filesystem::path operator/(const std::string& name) const { return dir_ / name; }

  // Makes the wrapper of the next runs kill tolva64 (its parent) when it is
  // started for this cluster, once, before FEFF runs.
  void kill_tolva64_at(const std::string& cluster_name) { kill_at_ = cluster_name; }

  // Runs tolva64 with the arguments. The wrapper keeps the inputs it sees in
  // inputs_<tag>/<cluster name>.inp and logs cluster names to runs_<tag>.log.
  test_support::RunResult run(const std::string& tag, const std::vector<std::string>& args) const;

  // The inputs a run saw, by cluster name.
  std::map<std::string, std::string> inputs(const std::string& tag) const;

  // Cluster names in the order the wrapper was started in that run.
  std::vector<std::string> runs(const std::string& tag) const;

  // The content of every regular file of the run directory whose name is one
  // of the results (xt.*, mu.*, their records made_from.*, *_tot.txt,
  // *_std.txt, *_sem.txt), by name.
  std::map<std::string, std::string> results() const;

  // Copies the result files to another workspace of as many clusters, so a
  // second run can start from the same state.
  void copy_results_to(const FeoWorkspace& other) const;

  // Leftovers a run must not leave: scratch directories, temporary files.
  std::vector<std::string> leftovers() const;

 private:
  void write_wrapper(const std::string& tag) const;

  test_support::TempDir dir_;
  std::string kill_at_;
};

}  // namespace tolva64_test
