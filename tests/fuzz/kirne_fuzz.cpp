// Randomized robustness test of kirne, bounded by iterations and seconds.
//   kirne_fuzz [--iterations N] [--seconds S] [--seed X] [--binary PATH]
// KIRNE_FUZZ_SECONDS in the environment sets the time budget as well.
// Each iteration takes a mutated trajectory and (the program, which costs
// far more per run, on every fourth iteration)
// 1. reads it with the trajectory reader in a forked child: the child must
//    end with 0 (read to the end, or an orderly stop) or 217 (the failure
//    report), never by a signal or a hang;
// 2. runs the real kirne on it with random arguments and answers: exit 0
//    with warnings alone on standard error, 1 (an orderly stop) with its line last
//    on standard output and standard error, or 217 with the failure report;
//    every cluster named in conf.dat exists, except the last when the run
//    failed.
// A failing case is kept in kirne_fuzz_failures/<iteration>/ for replay.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "child_process.hpp"
#include "fuzz_inputs.hpp"
#include "kirne/frame.hpp"
#include "kirne/xyz_frame_reader.hpp"

namespace fs = std::filesystem;
using namespace kirne_fuzz;

namespace {

constexpr unsigned TIME_LIMIT_SECONDS = 60;
constexpr long PROGRAM_EVERY = 4;

struct Options {
  long iterations = 500;
  double seconds = 0.0;  // 0: no time budget
  unsigned long long seed = 12345;
  std::string binary = KIRNE_BINARY;
};

Options parse_options(int argc, char** argv) {
  Options options;
  if (const char* budget = std::getenv("KIRNE_FUZZ_SECONDS")) options.seconds = std::atof(budget);
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string flag = argv[i];
    if (flag == "--iterations") options.iterations = std::atol(argv[i + 1]);
    if (flag == "--seconds") options.seconds = std::atof(argv[i + 1]);
    if (flag == "--seed") options.seed = std::strtoull(argv[i + 1], nullptr, 10);
    if (flag == "--binary") options.binary = argv[i + 1];
  }
  if (options.seconds > 0.0 && options.iterations == 500) options.iterations = 1L << 40;
  return options;
}

std::string describe(const ChildResult& result) {
  return result.exited ? "exit " + std::to_string(result.code)
                       : "signal " + std::to_string(result.code);
}

// Reads every configuration of the text, as the configuration loop does.
std::string check_reader(const std::string& trajectory) {
  ChildResult result = run_forked(
      [&trajectory] {
        common::TextInput input = common::TextInput::from_string(trajectory);
        kirne::Frame frame;
        const std::string path = "fuzz.xyz";
        const kirne::XyzReading reading{&path};
        for (std::int32_t number = 1; !input.only_white_space_left(); ++number) {
          if (kirne::read_xyz_frame(input, number, reading, frame)) break;
        }
      },
      TIME_LIMIT_SECONDS);
  if (result.exited && (result.code == 0 || result.code == 217)) return "";
  return "reader: " + describe(result);
}

std::string check_listed_clusters(const fs::path& dir, bool failed) {
  std::ifstream list(dir / "conf.dat", std::ios::binary);
  std::vector<std::string> names;
  for (std::string line; std::getline(list, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    names.push_back(line);
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    bool may_be_missing = failed && i + 1 == names.size();
    if (!may_be_missing && !fs::is_regular_file(dir / names[i])) {
      return "conf.dat names " + names[i] + ", which was not written";
    }
  }
  return "";
}

// Standard error past the warnings of the command line, which come first.
std::string after_warnings(const std::string& err) {
  std::size_t start = 0;
  while (err.compare(start, 10, " Warning: ") == 0) {
    const std::size_t end = err.find('\n', start);
    if (end == std::string::npos) return "";
    start = end + 1;
  }
  return err.substr(start);
}

std::string last_line(const std::string& text) {
  std::string rest = text;
  while (!rest.empty() && (rest.back() == '\n' || rest.back() == '\r')) rest.pop_back();
  const std::size_t newline = rest.find_last_of('\n');
  return newline == std::string::npos ? rest : rest.substr(newline + 1);
}

// An orderly stop ends both streams with its line; on standard output the
// line may follow a prompt that the stop cut short.
std::string check_stop_line(const ChildResult& result) {
  const std::string err = last_line(result.err);
  const std::string out = last_line(result.out);
  const bool ends_both = !err.empty() && out.size() >= err.size() &&
                         out.compare(out.size() - err.size(), err.size(), err) == 0;
  if (ends_both) return "";
  return "kirne: exit 1 without its line last on both streams:\n" + result.err;
}

std::string check_program(const Options& options, const fs::path& dir, const Invocation& call) {
  ChildResult result =
      run_in_dir(options.binary, call.args, dir.string(), call.answers, TIME_LIMIT_SECONDS);
  if (!result.exited || (result.code != 0 && result.code != 1 && result.code != 217)) {
    return "kirne: " + describe(result) + "\n" + result.err;
  }
  bool failed = result.code == 217;
  if (failed && after_warnings(result.err).rfind("An unhandled exception occurred at $", 0) != 0) {
    return "kirne: exit 217 without the failure report:\n" + result.err;
  }
  if (result.code == 1) {
    if (std::string problem = check_stop_line(result); !problem.empty()) return problem;
  }
  if (result.code == 0 && !after_warnings(result.err).empty()) {
    return "kirne: exit 0 with errors:\n" + result.err;
  }
  return check_listed_clusters(dir, failed);
}

void keep_case(long iteration, const std::string& trajectory, const Invocation& call,
               const std::string& problem) {
  fs::path dir = fs::path("kirne_fuzz_failures") / std::to_string(iteration);
  fs::create_directories(dir);
  std::ofstream(dir / "md.xyz", std::ios::binary) << trajectory;
  std::ofstream(dir / "stdin", std::ios::binary) << call.answers;
  std::ofstream args(dir / "args");
  for (const std::string& arg : call.args) args << arg << '\n';
  std::ofstream(dir / "problem") << problem << '\n';
  std::printf("iteration %ld: %s\n  case kept in %s\n", iteration, problem.c_str(),
              fs::absolute(dir).c_str());
}

}  // namespace

int main(int argc, char** argv) {
  Options options = parse_options(argc, argv);
  Random random(options.seed);
  std::vector<std::string> seeds = seed_trajectories(KIRNE_FUZZ_DATASETS);
  fs::path work = fs::temp_directory_path() / ("kirne-fuzz-" + std::to_string(getpid()));
  auto start = std::chrono::steady_clock::now();
  long iteration = 0;
  int failures = 0;
  long program_runs = 0;
  for (; iteration < options.iterations; ++iteration) {
    double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (options.seconds > 0.0 && elapsed >= options.seconds) break;
    std::string trajectory = mutated_trajectory(seeds, random);
    Invocation call = random_invocation(random);
    std::string problem = check_reader(trajectory);
    if (problem.empty() && iteration % PROGRAM_EVERY == 0) {
      fs::remove_all(work);
      fs::create_directories(work);
      std::ofstream(work / "md.xyz", std::ios::binary) << trajectory;
      problem = check_program(options, work, call);
      ++program_runs;
    }
    if (!problem.empty()) {
      keep_case(iteration, trajectory, call, problem);
      ++failures;
    }
  }
  fs::remove_all(work);
  fs::remove(work.string() + ".streams.in");
  fs::remove(work.string() + ".streams.out");
  fs::remove(work.string() + ".streams.err");
  std::printf("kirne_fuzz: seed %llu, %ld iterations (%ld runs of kirne), %d failures\n",
              options.seed, iteration, program_runs, failures);
  return failures == 0 ? 0 : 1;
}
