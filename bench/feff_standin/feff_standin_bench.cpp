// Speed of the stand-in on a 100-atom copper cluster. The real program takes
// 0.25 to 1.5 s per cluster; the stand-in should stay well under 10 ms. The
// start of /bin/true is timed alongside as the floor that any program pays.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "feff_standin/exafs_sum.hpp"
#include "feff_standin/feff_input.hpp"
#include "feff_standin/result_files.hpp"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace feff_standin;

// The absorber and its 99 nearest neighbours in fcc copper, a = 3.61 Å.
std::string hundred_atom_input() {
  struct P { double x, y, z, r; };
  std::vector<P> sites;
  const double h = 3.61 / 2.0;
  for (int i = -4; i <= 4; ++i)
    for (int j = -4; j <= 4; ++j)
      for (int k = -4; k <= 4; ++k)
        if ((i + j + k) % 2 == 0) {
          const double x = i * h, y = j * h, z = k * h;
          sites.push_back({x, y, z, std::sqrt(x * x + y * y + z * z)});
        }
  std::stable_sort(sites.begin(), sites.end(), [](const P& a, const P& b) { return a.r < b.r; });
  std::string text = " TITLE bench\r\n EDGE K\r\n RMAX 10.0\r\n POTENTIALS\r\n"
                     "     0  29  Cu\r\n     1  29  Cu\r\n ATOMS\r\n";
  char line[128];
  for (std::size_t n = 0; n < 100; ++n) {
    std::snprintf(line, sizeof line, " %10.5f %10.5f %10.5f %5d %10.5f\r\n", sites[n].x,
                  sites[n].y, sites[n].z, n == 0 ? 0 : 1, sites[n].r);
    text += line;
  }
  return text + " END\r\n";
}

double now_ms(clockid_t clock) {
  timespec t{};
  clock_gettime(clock, &t);
  return t.tv_sec * 1e3 + t.tv_nsec * 1e-6;
}

// Median time in milliseconds of `runs` calls, on the given clock: processor
// time of this thread for work done here (the machine is shared, and wall
// time counts the waits for a core), wall time for waiting on a child.
double median_ms(int runs, const std::function<void()>& work,
                 clockid_t clock = CLOCK_THREAD_CPUTIME_ID) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    const double start = now_ms(clock);
    work();
    ms.push_back(now_ms(clock) - start);
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

// Runs the program in dir, waits for it, and returns the processor time (user
// plus system, ms) it used; on a loaded machine this varies less than the
// wall time.
double run_in(const fs::path& dir, const char* program) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
  char* argv[] = {const_cast<char*>(program), nullptr};
  pid_t pid = 0;
  double cpu_ms = 0.0;
  if (posix_spawn(&pid, program, &actions, nullptr, argv, environ) == 0) {
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    cpu_ms = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
             (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-3;
  }
  posix_spawn_file_actions_destroy(&actions);
  return cpu_ms;
}

// Median wall time and median processor time (ms) of `runs` starts.
std::pair<double, double> time_program(const fs::path& dir, const char* program, int runs) {
  std::vector<double> cpu;
  const double wall =
      median_ms(runs, [&] { cpu.push_back(run_in(dir, program)); }, CLOCK_MONOTONIC);
  std::sort(cpu.begin(), cpu.end());
  return {wall, cpu[cpu.size() / 2]};
}

}  // namespace

int main() {
  const std::string text = hundred_atom_input();
  FeffInput input;
  const double parse_ms = median_ms(200, [&] { input = parse_feff_input(text); });
  const Cluster cluster = select_cluster(input);
  std::vector<SpectrumRow> rows;
  const double sum_ms = median_ms(200, [&] { rows = exafs_spectrum(cluster, input); });
  RunSummary run;
  run.edge_energy = 8978.9;
  std::size_t bytes = 0;
  const double text_ms = median_ms(200, [&] {
    bytes = chi_dat_text(run, rows).size() + xmu_dat_text(run, rows).size();
  });
  // Last, so that it runs on a warmed-up processor like the parts above.
  std::size_t scatterers = 0;
  const double model_ms = median_ms(200, [&] {
    const FeffInput input = parse_feff_input(text);
    const Cluster cluster = select_cluster(input);
    scatterers = cluster.scatterers.size();
    const auto rows = exafs_spectrum(cluster, input);
    RunSummary run;
    run.edge_energy = 8978.9;
    const std::string out = chi_dat_text(run, rows) + xmu_dat_text(run, rows);
    if (out.empty()) std::puts("empty output");
  });
  const fs::path dir = fs::temp_directory_path() / ("feff_standin_bench_" +
                                                    std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "feff.inp", std::ios::binary) << text;
  const auto [program_ms, program_cpu] = time_program(dir, FEFF_STANDIN_EXE, 50);
  const auto [floor_ms, floor_cpu] = time_program(dir, "/bin/true", 50);
  const bool wrote = fs::exists(dir / "chi.dat") && fs::exists(dir / "xmu.dat");
  fs::remove_all(dir);
  std::printf("cluster: 100 atoms, %zu scatterers within RMAX, 401 k points\n", scatterers);
  std::printf("processor time, median of 200 runs:\n");
  std::printf("model, parse to both file texts:                 %8.3f ms\n", model_ms);
  std::printf("  of which reading feff.inp:                    %8.3f ms\n", parse_ms);
  std::printf("  of which the path sum:                         %8.3f ms\n", sum_ms);
  std::printf("  of which the two file texts (%zu bytes):     %8.3f ms\n", bytes, text_ms);
  std::printf("whole program, files written (median of 50): %8.3f ms wall, %8.3f ms cpu%s\n",
              program_ms, program_cpu, wrote ? "" : "  (no result files!)");
  std::printf("baseline: start of /bin/true (median of 50):  %8.3f ms wall, %8.3f ms cpu\n",
              floor_ms, floor_cpu);
  return wrote ? 0 : 1;
}
