#!/usr/bin/env bash
# Wall time of one FEFF 8.5L calculation on each reference input (copper and
# an iron oxide MD cluster): through the feff8l driver, and the six modules
# started by hand in the run directory, so the driver's own cost shows as the
# difference. Prints the median of RUNS runs (default 7) of each.
#   bench/feff8l/run_time.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(readlink -f "${1:-build}")
driver="$build/feff8l/feff8l"
modules="$build/feff85exafs"
[ -x "$driver" ] && [ -x "$modules/feff8l_ff2x" ] ||
  { echo "build feff8l in $build first" >&2; exit 1; }
runs=${RUNS:-7}
data=$(pwd)/tests/data/feff8l

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One calculation in a fresh directory holding only feff.inp.
through_driver() { "$driver"; }
by_hand() {
  local module
  for module in rdinp pot xsph pathfinder genfmt ff2x; do
    "$modules/feff8l_$module" >/dev/null 2>&1
  done
}

# Median seconds of wall time of `runs` calculations of the input.
median_time() {
  local input=$1 how=$2 run start end
  for run in $(seq 1 "$runs"); do
    rm -rf "$work/run" && mkdir "$work/run" && cp "$data/$input/feff.inp" "$work/run/"
    start=$(date +%s.%N)
    (cd "$work/run" && "$how")
    end=$(date +%s.%N)
    [ -s "$work/run/chi.dat" ] || { echo "no chi.dat from $how on $input" >&2; exit 1; }
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.4f\n", e - s }'
  done | sort -n | awk '{ t[NR] = $1 } END { printf "%.3f", t[int((NR + 1) / 2)] }'
}

printf '%-8s %12s %12s %12s\n' input "driver (s)" "by hand (s)" "driver cost"
for input in cu feo_md; do
  driven=$(median_time "$input" through_driver)
  manual=$(median_time "$input" by_hand)
  awk -v i="$input" -v d="$driven" -v m="$manual" \
    'BEGIN { printf "%-8s %12.3f %12.3f %+12.3f\n", i, d, m, d - m }'
done
