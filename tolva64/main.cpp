// tolva64: runs FEFF on every cluster file of conf.dat that has no results
// yet and averages the spectra over the clusters of the run.
#include "common/failure.hpp"
#include "run_driver.hpp"

int main() {
  const tolva64::RunFiles files;
  tolva64::SpectrumTotals totals;  // starts empty: every run averages its own clusters

  tolva64::print_banner();                       // 1. banner
  tolva64::check_required_files(files);          // 2. conf.dat, pot.dat, feff.dat, feff.exe
  tolva64::walk_cluster_list(files, totals);     // 3. potential map, then cluster by cluster
  tolva64::write_averages(files, totals);        // 4. xt_tot.txt, mu_tot.txt
  tolva64::print_closing_lines(totals);          // 5. closing lines
  common::stop_program(0);                       // passes on what is still buffered
}
