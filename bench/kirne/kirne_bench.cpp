// Speed and memory of kirne on a real trajectory, printed as figures.
//   kirne_bench [trajectory] [kirne binary]
// 1. The trajectory reader alone, in this process: MB/s of trajectory text.
// 2. The whole program in argument-list mode (clusters and G2 included), as
//    a child process: wall time, CPU time, MB/s and peak memory, for the
//    whole file and for its first 10 frames, to show that memory does not
//    grow with the number of frames.
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

ChildRun run_kirne(const std::string& binary, const std::string& base, const fs::path& dir) {
  std::vector<std::string> words{binary, base, "0", "0", "8.0", "Cu", "0"};
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

void bench_program(const std::string& binary, const fs::path& trajectory, const fs::path& dir,
                   const char* label) {
  ChildRun best;
  for (int pass = 0; pass < 3; ++pass) {
    ChildRun run = run_kirne(binary, "traj", dir);
    if (pass == 0 || run.wall < best.wall) best = run;
  }
  double mb = megabytes(fs::file_size(trajectory));
  std::printf(
      "%s: exit %d, %.2f MB, wall %.3f s (%.0f MB/s), cpu %.3f s (%.0f MB/s), "
      "max RSS %ld KB\n",
      label, WIFEXITED(best.status) ? WEXITSTATUS(best.status) : -1, mb, best.wall, mb / best.wall,
      best.cpu, mb / best.cpu, best.max_rss_kb);
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

}  // namespace

int main(int argc, char** argv) {
  fs::path trajectory = argc > 1 ? argv[1] : KIRNE_BENCH_TRAJECTORY;
  std::string binary = argc > 2 ? argv[2] : KIRNE_BINARY;
  bench_reader(trajectory);

  fs::path dir = fs::temp_directory_path() / ("kirne-bench-" + std::to_string(getpid()));
  fs::create_directories(dir / "full");
  fs::create_directories(dir / "cut");
  fs::create_symlink(fs::absolute(trajectory), dir / "full" / "traj.xyz");
  write_cut(trajectory, dir / "cut" / "traj.xyz", 10);
  bench_program(binary, dir / "full" / "traj.xyz", dir / "full", "whole run, all frames");
  bench_program(binary, dir / "cut" / "traj.xyz", dir / "cut", "whole run, 10 frames ");
  fs::remove_all(dir);
  return 0;
}
