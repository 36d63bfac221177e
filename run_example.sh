#!/usr/bin/env bash
# The main job, end to end, on the bundled copper trajectory:
#   1. builds the programs, in the build tree the tests use (same options, so
#      neither command rebuilds what the other built);
#   2. runs kirne with periodic boundaries (the box is a cube of 36.318846 A):
#      a cluster of 6 A around the copper atom nearest the centre of the first
#      frame, in each of the 100 frames, with G2 and g(r);
#   3. writes pot.dat and feff.dat for copper and installs FEFF 8.5L's driver
#      as feff.exe (with --standin, the fast FEFF stand-in instead: a quick look
#      only, its spectra are a model);
#   4. runs tolva64 with one FEFF at a time per core, mu(E) averaged on one
#      energy grid, then the averages with their spread over every cluster;
#   5. draws the results with gnuplot.
# Everything happens in ./run (./run-standin with --standin), or RUN_DIR. A
# second call resumes: kirne is not repeated once its tables exist, and
# tolva64 skips the clusters already done. Any failure stops the job with a
# non-zero exit code.
# Usage: ./run_example.sh [--standin]
set -euo pipefail
cd "$(dirname "$0")"
top=$(pwd)
feff=feff8l
case "${1:-}" in
  "") ;;
  --standin) feff=standin ;;
  *) echo "usage: $0 [--standin]" >&2; exit 2 ;;
esac
run_dir=${RUN_DIR:-$top/run$([ "$feff" = standin ] && echo -standin || true)}
build_dir=${BUILD_DIR:-$top/build}
trajectory=cu300
jobs=$(nproc)

./scripts/install_deps.sh gnuplot-nox
./scripts/configure_build.sh "$build_dir"
cmake --build "$build_dir" -j"$jobs" --target kirne tolva64 feff8l feff_standin

mkdir -p "$run_dir"
cd "$run_dir"
if [ ! -s g2_tot.txt ]; then
  cp "$top/examples/$trajectory.xyz" .
  "$build_dir/kirne/kirne" --pbc --cell 36.318846 36.318846 36.318846 \
    "$trajectory" 0 0 6.0 Cu 0
fi

# Type index 0 is the absorber, 1 every other copper atom.
printf '%s\n' '* type index, FEFF potential, element' ' 0 0 Cu' ' 1 1 Cu' > pot.dat
printf '%s\n' ' EDGE      K' ' S02       1.0' ' CONTROL   1 1 1 1 1 1' ' PRINT     1 0 0 0 0 0' \
  ' EXAFS     20' ' RMAX      6.0' ' POTENTIALS' '     0  29  Cu' '     1  29  Cu' ' ATOMS' \
  > feff.dat
if [ "$feff" = feff8l ]; then
  "$build_dir/feff8l/feff8l" --install .
else
  cp "$build_dir/feff_standin/feff_standin" feff.exe
fi

"$build_dir/tolva64/tolva64" --jobs "$jobs" --common-grid
# The spread of the clusters about their average, beside the average itself.
"$build_dir/tolva64/tolva64" --average --common-grid
"$top/scripts/plot_results.sh" "$run_dir"

cat <<MSG

Results in $run_dir (FEFF: $feff):
  conf.dat, ${trajectory}_N.xyz      cluster list and cluster files (kirne)
  g2_tot.txt, g2_CU-CU.txt      G2 and the partial RDF (kirne)
  gr_tot.txt, gr_CU-CU.txt      g(r) and the running coordination number (kirne)
  xt.NNN, mu.NNN                chi(k) and mu(E) of each cluster (tolva64)
  xt_tot.txt, mu_tot.txt        configuration averages (tolva64)
  chi_avg.dat, mu_avg.dat       the averages with their spread, for analysis programs
Pictures:
  $run_dir/chi_k2.png  $run_dir/chi_ft.png  $run_dir/mu.png  $run_dir/g2.png  $run_dir/gr.png
MSG
