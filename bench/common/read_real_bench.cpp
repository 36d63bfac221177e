// Read throughput of the text input on a trajectory-like file, next to a
// baseline that only converts the same tokens with std::from_chars.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>

#include "common/text_input.hpp"

namespace {

constexpr int ATOMS = 4000;
constexpr int FRAMES = 100;  // about 10 MB, the size of a typical trajectory

// XYZ frames: a count line, a comment line, then "El x y z" per atom.
const std::string& trajectory_text() {
  static const std::string text = [] {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(-40.0, 40.0);
    std::string t;
    for (int frame = 0; frame < FRAMES; ++frame) {
      t += std::to_string(ATOMS) + "\n frame " + std::to_string(frame) + "\n";
      for (int atom = 0; atom < ATOMS; ++atom) {
        // Coordinates as MD codes write them: %g, six significant digits.
        char line[96];
        std::snprintf(line, sizeof line, "%s %g %g %g\n", atom % 3 == 0 ? "Fe" : "O",
                      coordinate(random), coordinate(random), coordinate(random));
        t += line;
      }
    }
    return t;
  }();
  return text;
}

const std::string& trajectory_file() {
  static const std::string path = [] {
    std::string p = "/tmp/common_bench_trajectory_" + std::to_string(::getpid()) + ".xyz";
    std::ofstream(p, std::ios::binary) << trajectory_text();
    return p;
  }();
  return path;
}

// The reads kirne makes per frame: count, comment line, then element and coordinates.
double read_frames(common::TextInput& in, std::string& line) {
  double sum = 0.0;
  while (!in.at_eof()) {
    int atoms = in.read_integer();
    in.skip_past_cr_or_lf();
    in.read_through_lf(line);
    for (int atom = 0; atom < atoms; ++atom) {
      std::string element = in.read_until_cr_or_lf(2);  // "O " takes the blank too
      sum += in.read_real() + in.read_real() + in.read_real();
      in.skip_past_cr_or_lf();
      benchmark::DoNotOptimize(element);
    }
  }
  return sum;
}

void BM_TextInputFile(benchmark::State& state) {
  const std::string& path = trajectory_file();
  std::string line;
  for (auto _ : state) {
    common::TextInput in = common::TextInput::open_file(path);
    benchmark::DoNotOptimize(read_frames(in, line));
    in.close();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(trajectory_text().size()));
}
BENCHMARK(BM_TextInputFile)->Unit(benchmark::kMillisecond);

// The bundled copper trajectory: 4000 atoms, 100 frames, 10.7 MB.
void BM_TextInputRealTrajectory(benchmark::State& state) {
  const std::string path = MDX_COPPER_TRAJECTORY;
  if (::access(path.c_str(), R_OK) != 0) {
    state.SkipWithError("examples/cu300.xyz not found");
    return;
  }
  std::string line;
  std::int64_t bytes = 0;
  for (auto _ : state) {
    common::TextInput in = common::TextInput::open_file(path);
    benchmark::DoNotOptimize(read_frames(in, line));
    in.close();
    bytes += 10748576;
  }
  state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_TextInputRealTrajectory)->Unit(benchmark::kMillisecond);

// Baseline: the coordinates alone through from_chars, with a bare token scan.
void BM_FromCharsBaseline(benchmark::State& state) {
  const std::string& text = trajectory_text();
  for (auto _ : state) {
    double sum = 0.0;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
      while (p < end && static_cast<unsigned char>(*p) <= 32) ++p;
      const char* token = p;
      while (p < end && static_cast<unsigned char>(*p) > 32) ++p;
      double v = 0.0;
      if (std::from_chars(token, p, v).ec == std::errc()) sum += v;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_FromCharsBaseline)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::remove(trajectory_file().c_str());
  benchmark::Shutdown();
  return 0;
}
