#!/usr/bin/env bash
# tolva64 on a real Slurm cluster: writes the job-array script with
# tolva64 --slurm, submits it and the averaging exactly as tolva64 prints
# them (the averaging with sbatch --wait), and checks that every per-cluster
# file and both averages equal those of a plain run on the same clusters.
#   tests/slurm/tolva64_slurm_test.sh WORK_DIR BUILD_DIR
# Expects SLURM_CONF of a running cluster (scripts/slurm_cluster.sh start);
# scripts/slurm_integration_test.sh starts one, bounds the time and cleans up.
set -euo pipefail
work=$(readlink -f "$1")
build=$(readlink -f "$2")
repo=$(readlink -f "$(dirname "$0")/../..")
tolva64="$build/tolva64/tolva64"
data="$repo/tests/tolva64/data/feo_md"
clusters=24

fail() { echo "tolva64 slurm test: FAILED: $*" >&2; exit 1; }

# Cluster k is the real FeO cluster stretched a little; cluster 9 has one
# iron atom of type 3, which pot.dat maps to potential 1, so the dummy-atom
# lines change part-way through the list and across the shards.
make_run_directory() {
  local dir=$1 k
  mkdir -p "$dir"
  cp "$data/feff.dat" "$dir/"
  printf 'Type index -> FEFF potential\n 0 0\n 1 1\n 2 2\n 3 1\n 4 2\n' >"$dir/pot.dat"
  cp "$build/feff_standin/feff_standin" "$dir/feff.exe"
  for k in $(seq 1 $clusters); do
    awk -v k="$k" 'NR == 1 { print "# Cluster: " k "."; next }
      $2 == 100 { print; next }
      { t = $1; if (k == 9 && t == 1 && !done) { t = 3; done = 1 }
        s = 1 + 0.002 * (k % 13); printf "%s %.10f %.10f %.10f\n", t, $2 * s, $3 * s, $4 }' \
      "$data/md_1.xyz" >"$dir/md_$k.xyz"
    echo "md_$k.xyz" >>"$dir/conf.dat"
  done
}

make_run_directory "$work/plain"
cp -r "$work/plain" "$work/array"
(cd "$work/plain" && "$tolva64" >console.txt) || fail "plain run"

cd "$work/array"
"$tolva64" --slurm --tasks 3 --cpus-per-task 1 | tr -d '\r' >slurm_console.txt ||
  fail "tolva64 --slurm"
[ -x tolva64.sbatch ] || fail "no executable tolva64.sbatch"
# The submission lines are the indented ones after "Submit".
sed -n '/^ Submit/,$ s/^   //p' slurm_console.txt >submit.sh
[ "$(wc -l <submit.sh)" -eq 2 ] || fail "expected two submission lines, got: $(cat submit.sh)"
echo "submitting:" && cat submit.sh

# The averaging waits for the array through its dependency; --wait makes
# sbatch return only once the averaging has ended, with its exit status.
bash -c 'sbatch() {
    case " $* " in *" --dependency="*) command sbatch --wait "$@" ;; *) command sbatch "$@" ;; esac
  }
  set -e
  source ./submit.sh' || fail "the submitted jobs did not all succeed"

for task in 1 2 3; do
  out=$(ls tolva64_*_"$task".out 2>/dev/null | head -n 1)
  [ -n "$out" ] || fail "no output of array task $task"
  grep -q "^Shard $task/3: per-cluster files only" "$out" || fail "task $task: $(cat "$out")"
done
grep -q "^Averaged $clusters chi(k) and $clusters mu(E) files." tolva64_average.out ||
  fail "averaging: $(cat tolva64_average.out)"

checked=0
for f in "$work"/plain/xt.* "$work"/plain/mu.* "$work"/plain/xt_tot.txt "$work"/plain/mu_tot.txt; do
  cmp "$f" "$work/array/${f##*/}" || fail "${f##*/} differs from the plain run"
  checked=$((checked + 1))
done
[ "$checked" -eq $((2 * clusters + 2)) ] || fail "the plain run wrote $checked files"
for f in xt_std.txt xt_sem.txt mu_std.txt mu_sem.txt; do [ -s "$f" ] || fail "no $f"; done
[ ! -e tolva64.scratch ] || fail "scratch directories left behind"
echo "tolva64 slurm test: $checked files equal to the plain run's"
