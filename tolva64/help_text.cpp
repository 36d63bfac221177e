// What tolva64 says about itself: the text of --help and of --version.
#include "tolva64/help_text.hpp"

#include "tolva64/run_options.hpp"
#include "tolva64/version.hpp"

namespace tolva64 {

namespace {

// The defaults of --slurm are written in from the values the run uses, so
// the two cannot drift apart.
std::string with_defaults(std::string text) {
  const std::pair<const char*, std::string> fields[] = {
      {"@MAX_TASKS@", std::to_string(kDefaultMaxTasks)},
      {"@CPUS_PER_TASK@", std::to_string(kDefaultCpusPerTask)},
      {"@MAX_JOBS@", std::to_string(kMaxJobs)},
  };
  for (const auto& [field, value] : fields) {
    for (std::size_t at = text.find(field); at != std::string::npos; at = text.find(field, at)) {
      text.replace(at, std::string(field).size(), value);
    }
  }
  return text;
}

}  // namespace

std::string version_text() { return std::string("tolva64 ") + kVersion + "\n"; }

std::string help_text() {
  return with_defaults(R"(Usage: tolva64 [options]

Runs FEFF (./feff.exe) on every cluster file listed in conf.dat that has no
results yet, writes the per-cluster spectra xt.<n> and mu.<n>, and averages
the spectra of every cluster that has them, of this run and of earlier ones,
into xt_tot.txt and mu_tot.txt. The run directory holds conf.dat, pot.dat,
feff.dat, feff.exe and the cluster files; blank lines of conf.dat are passed
over, and <n> is the line number.

Beside the spectra of each cluster, made_from.<n> records what they were made
from: the cluster file, pot.dat, feff.dat and the potentials left out of
feff.inp. A cluster whose inputs have changed since is run again; results
without such a record, from an older tolva64, are taken as they are.

Without options, one FEFF runs at a time in the run directory. When standard
error is a terminal, it shows how many clusters have run, the time elapsed
and an estimate of the time left.

Running FEFF in parallel on this machine:
  -j, --jobs N         up to N FEFF runs at once (1 to @MAX_JOBS@). Each runs in its
                       own scratch directory, tolva64.scratch/<n>; the files
                       and the console lines come out as in a plain run
      --keep-scratch   keep the scratch directories after conversion
      --shard I/N      only the clusters on lines n with (n-1) mod N = I-1;
                       writes their per-cluster files and no totals. Each
                       feff.inp is the one a fresh plain run would write

Averaging without FEFF:
      --average        reads xt.<n> and mu.<n> of every line of conf.dat and
                       writes xt_tot.txt and mu_tot.txt, the standard
                       deviation (xt_std.txt, mu_std.txt) and the standard
                       error of the mean (xt_sem.txt, mu_sem.txt). Results
                       made from other inputs than those there now are left
                       out, and count as missing

Averages (plain runs, --jobs and --average):
      --common-grid    interpolates every spectrum onto the grid of the first
                       one and averages there, over the points every cluster
                       reaches; the default averages row by row
      --align-edge     with --common-grid: mu(E) relative to each cluster's
                       edge (its first row, k = 0), placed at the mean edge
  Besides xt_tot.txt and mu_tot.txt, every run that averages writes
  chi_avg.dat and mu_avg.dat: a # header, then axis, average, standard
  deviation and standard error per row.

FEFF input:
      --drop-absent-potentials
                       leaves out of feff.inp every potential with no atom
                       within RMAX of feff.dat, and numbers the rest anew,
                       so FEFF 8.5L can run such a cluster. Without it, such a
                       cluster is named in a warning before FEFF runs

Running on a Slurm cluster:
      --slurm          writes tolva64.sbatch, a job array of shards, and
                       prints how to submit it with the averaging after it
  -p, --partition P    partition of the jobs (default: the cluster's default)
      --tasks N        number of array tasks, i.e. shards (default: the
                       number of clusters, at most @MAX_TASKS@)
  -c, --cpus-per-task N  cores per task, FEFF runs at once in a task
                       (default: @CPUS_PER_TASK@)

  -h, --help           shows this text
      --version        shows the version

Exit codes:
  0    every cluster of conf.dat (of the shard) has results; --help,
       --version and --slurm when they have printed or written their part
  1    a required file or a cluster file is missing
  2    a bad command line
  3    some clusters have no FEFF result; the averages cover the others.
       Each failure is named when it happens, and the list is in
       tolva64.failed (tolva64.failed.<I>of<N> for a shard)
  4    no cluster has a FEFF result
  217  a file or number error (report on stderr), or FEFF cannot be started
)");
}

}  // namespace tolva64
