#!/usr/bin/env bash
# A throwaway one-node batch cluster living entirely under one directory, so
# integration tests can submit real jobs without any site configuration.
#   slurm_cluster.sh start DIR   install if needed, start, print the exports
#   slurm_cluster.sh stop DIR    stop what start DIR started
#   slurm_cluster.sh selftest    array + dependent job on a scratch cluster
# start prints only `export ...` lines on stdout, so callers can
#   eval "$(scripts/slurm_cluster.sh start "$dir")"
# Progress and logs go to stderr. Every wait is bounded.
set -euo pipefail
shopt -s inherit_errexit

# The daemons live in sbin, which a CI job's PATH may lack.
export PATH="/usr/sbin:/sbin:$PATH"
CTLD_PORT=${SLURM_CLUSTER_CTLD_PORT:-16817}
SLURMD_PORT=${SLURM_CLUSTER_SLURMD_PORT:-16818}
READY_SECS=${SLURM_CLUSTER_READY_SECS:-60}
SELF="$(readlink -f "$0")"

say() { echo "slurm_cluster: $*" >&2; }
die() { say "$*"; exit 1; }

install_packages() {
  local missing=() pkg
  for pkg in slurm-wlm munge; do
    [ "$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null)" = "install ok installed" ] ||
      missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  timeout 600 apt-get update -q >&2 </dev/null
  timeout 900 apt-get install -y -q --no-install-recommends "${missing[@]}" >&2 </dev/null
}

write_config() {
  local dir=$1 node=$2
  cat >"$dir/slurm.conf" <<EOF
ClusterName=testcluster
SlurmctldHost=$node(127.0.0.1)
SlurmctldPort=$CTLD_PORT
SlurmdPort=$SLURMD_PORT
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
CredType=cred/munge
AuthInfo=socket=$dir/munge/munge.socket
StateSaveLocation=$dir/state
SlurmdSpoolDir=$dir/spool
SlurmctldPidFile=$dir/run/slurmctld.pid
SlurmdPidFile=$dir/run/slurmd.pid
SlurmctldLogFile=$dir/log/slurmctld.log
SlurmdLogFile=$dir/log/slurmd.log
# No cgroups: they are not reliably writable inside containers.
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
AccountingStorageType=accounting_storage/none
JobAcctGatherType=jobacct_gather/none
JobCompType=jobcomp/none
MpiDefault=none
ReturnToService=2
# Dependent jobs start within a second of their parents, not at the next
# periodic pass.
SchedulerParameters=bf_interval=1,sched_min_interval=0
NodeName=$node NodeAddr=127.0.0.1 CPUs=$(nproc) RealMemory=1000 State=UNKNOWN
PartitionName=debug Nodes=$node Default=YES MaxTime=INFINITE State=UP
EOF
}

# Only a live process of the expected program counts: a stale pid file may
# name a pid that now belongs to someone else.
pid_of() {
  local file=$1 name=$2 pid
  [ -s "$file" ] || return 1
  pid=$(tr -dc 0-9 <"$file")
  [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = "$name" ] || return 1
  echo "$pid"
}

# Stops daemons given as pid-file/name pairs together: each takes about two
# seconds to shut down, so waiting for them one by one would add up.
stop_daemons() {
  local pids=() pid left
  while [ $# -ge 2 ]; do
    if pid=$(pid_of "$1" "$2"); then kill -TERM "$pid" 2>/dev/null && pids+=("$pid"); fi
    rm -f "$1"
    shift 2
  done
  for _ in $(seq 50); do
    left=()
    for pid in "${pids[@]}"; do kill -0 "$pid" 2>/dev/null && left+=("$pid"); done
    [ ${#left[@]} -eq 0 ] && return 0
    sleep 0.2
  done
  say "pids ${left[*]} ignored TERM for 10s, killing"
  kill -KILL "${left[@]}" 2>/dev/null || true
}

cmd_stop() {
  local dir=$1
  [ -d "$dir" ] || die "no such directory: $dir"
  dir=$(readlink -f "$dir")
  # Cancel jobs first so no job step outlives the daemons that manage it.
  if pid_of "$dir/run/slurmctld.pid" slurmctld >/dev/null; then
    export SLURM_CONF="$dir/slurm.conf"
    timeout 10 scancel --quiet --full --user=root 2>/dev/null || true
    for _ in $(seq 20); do
      [ -z "$(timeout 5 squeue -h -o %A 2>/dev/null)" ] && break
      sleep 0.5
    done
  fi
  stop_daemons "$dir/run/slurmd.pid" slurmd "$dir/run/slurmctld.pid" slurmctld
  # Last, because the others talk to it while shutting down.
  stop_daemons "$dir/munge/munged.pid" munged
}

show_logs() {
  local f
  for f in "$1"/log/* "$1"/munge/munged.log; do
    [ -f "$f" ] && { echo "=== $f" >&2; tail -n 40 "$f" >&2; }
  done
  return 0
}

node_state() {
  SLURM_CONF="$1/slurm.conf" timeout 5 sinfo -h -N -n "$2" -o %t 2>/dev/null || true
}

# Leaves nothing running when start gives up half-way.
start_failed() {
  local rc=$?
  [ $rc -eq 0 ] && return 0
  show_logs "$START_DIR"
  cmd_stop "$START_DIR"
}

cmd_start() {
  local dir=$1 node state
  mkdir -p "$dir"
  dir=$(readlink -f "$dir")
  node=$(hostname -s)
  install_packages
  cmd_stop "$dir"  # a second start on the same DIR gives a fresh cluster
  START_DIR=$dir
  trap start_failed EXIT
  mkdir -p "$dir"/{munge,state,spool,run,log}
  chmod 700 "$dir/munge"
  write_config "$dir" "$node"
  [ -s "$dir/munge/munge.key" ] || mungekey --create --keyfile="$dir/munge/munge.key"
  # --force: munged wants every parent of its socket searchable by all users,
  # which a mktemp directory is not; only root talks to this daemon anyway.
  munged --force --key-file="$dir/munge/munge.key" --socket="$dir/munge/munge.socket" \
    --pid-file="$dir/munge/munged.pid" --log-file="$dir/munge/munged.log" \
    --seed-file="$dir/munge/munged.seed" </dev/null >>"$dir/log/daemons.out" 2>&1
  export SLURM_CONF="$dir/slurm.conf"
  # The daemons fork into the background themselves; their output must not
  # hold the caller's pipe open (eval "$(... start)" would never return).
  # -c: no job or node state survives from an earlier cluster in this DIR.
  timeout 30 slurmctld -c -f "$SLURM_CONF" </dev/null >>"$dir/log/daemons.out" 2>&1
  timeout 30 slurmd -f "$SLURM_CONF" -N "$node" </dev/null >>"$dir/log/daemons.out" 2>&1
  for _ in $(seq $((READY_SECS * 2))); do
    state=$(node_state "$dir" "$node")
    [ "$state" = idle ] && break
    pid_of "$dir/run/slurmctld.pid" slurmctld >/dev/null || die "slurmctld died"
    pid_of "$dir/run/slurmd.pid" slurmd >/dev/null || die "slurmd died"
    sleep 0.5
  done
  [ "$state" = idle ] || die "node $node not idle after ${READY_SECS}s (state: '${state}')"
  trap - EXIT
  say "node $node idle; cluster under $dir"
  # Clients find the munge socket through AuthInfo in slurm.conf.
  echo "export SLURM_CONF='$SLURM_CONF'"
}

# Runs inside `timeout` from cmd_selftest, which owns the clean-up.
selftest_body() {
  local dir=$1 work arr dep expected exports
  exports=$(cmd_start "$dir")
  eval "$exports"
  work="$dir/jobs"
  mkdir -p "$work"
  # shellcheck disable=SC2016 # the job's shell expands it, not this one
  arr=$(sbatch --parsable --array=1-2 --chdir="$work" --output="$work/task_%a.out" \
    --wrap='echo "task $SLURM_ARRAY_TASK_ID"')
  arr=${arr%%;*}
  say "array job $arr submitted"
  dep=$(sbatch --parsable --wait --dependency=afterok:"$arr" --chdir="$work" \
    --output="$work/joined.out" --wrap='cat task_1.out task_2.out') ||
    die "dependent job failed"
  say "dependent job ${dep%%;*} finished"
  expected=$'task 1\ntask 2'
  [ "$(cat "$work/joined.out")" = "$expected" ] ||
    die "unexpected output: $(cat "$work/joined.out")"
}

cmd_selftest() {
  local dir rc=0 started=$SECONDS
  # Installing is bounded on its own and may be slow on a fresh machine,
  # so it stays outside the time limit of the test proper.
  install_packages
  dir=$(mktemp -d /tmp/slurm-selftest.XXXXXX)
  SELFTEST_DIR=$dir
  trap 'cmd_stop "$SELFTEST_DIR"; rm -rf "$SELFTEST_DIR"' EXIT
  timeout -k 10 180 "$SELF" _selftest_body "$dir" || rc=$?
  if [ $rc -eq 0 ]; then
    say "selftest passed in $((SECONDS - started))s"
  else
    [ $rc -eq 124 ] && say "selftest timed out"
    show_logs "$dir"
    say "selftest FAILED"
  fi
  return $rc
}

case "${1:-}" in
  start) [ $# -eq 2 ] || die "usage: $0 start DIR"; cmd_start "$2" ;;
  stop) [ $# -eq 2 ] || die "usage: $0 stop DIR"; cmd_stop "$2" ;;
  selftest) cmd_selftest ;;
  _selftest_body) selftest_body "$2" ;;
  *) die "usage: $0 start DIR | stop DIR | selftest" ;;
esac
