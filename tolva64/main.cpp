// tolva64: runs FEFF on every cluster file of conf.dat that has no results
// made from its present inputs, and averages the spectra over every cluster
// that has results. Its options run FEFF in parallel, split the list into
// shards for a batch job array, average finished results, or write the batch
// script.
#include <cstdio>
#include <string>
#include <vector>

#include "tolva64/average_run.hpp"
#include "tolva64/batch_script.hpp"
#include "tolva64/help_text.hpp"
#include "tolva64/orderly_stop.hpp"
#include "tolva64/plain_run.hpp"
#include "tolva64/run_options.hpp"
#include "tolva64/scratch_run.hpp"

namespace {

using namespace tolva64;

int run(const RunOptions& options) {
  const RunFiles files;
  switch (options.mode) {
    case RunMode::Plain: return run_plain(files, options);
    case RunMode::Scratch: return run_in_scratch(files, options);
    case RunMode::Average: return run_average(files, options);
    case RunMode::BatchScript: return run_batch_script(files, options);
  }
  return kExitDone;
}

// --help and --version: the text on standard output, and a normal end.
[[noreturn]] void print_and_end(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  end_run(kExitDone);
}

}  // namespace

int main(int argc, char** argv) {
  const CommandLine command_line =
      parse_command_line(std::vector<std::string>(argv + 1, argv + argc));
  switch (command_line.action) {
    case CommandLineAction::Error: stop_on_command_line(command_line.error);
    case CommandLineAction::Help: print_and_end(help_text());
    case CommandLineAction::Version: print_and_end(version_text());
    case CommandLineAction::Run: end_run(run(command_line.options));
  }
  end_run(kExitDone);
}
