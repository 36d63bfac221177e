// A stand-in for FEFF in tolva64's tests. Started without arguments in the
// run directory, it
//   - counts its runs in fake_feff.count;
//   - keeps the feff.inp it was given as seen_feff_<run>.inp;
//   - prints "fake FEFF run <run>" straight to standard output, unbuffered;
//   - reads line <run> of fake_feff.plan (the last line once runs outnumber
//     lines): "<chi source> <xmu source>", each a path or "-" for no file,
//     and copies the sources to chi.dat and xmu.dat.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

int next_run_number() {
  int run = 0;
  std::ifstream("fake_feff.count") >> run;
  ++run;
  std::ofstream("fake_feff.count") << run;
  return run;
}

std::vector<std::string> plan_line(int run) {
  std::ifstream plan("fake_feff.plan");
  std::string line;
  std::string chosen;
  for (int n = 1; n <= run && std::getline(plan, line); ++n) chosen = line;
  std::istringstream fields(chosen);
  std::vector<std::string> sources;
  for (std::string source; fields >> source;) sources.push_back(source);
  sources.resize(2, "-");
  return sources;
}

void copy_if_named(const std::string& source, const char* target) {
  if (source == "-") return;
  fs::copy_file(source, target, fs::copy_options::overwrite_existing);
}

}  // namespace

int main(int argc, char**) {
  int run = next_run_number();
  if (fs::exists("feff.inp")) {
    fs::copy_file("feff.inp", "seen_feff_" + std::to_string(run) + ".inp",
                  fs::copy_options::overwrite_existing);
  }
  std::string said = "fake FEFF run " + std::to_string(run) +
                     (argc == 1 ? "" : " with arguments") + "\n";
  if (write(1, said.data(), said.size()) < 0) return 2;
  std::vector<std::string> sources = plan_line(run);
  copy_if_named(sources[0], "chi.dat");
  copy_if_named(sources[1], "xmu.dat");
  return 3;  // a non-zero status, which tolva64 does not look at
}
