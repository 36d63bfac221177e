// tolva64: runs FEFF on every cluster file of conf.dat that has no results
// yet and averages the spectra over the clusters of the run. Its options run
// FEFF in parallel, split the list into shards for a batch job array, average
// finished results, or write the batch script.
#include "tolva64/batch_script.hpp"
#include "common/cluster_list.hpp"
#include "common/failure.hpp"
#include "tolva64/result_averaging.hpp"
#include "tolva64/run_driver.hpp"
#include "tolva64/run_options.hpp"
#include "tolva64/scratch_run.hpp"

namespace {

using namespace tolva64;

// No options: one FEFF after the other, in the run directory.
void plain_run(const RunFiles& files) {
  SpectrumTotals totals;  // starts empty: every run averages its own clusters

  print_banner();                       // 1. banner
  check_required_files(files);          // 2. conf.dat, pot.dat, feff.dat, feff.exe
  walk_cluster_list(files, totals);     // 3. potential map, then cluster by cluster
  write_averages(files, totals);        // 4. xt_tot.txt, mu_tot.txt
  print_closing_lines(totals);          // 5. closing lines
}

// --jobs, --shard: FEFF in scratch directories, several at once.
void scratch_run(const RunFiles& files, const RunOptions& options) {
  SpectrumTotals totals;

  print_banner();                                          // 1. banner
  check_required_files(files);                             // 2. the four required files
  walk_cluster_list_in_scratch(files, options, totals);    // 3. the clusters, N at a time
  if (options.shard) {
    print_shard_closing_lines(*options.shard);             // 4. a shard leaves the totals
    return;
  }
  write_averages(files, totals);                           // 4. xt_tot.txt, mu_tot.txt
  print_closing_lines(totals);                             // 5. closing lines
}

// --average: the totals over every cluster's files, without FEFF.
void average_run(const RunFiles& files) {
  const SpreadFiles spread_files;
  ResultTotals totals;

  print_banner();                                               // 1. banner
  check_cluster_list(files);                                    // 2. only conf.dat is needed
  gather_cluster_results(files, totals);                        // 3. xt.<n>, mu.<n> in order
  write_result_averages(files, spread_files, totals);           // 4. averages and spread
  print_average_closing_lines(files, spread_files, totals);     // 5. closing lines
}

// --slurm: the job-array script and how to submit it.
void batch_script_run(const RunFiles& files, const RunOptions& options) {
  print_banner();                                                // 1. banner
  check_required_files(files);                                   // 2. what the tasks need
  int clusters = common::count_clusters(files.cluster_list);             // 3. size of the list
  write_batch_script(batch_settings_for(options, clusters), clusters);  // 4. the script
}

}  // namespace

int main(int argc, char** argv) {
  const RunOptions options = read_command_line(argc, argv);  // stops on a bad command line
  const RunFiles files;
  switch (options.mode) {
    case RunMode::PLAIN: plain_run(files); break;
    case RunMode::SCRATCH: scratch_run(files, options); break;
    case RunMode::AVERAGE: average_run(files); break;
    case RunMode::BATCH_SCRIPT: batch_script_run(files, options); break;
    case RunMode::HELP: break;  // printed while reading the command line
  }
  common::stop_program(0);  // passes on what is still buffered
}
