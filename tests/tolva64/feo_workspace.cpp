#include "feo_workspace.hpp"

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

namespace tolva64_test {

namespace fs = std::filesystem;

namespace {

const fs::path FEO_DATA = fs::path(TOLVA64_TEST_DATA) / "feo_md";

// "1 -4.19 -2.05 -2.07" -> the numbers of one atom line.
struct AtomLine {
  int type;
  double x, y, z;
};

std::vector<AtomLine> real_cluster_atoms() {
  std::istringstream lines(test_support::read_file(FEO_DATA / "md_1.xyz"));
  std::vector<AtomLine> atoms;
  std::string line;
  std::getline(lines, line);  // header
  for (AtomLine atom{}; lines >> atom.type >> atom.x >> atom.y >> atom.z;) atoms.push_back(atom);
  return atoms;
}

std::string cluster_text(int k, const std::vector<AtomLine>& atoms) {
  std::string text = "# Cluster: " + std::to_string(k) + ". Atoms. Timestep: " +
                     std::to_string(10 * k) + "\r\n";
  bool retyped = false;
  for (const AtomLine& atom : atoms) {
    int type = atom.type;
    if (k == LATE_TYPE_CLUSTER && type == 1 && !retyped) {
      type = 3;
      retyped = true;
    }
    char line[128];
    bool placeholder = atom.x == 100.0;
    double stretch = placeholder ? 1.0 : 1.0 + 0.003 * (k % 17) - 0.002 * (k % 5);
    std::snprintf(line, sizeof line, "%d %.10f %.10f %.10f\r\n", type, atom.x * stretch,
                  atom.y * stretch, atom.z);
    text += line;
  }
  return text;
}

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

bool all_digits(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// xt.<digits>, mu.<digits>, their records made_from.<digits>, and xt_ or mu_
// followed by tot, std or sem and ".txt".
bool is_result_name(const std::string& name) {
  const std::string record = "made_from.";
  if (name.rfind(record, 0) == 0) return all_digits(name.substr(record.size()));
  std::string kind = name.substr(0, 3);
  if (kind != "xt." && kind != "mu." && kind != "xt_" && kind != "mu_") return false;
  std::string rest = name.substr(3);
  if (kind.back() == '_') return rest == "tot.txt" || rest == "std.txt" || rest == "sem.txt";
  return all_digits(rest);
}

}  // namespace

FeoWorkspace::FeoWorkspace(int clusters) {
  std::vector<AtomLine> atoms = real_cluster_atoms();
  std::string list;
  for (int k = 1; k <= clusters; ++k) {
    std::string name = "md_" + std::to_string(k) + ".xyz";
    test_support::write_file(dir_ / name, cluster_text(k, atoms));
    list += name + "\r\n";
  }
  test_support::write_file(dir_ / "conf.dat", list);
  fs::copy_file(FEO_DATA / "feff.dat", dir_ / "feff.dat");
  test_support::write_file(dir_ / "pot.dat",
                           "Type index -> FEFF potential\n 0 0\n 1 1\n 2 2\n 3 1\n 4 2\n");
  write_wrapper("none");
}

void FeoWorkspace::write_wrapper(const std::string& tag) const {
  fs::path dir = dir_.path();
  std::string kill;
  if (!kill_at_.empty()) {
    kill = "if [ \"$name\" = '" + kill_at_ + "' ] && mkdir " + quoted(dir / "killed") +
           " 2>/dev/null; then kill -9 $PPID; exit 1; fi\n";
  }
  std::string script =
      "#!/bin/sh\n"
      "name=$(sed -n '1s/^ TITLE  Result for FILENAME= //p' feff.inp | tr -d '\\r')\n"
      "echo \"$name\" >> " + quoted(dir / ("runs_" + tag + ".log")) + "\n" + kill +
      "mkdir -p " + quoted(dir / ("inputs_" + tag)) + "\n"
      "cp feff.inp " + quoted(dir / ("inputs_" + tag)) + "/\"$name.inp\"\n"
      "echo \"FEFF ran for $name\"\n"
      // A few runs take longer and say something on the error stream, so
      // runs end out of order and both streams have something to keep in order.
      "case \"$name\" in *5.xyz) echo \"FEFF note on $name\" >&2; sleep 0.05;; esac\n"
      "exec " + quoted(FEFF_STANDIN_BIN) + "\n";
  // A FEFF run still going from an earlier run keeps reading the old file.
  test_support::write_file(dir / "feff.exe.new", script);
  fs::permissions(dir / "feff.exe.new", fs::perms::owner_all);
  fs::rename(dir / "feff.exe.new", dir / "feff.exe");
}

test_support::RunResult FeoWorkspace::run(const std::string& tag,
                                          const std::vector<std::string>& args) const {
  write_wrapper(tag);
  return test_support::run_program(TOLVA64_BIN, args, dir_.path());
}

std::map<std::string, std::string> FeoWorkspace::inputs(const std::string& tag) const {
  std::map<std::string, std::string> seen;
  fs::path dir = dir_ / ("inputs_" + tag);
  if (!fs::exists(dir)) return seen;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
    seen[entry.path().stem().string()] = test_support::read_file(entry.path());
  }
  return seen;
}

std::vector<std::string> FeoWorkspace::runs(const std::string& tag) const {
  std::vector<std::string> names;
  fs::path log = dir_ / ("runs_" + tag + ".log");
  if (!fs::exists(log)) return names;
  std::istringstream lines(test_support::read_file(log));
  for (std::string name; std::getline(lines, name);) names.push_back(name);
  return names;
}

std::map<std::string, std::string> FeoWorkspace::results() const {
  std::map<std::string, std::string> found;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir_.path())) {
    std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && is_result_name(name)) {
      found[name] = test_support::read_file(entry.path());
    }
  }
  return found;
}

void FeoWorkspace::copy_results_to(const FeoWorkspace& other) const {
  for (const auto& [name, content] : results()) test_support::write_file(other / name, content);
}

std::vector<std::string> FeoWorkspace::leftovers() const {
  std::vector<std::string> found;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir_.path())) {
    std::string name = entry.path().filename().string();
    if (name == "tolva64.scratch" || name.find(".partial") != std::string::npos) {
      found.push_back(name);
    }
  }
  return found;
}

}  // namespace tolva64_test
