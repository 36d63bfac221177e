#!/usr/bin/env bash
# tolva64 stopped at random moments, by SIGKILL, SIGTERM or SIGINT, plain or
# with --jobs 2, and started again until a run ends by itself: the results
# must then be those of a run that was never stopped, with no FEFF left
# running and no temporary file left behind. Rounds go on for a bounded time.
#   tests/kill/tolva64_random_kills.sh BUILD_DIR [SECONDS] [SEED]
set -euo pipefail
build=$(readlink -f "${1:?usage: tolva64_random_kills.sh BUILD_DIR [SECONDS] [SEED]}")
seconds=${2:-60}
RANDOM=${3:-1}
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d /tmp/tolva64-kills.XXXXXX)
trap 'pkill -KILL -f "$work/" 2>/dev/null || true; rm -rf "$work"' EXIT

dir=""
fail() {
  echo "random kills: $*" >&2
  if [ -n "$dir" ] && [ -d "$dir" ]; then
    ls -laR "$dir/tolva64.scratch" >&2 2>/dev/null || true
    for log in "$dir"/run*.log; do echo "=== $log" >&2; tail -n 5 "$log" >&2; done
  fi
  exit 1
}

# Twenty clusters of a CuZr liquid, the stand-in as FEFF, slowed down so that
# kills land in every phase of a cluster.
prepare() {
  mkdir -p "$1"
  (
    cd "$1"
    cp "$top/tests/data/trajectories/cuzr_small.xyz" .
    "$build/kirne/kirne" --pbc --cell 20.4576 20.4576 16.3661 cuzr_small 0 0 4.0 Cu 0 Zr \
      > kirne.log
    printf '%s\n' ' 0 0 Cu' ' 1 1 Cu' ' 2 2 Zr' > pot.dat
    printf '%s\n' ' EDGE      K' ' RMAX      4.0' ' POTENTIALS' '     0  29  Cu' '     1  29  Cu' \
      '     2  40  Zr' ' ATOMS' > feff.dat
    cp "$build/feff_standin/feff_standin" feff.exe
  )
}

results() { (cd "$1" && cat xt.* mu.* made_from.* xt_tot.txt mu_tot.txt | md5sum); }

prepare "$work/reference"
(cd "$work/reference" && "$build/tolva64/tolva64" > run.log) || fail "the reference run failed"
expected=$(results "$work/reference")
export FEFF_STANDIN_DELAY_SECONDS=0.1

rounds=0 kills=0
deadline=$((SECONDS + seconds))
while [ $SECONDS -lt $deadline ]; do
  rounds=$((rounds + 1))
  dir="$work/round$rounds"
  prepare "$dir"
  for attempt in $(seq 1 200); do
    options=()
    [ $((RANDOM % 2)) -eq 0 ] && options=(--jobs 2)
    (cd "$dir" && exec "$build/tolva64/tolva64" "${options[@]}" > "run$attempt.log" 2>&1) &
    pid=$!
    sleep "0.$((RANDOM % 60))"
    if kill -0 "$pid" 2>/dev/null; then
      signal=$(printf 'KILL\nTERM\nINT\n' | sed -n "$((RANDOM % 3 + 1))p")
      kill -s "$signal" "$pid" 2>/dev/null && kills=$((kills + 1))
    fi
    status=0
    wait "$pid" 2>/dev/null || status=$?
    [ $status -eq 0 ] && break
    case $status in
      137 | 143 | 130) ;;  # killed, stopped by TERM or INT
      *) fail "round $rounds, attempt $attempt: exit $status, see $dir/run$attempt.log" ;;
    esac
  done
  [ $status -eq 0 ] || fail "round $rounds never finished"
  [ "$(results "$dir")" = "$expected" ] || fail "round $rounds: results differ from the reference"
  ! find "$dir" -name '.*.partial' | grep -q . || fail "round $rounds: temporary files left"
  [ ! -e "$dir/tolva64.scratch" ] || fail "round $rounds: scratch directory left"
  sleep 0.2
  ! pgrep -f "$dir/" > /dev/null || fail "round $rounds: a FEFF run outlived tolva64"
  rm -rf "$dir"
done
echo "random kills: $rounds rounds, $kills kills, every round ended with the reference results"
