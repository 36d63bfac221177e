// A stand-in for FEFF in tolva64's tests. Started without arguments in the
// run directory, or in a scratch directory of a parallel run, it reads
// feff.inp and writes its results where it runs, and keeps its bookkeeping in
// the run directory, where its own path (feff.exe) points:
//   - counts its runs in fake_feff.count, one run at a time;
//   - keeps the feff.inp it was given as seen_feff_<run>.inp;
//   - prints "fake FEFF run <run>" straight to standard output, unbuffered;
//   - reads line <run> of fake_feff.plan (the last line once runs outnumber
//     lines): "<chi source> <xmu source> [status] [xsph]", each source a
//     path or "-" for no file; copies the sources to chi.dat and xmu.dat and
//     exits with the status (0 when not given). With "xsph" it first checks
//     feff.inp as FEFF 8.5L's xsph step does in effect: when a potential of
//     the POTENTIALS card has no atom within RMAX, it writes nothing and
//     exits 0 all the same.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Runs of a parallel run may start at the same moment: the count is taken
// under a lock.
int next_run_number(const fs::path& run_dir) {
  const fs::path count = run_dir / "fake_feff.count";
  int lock = open((run_dir / "fake_feff.lock").c_str(), O_CREAT | O_RDWR, 0644);
  if (lock >= 0) flock(lock, LOCK_EX);
  int run = 0;
  std::ifstream(count) >> run;
  ++run;
  std::ofstream(count) << run;
  if (lock >= 0) close(lock);
  return run;
}

std::vector<std::string> plan_line(const fs::path& run_dir, int run) {
  std::ifstream plan(run_dir / "fake_feff.plan");
  std::string line;
  std::string chosen;
  for (int n = 1; n <= run && std::getline(plan, line); ++n) chosen = line;
  std::istringstream fields(chosen);
  std::vector<std::string> words;
  for (std::string word; fields >> word;) words.push_back(word);
  words.resize(4, "");
  for (int i = 0; i < 2; ++i) {
    if (words[i].empty()) words[i] = "-";
  }
  return words;
}

void copy_if_named(const std::string& source, const char* target) {
  if (source == "-") return;
  fs::copy_file(source, target, fs::copy_options::overwrite_existing);
}

// True when every potential of the POTENTIALS card has an atom within RMAX.
bool every_potential_near(const std::string& input_path) {
  std::ifstream input(input_path);
  double radius = 1e30;
  std::map<int, bool> near;  // potential -> an atom within the radius
  std::string section;
  for (std::string line; std::getline(input, line);) {
    std::istringstream words(line);
    std::string first;
    if (!(words >> first)) continue;
    if (std::isalpha(static_cast<unsigned char>(first[0]))) {
      section = first;
      if (first == "RMAX") words >> radius;
      continue;
    }
    std::istringstream numbers(line);
    if (section == "POTENTIALS") {
      int potential = 0;
      if (numbers >> potential) near.emplace(potential, false);
    } else if (section == "ATOMS") {
      double x = 0, y = 0, z = 0;
      int potential = 0;
      if (numbers >> x >> y >> z >> potential && std::sqrt(x * x + y * y + z * z) <= radius) {
        near[potential] = true;
      }
    }
  }
  for (const auto& [potential, found] : near) {
    if (!found) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path run_dir = fs::path(argv[0]).parent_path();
  int run = next_run_number(run_dir);
  if (fs::exists("feff.inp")) {
    fs::copy_file("feff.inp", run_dir / ("seen_feff_" + std::to_string(run) + ".inp"),
                  fs::copy_options::overwrite_existing);
  }
  std::string said = "fake FEFF run " + std::to_string(run) +
                     (argc == 1 ? "" : " with arguments") + "\n";
  if (write(1, said.data(), said.size()) < 0) return 2;
  std::vector<std::string> plan = plan_line(run_dir, run);
  if (plan[3] == "xsph" && !every_potential_near("feff.inp")) return 0;
  copy_if_named(plan[0], "chi.dat");
  copy_if_named(plan[1], "xmu.dat");
  return plan[2].empty() ? 0 : std::stoi(plan[2]);
}
