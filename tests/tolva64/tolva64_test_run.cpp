#include "tolva64_test_run.hpp"

#include <cstdio>
#include <filesystem>

namespace tolva64_test {

namespace fs = std::filesystem;
using test_support::crlf;

std::string banner() {
  return crlf(
      "**********************************\n"
      "*              TOLVA             *\n"
      "*           Version 4.2          *\n"
      "*                                *\n"
      "*  Configuration-averaged EXAFS  *\n"
      "*  one FEFF run per cluster file *\n"
      "**********************************\n"
      "\n");
}

std::string closing(bool chi_average, bool mu_average, const std::string& averaged) {
  std::string text = " \n" + std::string(65, '_') + "\nCalculations done.\n";
  if (!averaged.empty()) text += averaged + "\n";
  if (chi_average) text += "See the file XT_TOT.TXT for the result.\n";
  if (mu_average) text += "See the file MU_TOT.TXT for the result.\n";
  return crlf(text);
}

std::string file_lines(const std::string& cluster_name) {
  return crlf(" \nFile: " + cluster_name + "\n");
}

std::string feff_lines(int cluster_number, const std::string& cluster_name, int feff_run) {
  char number[8];
  std::snprintf(number, sizeof number, "%3d", cluster_number);
  return crlf("*** Cluster #" + std::string(number) + ". FEFF started for the file: " +
              cluster_name + ".\n") +
         "fake FEFF run " + std::to_string(feff_run) + "\n";
}

std::string chi_file(const std::string& rows) {
  return "# Result for FILENAME= md_1.xyz                Feff8L (EXAFS)       0.1\n"
         "#  S02=1.000                                        Global_sig2= 0.00000\n"
         "#       k          chi          mag           phase @#\n" + rows;
}

std::string xmu_file(const std::string& rows) {
  return "# Result for FILENAME= md_1.xyz                Feff8L (EXAFS)       0.1\n"
         "#  xsedge+50, used to normalize mu           3.1983E-04\n"
         "#  -----------------------------------------------------------------------\n"
         "#  omega    e    k    mu    mu0     chi     @#\n" + rows;
}

RunDir::RunDir() {
  write("conf.dat", "");
  write("pot.dat", " 0 0\n 1 1\n 2 2\n");
  write("feff.dat", " ATOMS\n");
  fs::create_symlink(FAKE_FEFF_BIN, dir_ / "feff.exe");
  plan_feff({{"", ""}});
}

void RunDir::write(const std::string& name, const std::string& content) const {
  test_support::write_file(dir_ / name, content);
}

std::string RunDir::read(const std::string& name) const {
  return test_support::read_file(dir_ / name);
}

bool RunDir::exists(const std::string& name) const {
  return fs::exists(fs::symlink_status(dir_ / name));
}

void RunDir::plan_feff(const std::vector<std::pair<std::string, std::string>>& outputs) {
  std::vector<FeffRun> runs;
  for (const auto& [chi, xmu] : outputs) runs.push_back(FeffRun{chi, xmu});
  plan_feff_runs(runs);
}

void RunDir::plan_feff_runs(const std::vector<FeffRun>& runs) {
  std::string plan;
  for (const FeffRun& run : runs) {
    std::string sources[2] = {"-", "-"};
    const std::string* texts[2] = {&run.chi, &run.xmu};
    for (int i = 0; i < 2; ++i) {
      if (texts[i]->empty()) continue;
      sources[i] = (dir_ / ("canned_" + std::to_string(++canned_) + ".txt")).string();
      test_support::write_file(sources[i], *texts[i]);
    }
    plan += sources[0] + " " + sources[1] + " " + std::to_string(run.status) +
            (run.xsph ? " xsph" : "") + "\n";
  }
  write("fake_feff.plan", plan);
}

void RunDir::write_cluster(const std::string& name, const std::string& atom_lines) const {
  write(name, crlf("# Cluster: 1. t=0\n" + atom_lines + "1 100 100 10\n2 100 100 20\n"));
}

test_support::RunResult RunDir::run(const std::vector<std::string>& args) const {
  return test_support::run_program(TOLVA64_BIN, args, dir_.path());
}

}  // namespace tolva64_test
