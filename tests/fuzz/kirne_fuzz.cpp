// Randomized robustness test of kirne, bounded by iterations and seconds.
//   kirne_fuzz [--iterations N] [--seconds S] [--seed X] [--binary PATH]
// KIRNE_FUZZ_SECONDS in the environment sets the time budget as well.
// Each iteration takes a mutated trajectory and (the program, which costs
// far more per run, on every fourth iteration)
// 1. reads it with the trajectory reader in a forked child: the child must
//    end with 0 (read to the end, or an orderly stop) or 217 (the failure
//    report), never by a signal or a hang;
// 2. runs the real kirne on it with random arguments and answers, one run
//    in four with files limited to a few kilobytes, as on a full disk. It
//    must end with one of the documented codes: 0, warnings alone on
//    standard error; 1, an orderly stop whose line ends both standard
//    output and standard error; 217, the failure report. Every cluster file
//    that conf.dat names is whole (header to the last placeholder line),
//    except that after a failure the last may be absent.
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

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The number of types the run announced on standard output, or -1.
int announced_types(const std::string& out) {
  static const std::string kLabel = "Number of different atoms: ";
  const std::size_t at = out.find(kLabel);
  return at == std::string::npos ? -1 : std::atoi(out.c_str() + at + kLabel.size());
}

// A whole cluster file: its header, then its lines up to the placeholders
// of every type, the last of them ending the file.
bool whole_cluster(const std::string& text, int types) {
  std::string placeholders;
  for (int i = 1; i <= types; ++i) {
    placeholders += std::to_string(i) + " 100 100 " + std::to_string(10 * i) + "\r\n";
  }
  return types > 0 && text.rfind("# Cluster: ", 0) == 0 && text.size() > placeholders.size() &&
         text.compare(text.size() - placeholders.size(), placeholders.size(), placeholders) == 0 &&
         text[text.size() - placeholders.size() - 1] == '\n';
}

std::string check_listed_clusters(const fs::path& dir, const ChildResult& result) {
  const std::vector<std::string> names = lines_of(slurp(dir / "conf.dat"));
  const int types = announced_types(result.out);
  const bool failed = result.code == 217;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (!fs::exists(dir / names[i]) && failed && i + 1 == names.size()) continue;
    if (!fs::is_regular_file(dir / names[i])) return "conf.dat names " + names[i] + ", absent";
    if (!whole_cluster(slurp(dir / names[i]), types)) {
      return "conf.dat names " + names[i] + ", which is not whole";
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

// Exit 0 and 1 say on standard error only what the documented lines say.
std::string check_exit_lines(const ChildResult& result) {
  std::vector<std::string> err = lines_of(result.err);
  if (result.code == 1) {
    // On standard output the line may follow a prompt that the stop cut short.
    const std::vector<std::string> out = lines_of(result.out);
    const bool ends_both = !err.empty() && !err.back().empty() && !out.empty() &&
                           out.back().size() >= err.back().size() &&
                           out.back().compare(out.back().size() - err.back().size(),
                                              err.back().size(), err.back()) == 0;
    if (!ends_both) {
      return "kirne: exit 1 without its line last on both streams:\n" + result.err;
    }
    err.pop_back();
  }
  for (const std::string& line : err) {
    if (line.rfind(" Warning: ", 0) != 0) {
      return "kirne: exit " + std::to_string(result.code) + " with errors:\n" + result.err;
    }
  }
  return "";
}

std::string check_program(const Options& options, const fs::path& dir, const Invocation& call,
                          long max_file_bytes) {
  ChildResult result = run_in_dir(options.binary, call.args, dir.string(), call.answers,
                                  TIME_LIMIT_SECONDS, max_file_bytes);
  if (!result.exited || (result.code != 0 && result.code != 1 && result.code != 217)) {
    return "kirne: " + describe(result) + "\n" + result.err;
  }
  if (result.code == 217 &&
      after_warnings(result.err).rfind("An unhandled exception occurred at $", 0) != 0) {
    return "kirne: exit 217 without the failure report:\n" + result.err;
  }
  if (result.code != 217) {
    if (std::string problem = check_exit_lines(result); !problem.empty()) return problem;
  }
  return check_listed_clusters(dir, result);
}

void keep_case(long iteration, const std::string& trajectory, const Invocation& call,
               long max_file_bytes, const std::string& problem) {
  fs::path dir = fs::path("kirne_fuzz_failures") / std::to_string(iteration);
  fs::create_directories(dir);
  std::ofstream(dir / "md.xyz", std::ios::binary) << trajectory;
  std::ofstream(dir / "stdin", std::ios::binary) << call.answers;
  std::ofstream args(dir / "args");
  for (const std::string& arg : call.args) args << arg << '\n';
  std::ofstream(dir / "problem") << problem << '\n';
  if (max_file_bytes > 0) std::ofstream(dir / "max_file_bytes") << max_file_bytes << '\n';
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
    const long max_file_bytes = random() % 4 == 0 ? 40 + long(random() % 1000) : 0;
    std::string problem = check_reader(trajectory);
    if (problem.empty() && iteration % PROGRAM_EVERY == 0) {
      fs::remove_all(work);
      fs::create_directories(work);
      std::ofstream(work / "md.xyz", std::ios::binary) << trajectory;
      problem = check_program(options, work, call, max_file_bytes);
      ++program_runs;
    }
    if (!problem.empty()) {
      keep_case(iteration, trajectory, call, max_file_bytes, problem);
      ++failures;
    }
  }
  fs::remove_all(work);
  fs::remove(work.string() + ".stdin");
  std::printf("kirne_fuzz: seed %llu, %ld iterations (%ld runs of kirne), %d failures\n",
              options.seed, iteration, program_runs, failures);
  return failures == 0 ? 0 : 1;
}
