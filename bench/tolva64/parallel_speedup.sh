#!/usr/bin/env bash
# Wall time of tolva64 on 40 FeO clusters with a FEFF of fixed cost (the
# stand-in sleeping FEFF_STANDIN_DELAY_SECONDS, 0.2 s by default): a plain
# run, --jobs 2 and --jobs 4, each in a fresh copy of the same run directory.
# Prints the times and the speed-ups, and checks that every run wrote the
# same files as the plain one.
#   bench/tolva64/parallel_speedup.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(readlink -f "${1:-build}")
tolva64="$build/tolva64/tolva64"
standin="$build/feff_standin/feff_standin"
[ -x "$tolva64" ] && [ -x "$standin" ] ||
  { echo "build tolva64 and feff_standin in $build first" >&2; exit 1; }
export FEFF_STANDIN_DELAY_SECONDS=${FEFF_STANDIN_DELAY_SECONDS:-0.2}
clusters=40
data=tests/tolva64/data/feo_md

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
base="$work/base"
mkdir "$base"
cp "$data/feff.dat" "$data/pot.dat" "$base/"
cp "$standin" "$base/feff.exe"
# Cluster k: the real FeO cluster stretched a little, differently for each k.
for k in $(seq 1 $clusters); do
  awk -v k="$k" 'NR == 1 { print "# Cluster: " k "."; next }
    $2 == 100 { print; next }
    { s = 1 + 0.002 * (k % 13); printf "%s %.10f %.10f %.10f\n", $1, $2 * s, $3 * s, $4 }' \
    "$data/md_1.xyz" >"$base/md_$k.xyz"
  echo "md_$k.xyz" >>"$base/conf.dat"
done

# Seconds of wall time of one run in a fresh copy named after it.
timed_run() {
  local name=$1 start end
  shift
  cp -r "$base" "$work/$name"
  start=$(date +%s.%N)
  (cd "$work/$name" && "$tolva64" "$@" >console.txt)
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { print b - a }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { print a / b }'; }

plain=$(timed_run plain)
jobs2=$(timed_run jobs2 --jobs 2)
jobs4=$(timed_run jobs4 --jobs 4)

for name in jobs2 jobs4; do
  for f in "$work"/plain/xt.* "$work"/plain/mu.* "$work"/plain/*_tot.txt; do
    cmp -s "$f" "$work/$name/${f##*/}" ||
      { echo "$name: ${f##*/} differs" >&2; exit 1; }
  done
done

echo "tolva64 on $clusters clusters, FEFF of fixed cost ${FEFF_STANDIN_DELAY_SECONDS} s," \
  "$(nproc) cores"
printf '  plain run   %6.2f s\n' "$plain"
printf '  --jobs 2    %6.2f s   speed-up %4.2fx\n' "$jobs2" "$(ratio "$plain" "$jobs2")"
printf '  --jobs 4    %6.2f s   speed-up %4.2fx\n' "$jobs4" "$(ratio "$plain" "$jobs4")"
echo "  every run wrote the same per-cluster files and averages"
