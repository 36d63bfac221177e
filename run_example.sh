#!/usr/bin/env bash
# The main job, end to end, on the bundled copper trajectory:
#   1. builds the programs;
#   2. runs kirne: a cluster of 6 A around the copper atom nearest the centre of
#      the first frame, in each of the 100 frames, and G2;
#   3. writes pot.dat and feff.dat for copper, and places the FEFF stand-in as feff.exe;
#   4. runs tolva64: one stand-in run per cluster, then the averages over all clusters;
#   5. draws the results with gnuplot.
# Everything happens in ./run (or RUN_DIR). A second call resumes: kirne is not
# repeated once its tables exist, and tolva64 skips the clusters already done.
set -euo pipefail
cd "$(dirname "$0")"
top=$(pwd)
run_dir=${RUN_DIR:-$top/run}
build_dir=${BUILD_DIR:-$top/build}
trajectory=cu300

./scripts/install_deps.sh gnuplot-nox
cmake -S . -B "$build_dir" >/dev/null
cmake --build "$build_dir" -j"$(nproc)" --target kirne tolva64 feff_standin

mkdir -p "$run_dir"
cd "$run_dir"
if [ ! -s g2_tot.txt ]; then
  cp "$top/examples/$trajectory.xyz" .
  "$build_dir/kirne/kirne" "$trajectory" 0 0 6.0 Cu 0
fi

# Type index 0 is the absorber, 1 every other copper atom.
printf '%s\n' '* type index, FEFF potential, element' ' 0 0 Cu' ' 1 1 Cu' > pot.dat
printf '%s\n' ' EDGE      K' ' S02       1.0' ' EXAFS     20' ' RMAX      6.0' \
  ' POTENTIALS' '     0  29  Cu' '     1  29  Cu' ' ATOMS' > feff.dat
cp "$build_dir/feff_standin/feff_standin" feff.exe

"$build_dir/tolva64/tolva64"
# A resumed run averages only the clusters it ran FEFF on: rebuild the
# totals, with their spread, from every cluster's files.
"$build_dir/tolva64/tolva64" --average
"$top/scripts/plot_results.sh" "$run_dir"

cat <<MSG

Results in $run_dir:
  conf.dat, ${trajectory}_N.xyz   cluster list and cluster files (kirne)
  g2_tot.txt, g2_CU-CU.txt     G2 and the partial RDF (kirne)
  xt.NNN, mu.NNN               chi(k) and mu(E) of each cluster (tolva64)
  xt_tot.txt, mu_tot.txt       configuration averages (tolva64)
  xt_std.txt, xt_sem.txt, ...  their standard deviation and standard error
Pictures:
  $run_dir/chi_k2.png  $run_dir/chi_ft.png  $run_dir/mu.png  $run_dir/g2.png
MSG
