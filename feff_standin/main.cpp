// A stand-in for the multiple-scattering program that tolva64 starts: it reads
// feff.inp in the current directory and leaves chi.dat and xmu.dat there,
// computed from the single-scattering plane-wave EXAFS equation.
#include <cstdlib>
#include <exception>
#include <iostream>

#include "common/atomic_file.hpp"
#include "feff_standin/exafs_sum.hpp"
#include "feff_standin/feff_input.hpp"
#include "feff_standin/result_files.hpp"
#include "feff_standin/run_steps.hpp"

using namespace feff_standin;

int main() {
  try {
    // 1. Read the cards and the atom list.
    const FeffInput input = parse_feff_input(read_input_text("feff.inp"));
    // 2. Find the absorber and the atoms within RMAX of it.
    const Cluster cluster = select_cluster(input);
    // 3. The absorber's edge energy places the spectrum on the energy axis.
    const double e0 = absorber_edge_energy(cluster.absorber_z, input.edge);
    // 4. Sum the single-scattering paths on the k grid.
    const std::vector<SpectrumRow> rows = exafs_spectrum(cluster, input);
    // 5. On request, take about as long as a real multiple-scattering run.
    sleep_seconds(requested_delay(std::getenv("FEFF_STANDIN_DELAY_SECONDS")));
    // 6. Write both result files; a run stopped before this leaves neither.
    const RunSummary run{input.titles, cluster.absorber_z, input.edge, e0, input.s02,
                         input.sig2,   input.rmax, static_cast<int>(cluster.scatterers.size())};
    common::write_files_atomically(
        {{"chi.dat", chi_dat_text(run, rows)}, {"xmu.dat", xmu_dat_text(run, rows)}});
  } catch (const std::exception& error) {
    // Bad input ends here, the one way out besides the failure report of a
    // file that cannot be written. No result file is written, so the
    // averager runs this cluster again next time.
    std::cerr << "feff_standin: " << error.what() << "\n";
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}
