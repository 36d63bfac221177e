#pragma once
// A run directory for tolva64 with a fake FEFF in it, and the texts its
// console shows.
#include <string>
#include <vector>

#include "test_support.hpp"

namespace tolva64_test {

// The eight banner lines as the console shows them.
std::string banner();

// The closing lines; the "See the file" lines as asked, and after
// "Calculations done." the line that counts the clusters averaged when some
// come from earlier runs (" Averaged 3 clusters: 2 run now, 1 from an
// earlier run.").
std::string closing(bool chi_average, bool mu_average, const std::string& averaged = "");

// " " and "File: <name>", the two lines every cluster prints.
std::string file_lines(const std::string& cluster_name);

// The announcement followed by the fake FEFF's own line.
std::string feff_lines(int cluster_number, const std::string& cluster_name, int feff_run);

// A chi.dat of FEFF 8.5L's form: two comment lines, the heading, then rows.
std::string chi_file(const std::string& rows);

// An xmu.dat of FEFF 8.5L's form: comment lines, the heading, then rows.
std::string xmu_file(const std::string& rows);

class RunDir {
 public:
  // conf.dat, pot.dat (0->0, 1->1, 2->2), a one-line feff.dat and feff.exe.
  RunDir();

  std::filesystem::path operator/(const std::string& name) const { return dir_ / name; }
  const std::filesystem::path& path() const { return dir_.path(); }

  void write(const std::string& name, const std::string& content) const;
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;

  // Run n of the fake FEFF copies canned chi.dat and xmu.dat texts; an empty
  // text means FEFF leaves no such file. Runs past the plan repeat its last line.
  void plan_feff(const std::vector<std::pair<std::string, std::string>>& outputs);
  // As above, each run also with its exit status and, with `xsph`, FEFF
  // 8.5L's silent failure on a potential without an atom within RMAX.
  struct FeffRun {
    std::string chi;
    std::string xmu;
    int status = 0;
    bool xsph = false;
  };
  void plan_feff_runs(const std::vector<FeffRun>& runs);

  // A cluster file in the layout the trajectory analyser writes.
  void write_cluster(const std::string& name, const std::string& atom_lines) const;

  test_support::RunResult run(const std::vector<std::string>& args = {}) const;

 private:
  test_support::TempDir dir_;
  int canned_ = 0;
};

}  // namespace tolva64_test
