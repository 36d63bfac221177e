// Speed and memory of kirne on a real trajectory, printed as figures.
//   kirne_bench [trajectory] [kirne binary] [baseline kirne binary]
// 1. The trajectory reader alone, in this process: MB/s of trajectory text.
// 2. Whole runs of the program as child processes, each in a fresh
//    directory, best of three by CPU time (user + system), with peak memory:
//    - the central absorber on every frame, Rmax 6, G2: MB/s;
//    - every atom an absorber on the first 10 frames, Rmax 6, G2, without
//      and with --pbc (the copper box is a cube of 36.318846 A);
//    - a trajectory of one atom.
//    With a baseline binary every run is made with it too, for comparison
//    (it is given no options, so its --pbc line is left out).
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "kirne/frame.hpp"
#include "kirne/xyz_frame_reader.hpp"

extern char** environ;

namespace fs = std::filesystem;

namespace {

double seconds_since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The process's own CPU time: on a shared machine it shows the work done,
// where the wall clock also shows the waiting for a core.
double cpu_seconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1.0e9;
}

double megabytes(std::uintmax_t bytes) { return static_cast<double>(bytes) / 1.0e6; }

// Best of a few passes, so that a busy machine shows its quietest figure.
void bench_reader(const fs::path& trajectory) {
  kirne::Frame frame;
  double best = 1.0e30;
  double best_cpu = 1.0e30;
  int frames = 0;
  for (int pass = 0; pass < 7; ++pass) {
    auto start = std::chrono::steady_clock::now();
    double cpu_start = cpu_seconds();
    common::TextInput input = common::TextInput::open_file(trajectory.string());
    const std::string path = trajectory.string();
    const kirne::XyzReading reading{&path};
    frames = 0;
    while (!input.only_white_space_left()) kirne::read_xyz_frame(input, ++frames, reading, frame);
    input.close();
    best = std::min(best, seconds_since(start));
    best_cpu = std::min(best_cpu, cpu_seconds() - cpu_start);
  }
  double mb = megabytes(fs::file_size(trajectory));
  std::printf("reader alone: %d frames, %.2f MB, wall %.4f s (%.0f MB/s), cpu %.4f s (%.0f MB/s)\n",
              frames, mb, best, mb / best, best_cpu, mb / best_cpu);
}

struct ChildRun {
  int status = -1;
  double wall = 0.0;
  double cpu = 0.0;
  long max_rss_kb = 0;
};

ChildRun run_kirne(const std::string& binary, std::vector<std::string> words, const fs::path& dir) {
  words.insert(words.begin(), binary);
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  ChildRun run;
  auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, binary.c_str(), &actions, nullptr, argv.data(), environ) != 0) return run;
  struct rusage usage {};
  wait4(pid, &run.status, 0, &usage);
  run.wall = seconds_since(start);
  run.cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
            static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1.0e6;
  run.max_rss_kb = usage.ru_maxrss;
  posix_spawn_file_actions_destroy(&actions);
  return run;
}

// Best of three runs by CPU time, each in a fresh directory beside `input`.
ChildRun best_run(const std::string& binary, const std::vector<std::string>& words,
                  const fs::path& input) {
  ChildRun best;
  for (int pass = 0; pass < 3; ++pass) {
    const fs::path dir = input.parent_path() / ("run" + std::to_string(pass));
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::create_symlink(input, dir / input.filename());
    ChildRun run = run_kirne(binary, words, dir);
    if (pass == 0 || run.cpu < best.cpu) best = run;
    fs::remove_all(dir);
  }
  return best;
}

void print_run(const char* label, const ChildRun& run, double mb) {
  std::printf("  %-32s exit %d, wall %.3f s, cpu %.3f s", label,
              WIFEXITED(run.status) ? WEXITSTATUS(run.status) : -1, run.wall, run.cpu);
  if (mb > 0.0) std::printf(" (%.0f MB/s wall, %.0f MB/s cpu)", mb / run.wall, mb / run.cpu);
  std::printf(", max RSS %ld KB\n", run.max_rss_kb);
}

// The first `frames` frames of a trajectory whose frames all have one count.
void write_cut(const fs::path& from, const fs::path& to, int frames) {
  std::ifstream in(from, std::ios::binary);
  std::ofstream out(to, std::ios::binary);
  std::string line;
  for (int f = 0; f < frames && std::getline(in, line); ++f) {
    long atoms = std::stol(line);
    out << line << '\n';
    for (long i = 0; i <= atoms && std::getline(in, line); ++i) out << line << '\n';
  }
}

struct Inputs {
  fs::path full, cut, single;
};

void bench_binary(const char* name, const std::string& binary, const Inputs& in, bool options) {
  std::printf("%s (%s):\n", name, binary.c_str());
  const double full_mb = megabytes(fs::file_size(in.full));
  print_run("central absorber, all frames",
            best_run(binary, {"traj", "0", "0", "6", "Cu", "0"}, in.full), full_mb);
  const ChildRun every = best_run(binary, {"cut", "0", "0", "6", "Cu", "-4000"}, in.cut);
  print_run("every atom, 10 frames", every, 0.0);
  if (options) {
    const std::string edge = "36.318846";
    const ChildRun pbc = best_run(
        binary, {"--pbc", "--cell", edge, edge, edge, "cut", "0", "0", "6", "Cu", "-4000"}, in.cut);
    print_run("every atom, 10 frames, --pbc", pbc, 0.0);
    std::printf("  --pbc / plain CPU time: %.2f\n", pbc.cpu / every.cpu);
  }
  const ChildRun one = best_run(binary, {"one", "0", "0", "6", "Cu", "0"}, in.single);
  print_run("one-atom trajectory", one, 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  fs::path trajectory = fs::absolute(argc > 1 ? argv[1] : KIRNE_BENCH_TRAJECTORY);
  std::string binary = fs::absolute(argc > 2 ? argv[2] : KIRNE_BINARY).string();
  bench_reader(trajectory);

  const fs::path dir = fs::temp_directory_path() / ("kirne-bench-" + std::to_string(getpid()));
  const Inputs in{dir / "full" / "traj.xyz", dir / "cut" / "cut.xyz", dir / "one" / "one.xyz"};
  for (const fs::path& p : {in.full, in.cut, in.single}) fs::create_directories(p.parent_path());
  fs::create_symlink(trajectory, in.full);
  write_cut(trajectory, in.cut, 10);
  std::ofstream(in.single) << "1\n\nCu 0 0 0\n";
  bench_binary("kirne", binary, in, true);
  if (argc > 3) bench_binary("baseline", fs::absolute(argv[3]).string(), in, false);
  fs::remove_all(dir);
  return 0;
}
