#!/usr/bin/env bash
# Runs tolva64's Slurm integration test on a throwaway one-node cluster:
# starts it in a temporary directory, runs tests/slurm/tolva64_slurm_test.sh
# within a time limit, and always stops the daemons and removes the
# directory. Needs root (the cluster script installs and runs the daemons).
#   scripts/slurm_integration_test.sh [BUILD_DIR]   (default: build)
#   SLURM_TEST_SECS   time limit of the test proper (default: 300)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(readlink -f "${1:-build}")
for target in tolva64/tolva64 feff_standin/feff_standin; do
  [ -x "$build/$target" ] || { echo "missing $build/$target: build it first" >&2; exit 1; }
done

# Ports of their own, so the cluster's own selftest may run at the same time.
export SLURM_CLUSTER_CTLD_PORT=${SLURM_CLUSTER_CTLD_PORT:-16827}
export SLURM_CLUSTER_SLURMD_PORT=${SLURM_CLUSTER_SLURMD_PORT:-16828}
dir=$(mktemp -d /tmp/tolva64-slurm.XXXXXX)
cleanup() {
  scripts/slurm_cluster.sh stop "$dir/cluster" >/dev/null 2>&1 || true
  rm -rf "$dir"
}
trap cleanup EXIT
# An outer time limit's TERM still stops the daemons.
trap 'exit 143' TERM INT

# Starting is bounded by the cluster script itself (installs included).
eval "$(scripts/slurm_cluster.sh start "$dir/cluster")"
mkdir "$dir/work"
rc=0
timeout -k 10 "${SLURM_TEST_SECS:-300}" tests/slurm/tolva64_slurm_test.sh "$dir/work" "$build" ||
  rc=$?
if [ $rc -eq 0 ]; then
  echo "slurm integration: 1 passed, 0 failed"
else
  [ $rc -eq 124 ] && echo "slurm integration: timed out" >&2
  for f in "$dir"/cluster/log/*.log; do
    [ -f "$f" ] && { echo "=== $f" >&2; tail -n 30 "$f" >&2; }
  done
  echo "slurm integration: 0 passed, 1 failed"
fi
exit $rc
