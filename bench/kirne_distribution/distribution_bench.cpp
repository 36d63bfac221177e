// What the distribution functions cost, printed as figures.
//   kirne_distribution_bench [trajectory] [kirne binary] [Rmax]
// 1. The real program in interactive mode, Rmax 6, on the whole trajectory:
//    once with G2, G3 and G4, once with G2 alone; seconds per frame.
// 2. The accumulation in this process on the full frames, G3 and G4 only.
// 3. The full enumeration on a 500-atom cut of the first frames, extrapolated
//    to the whole frame by N for G2, N^2 for G3 and N^3 for G4; the fast
//    accumulation on the same cut must agree with it in every written bin.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "brute_force_reference.hpp"
#include "kirne/absorber.hpp"
#include "kirne/distribution_accumulator.hpp"
#include "kirne/distribution_bins.hpp"
#include "kirne/frame.hpp"
#include "kirne/histograms.hpp"
#include "kirne/neighbour_search.hpp"

extern char** environ;

namespace fs = std::filesystem;

namespace {

double bench_rmax = 6.0;
constexpr int CUT_ATOMS = 500;
constexpr int CUT_FRAMES = 2;

double seconds_since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double children_cpu_seconds() {
  rusage u{};
  getrusage(RUSAGE_CHILDREN, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1.0e6;
}

struct Timing {
  double wall = 0.0;
  double cpu = 0.0;
};

// `kirne int` in dir with the dialog answers on standard input.
Timing run_interactive(const std::string& binary, const fs::path& dir, const std::string& answers) {
  const fs::path input = dir / "answers.txt";
  std::ofstream(input) << answers;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, (dir / "out.txt").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::string word_int = "int";
  std::vector<char*> argv{const_cast<char*>(binary.c_str()), word_int.data(), nullptr};
  const fs::path previous = fs::current_path();
  fs::current_path(dir);
  const double cpu_start = children_cpu_seconds();
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  int status = -1;
  if (posix_spawn(&pid, binary.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
    waitpid(pid, &status, 0);
  }
  Timing t{seconds_since(start), children_cpu_seconds() - cpu_start};
  fs::current_path(previous);
  posix_spawn_file_actions_destroy(&actions);
  if (status != 0) std::printf("kirne ended with status %d\n", status);
  return t;
}

// The first `frames` configurations, each cut to its first `atoms` atoms.
std::vector<std::vector<double>> read_frames(const fs::path& trajectory, int frames, int atoms) {
  std::ifstream in(trajectory);
  std::vector<std::vector<double>> result;
  std::string symbol, line;
  int count = 0;
  while ((frames <= 0 || static_cast<int>(result.size()) < frames) && in >> count) {
    std::getline(in, line);
    std::getline(in, line);
    std::vector<double> xyz;
    for (int i = 0; i < count; ++i) {
      double x = 0, y = 0, z = 0;
      in >> symbol >> x >> y >> z;
      if (atoms <= 0 || i < atoms) xyz.insert(xyz.end(), {x, y, z});
    }
    result.push_back(std::move(xyz));
  }
  return result;
}

// One frame with the atom nearest its bounding-box centre as the absorber.
struct Loaded {
  kirne::Frame frame;
  std::vector<std::uint8_t> types;
  kirne::Absorber absorber;
};

Loaded load(const std::vector<double>& xyz) {
  Loaded l;
  l.frame.resize(static_cast<std::int32_t>(xyz.size() / 3));
  double lo[3] = {1e30, 1e30, 1e30}, hi[3] = {-1e30, -1e30, -1e30};
  for (std::size_t i = 0; i < l.frame.x.size(); ++i) {
    l.frame.x[i] = xyz[3 * i], l.frame.y[i] = xyz[3 * i + 1], l.frame.z[i] = xyz[3 * i + 2];
    for (int k = 0; k < 3; ++k)
      lo[k] = std::min(lo[k], xyz[3 * i + k]), hi[k] = std::max(hi[k], xyz[3 * i + k]);
  }
  l.types.assign(l.frame.x.size(), 1);
  double best = 1e30;
  for (std::size_t i = 0; i < l.frame.x.size(); ++i) {
    const double d =
        std::hypot(l.frame.x[i] - (lo[0] + hi[0]) / 2, l.frame.y[i] - (lo[1] + hi[1]) / 2,
                   l.frame.z[i] - (lo[2] + hi[2]) / 2);
    if (d < best) best = d, l.absorber.number = static_cast<std::int32_t>(i) + 1;
  }
  return l;
}

// Seconds per frame of the full enumeration on the cut, for one choice.
double brute_seconds(const std::vector<std::vector<double>>& cut,
                     const kirne::DistributionChoice& choice, reference::Histograms& h) {
  const auto start = std::chrono::steady_clock::now();
  for (const auto& xyz : cut) {
    const Loaded l = load(xyz);
    reference::brute_force_add(l.frame, l.types, l.absorber.index(), choice, h);
  }
  return seconds_since(start) / static_cast<double>(cut.size());
}

bool fast_agrees(const std::vector<std::vector<double>>& cut, const reference::Histograms& h) {
  auto fast = std::make_unique<kirne::Histograms>();
  for (const auto& xyz : cut) {
    const Loaded l = load(xyz);
    kirne::Neighbourhood around;
    kirne::NeighbourSearch(l.frame, nullptr, kirne::search_radius(bench_rmax))
        .find(l.absorber.index(), around);
    kirne::add_absorber_contributions(around, l.types, {true, true, true}, bench_rmax, *fast);
  }
  const int written = static_cast<int>(std::floor(bench_rmax / kirne::kBinWidth + 1e-9));
  for (int bin = 1; bin <= written; ++bin) {
    if (fast->g2[bin] != h.g2[bin] || fast->g3[bin] != h.g3[bin] || fast->g4[bin] != h.g4[bin])
      return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // An empty argument keeps the default.
  auto given = [&](int i, const char* fallback) {
    return fs::absolute(argc > i && *argv[i] != '\0' ? argv[i] : fallback);
  };
  const fs::path trajectory = given(1, KIRNE_BENCH_TRAJECTORY);
  const std::string binary = given(2, KIRNE_BINARY).string();
  if (argc > 3) bench_rmax = std::atof(argv[3]);
  const fs::path dir =
      fs::temp_directory_path() / ("kirne-distribution-bench-" + std::to_string(getpid()));
  fs::create_directories(dir);
  fs::create_symlink(trajectory, dir / "traj.xyz");
  const auto frames = read_frames(trajectory, 0, 0);
  const double frame_count = static_cast<double>(frames.size());
  const int atoms = frames.empty() ? 0 : static_cast<int>(frames[0].size() / 3);
  std::printf("trajectory %s: %zu frames of %d atoms, Rmax %.1f\n", trajectory.c_str(),
              frames.size(), atoms, bench_rmax);

  // 1. The real program, best of two runs each.
  const std::string head = "Cu\n\ntraj\n" + std::to_string(bench_rmax) + "\ny\n";
  const std::string all = head + "y\ny\n", g2_only = head + "n\nn\n";
  Timing full{1e30, 0}, plain{1e30, 0};
  for (int pass = 0; pass < 2; ++pass) {
    const Timing f = run_interactive(binary, dir, all);
    const Timing p = run_interactive(binary, dir, g2_only);
    if (f.wall < full.wall) full = f;
    if (p.wall < plain.wall) plain = p;
  }
  std::printf("kirne G2+G3+G4: %.5f s/frame wall, %.5f s/frame cpu\n", full.wall / frame_count,
              full.cpu / frame_count);
  std::printf("kirne G2 only : %.5f s/frame wall, %.5f s/frame cpu\n", plain.wall / frame_count,
              plain.cpu / frame_count);
  std::printf("G3+G4 cost %.2fx the G2-only run (target at most 3x)\n", full.wall / plain.wall);

  // 2. The accumulation alone, G3 and G4, on the full frames.
  auto histograms = std::make_unique<kirne::Histograms>();
  double paths = 0.0;
  for (const auto& xyz : frames) {
    const Loaded l = load(xyz);
    const auto start = std::chrono::steady_clock::now();
    kirne::Neighbourhood around;
    kirne::NeighbourSearch(l.frame, nullptr, kirne::search_radius(bench_rmax))
        .find(l.absorber.index(), around);
    kirne::add_absorber_contributions(around, l.types, {false, true, true}, bench_rmax,
                                      *histograms);
    paths += seconds_since(start);
  }
  const double fast_per_frame = paths / frame_count;
  std::printf("accumulation alone, G3+G4: %.6f s/frame\n", fast_per_frame);

  // 3. The full enumeration on the cut, extrapolated.
  auto cut = read_frames(trajectory, CUT_FRAMES, CUT_ATOMS);
  reference::Histograms h;
  const double g2 = brute_seconds(cut, {true, false, false}, h);
  const double g3 = brute_seconds(cut, {false, true, false}, h);
  const double g4 = brute_seconds(cut, {false, false, true}, h);
  const double scale = static_cast<double>(atoms) / CUT_ATOMS;
  const double g34_whole = g3 * scale * scale + g4 * scale * scale * scale;
  std::printf("full enumeration, %d atoms: G2 %.6f s, G3 %.4f s, G4 %.3f s per frame\n", CUT_ATOMS,
              g2, g3, g4);
  std::printf("extrapolated to %d atoms: G2 %.5f s, G3 %.2f s, G4 %.1f s per frame\n", atoms,
              g2 * scale, g3 * scale * scale, g4 * scale * scale * scale);
  std::printf("G3+G4: full enumeration / accumulation = %.0fx (target at least 1000x)\n",
              g34_whole / fast_per_frame);
  std::printf("G3+G4: full enumeration / whole kirne run = %.0fx\n",
              g34_whole / (full.wall / frame_count));
  std::printf("fast and full enumeration agree on the cut: %s\n",
              fast_agrees(cut, h) ? "yes" : "NO");
  fs::remove_all(dir);
  return 0;
}
