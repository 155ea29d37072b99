# SPDX-License-Identifier: MIT
# Sourced by tests: boots the machine's own systemd as PID 1
# of private mount, PID, UTS, IPC, network and cgroup namespaces, over an
# overlay of / on a tmpfs, so that a unit can be started for real and its
# sandboxing applied, with nothing of the machine changed. Root only.
#
#   booted_systemd_unavailable      prints why it cannot run here (empty: it can)
#   boot_systemd DIR                boots; DIR keeps its logs and PIDs
#   in_booted DIR COMMAND...        runs COMMAND inside
#   power_off DIR                   powers it off, SIGKILL after 15 s, and
#                                   removes its cgroup (safe to call twice)
#
# Inside: the machine's files seen through the overlay (writes land in the
# tmpfs), a /dev of its own with the machine's /dev/pts bound in (a
# pseudo-terminal made outside is a device inside), loopback only. No udev
# runs, so no .device unit ever appears.

booted_systemd_helpers=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# The cgroup2 hierarchy the booted systemd gets a part of.
booted_cgroup2_root() { findmnt -n -t cgroup2 -o TARGET | head -n 1; }

booted_systemd_unavailable() {
  [ "$(id -u)" -eq 0 ] || { echo "booting systemd in namespaces needs root"; return; }
  [ -x /lib/systemd/systemd ] || { echo "systemd is not installed (Debian's systemd)"; return; }
  [ -w "$(booted_cgroup2_root)" ] || { echo "no writable cgroup2 hierarchy is mounted"; return; }
  local scratch
  scratch=$(mktemp -d)
  if ! unshare --mount --pid --fork --uts --ipc --net --cgroup bash -c '
      set -e
      mount -t tmpfs scratch "$1" && mkdir "$1/upper" "$1/work" "$1/root"
      mount -t overlay -o lowerdir=/,upperdir="$1/upper",workdir="$1/work" overlay "$1/root"' _ "$scratch" \
      >/dev/null 2>&1; then
    echo "private namespaces with an overlay of / cannot be made here (a container without those rights?)"
  fi
  rmdir "$scratch"
}

boot_systemd() {
  local dir=$1 cgroup pid
  mkdir -p "$dir/root" "$dir/rw"
  cgroup=$(booted_cgroup2_root)/kestrune-booted${dir//\//_}
  mkdir -p "$cgroup"
  echo "$cgroup" >"$dir/cgroup.path"
  # The namespaces' first process joins its own cgroup first: inside, that
  # cgroup is the root of the hierarchy systemd manages. Should the caller
  # be killed outright (no trap runs), unshare and then systemd are too.
  sh -c 'echo $$ > "$1/cgroup.procs" && shift && exec setpriv --pdeathsig KILL \
      unshare --kill-child=KILL --mount --pid --fork --uts --ipc --net --cgroup "$@"' \
    sh "$cgroup" "$booted_systemd_helpers/booted_systemd_pid1.sh" "$dir" >"$dir/pid1.log" 2>&1 &
  echo $! >"$dir/unshare.pid"
  for _ in $(seq 200); do
    kill -0 "$(cat "$dir/unshare.pid")" 2>/dev/null || { echo "systemd's namespaces ended at start:"; cat "$dir/pid1.log"; return 1; } >&2
    pid=$(cat "$dir/systemd.pid" 2>/dev/null) || { sleep 0.05; continue; }
    [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = systemd ] && nsenter -t "$pid" -a test -S /run/systemd/private 2>/dev/null && break
    sleep 0.05
  done
  # "degraded" (a unit that the machine's files bring failed) runs ours too.
  local state
  state=$(in_booted "$dir" timeout 30 systemctl is-system-running --wait 2>&1) || true
  case $state in
    running | degraded) ;;
    *) echo "systemd did not come up: ${state:-no answer}" >&2; return 1 ;;
  esac
}

in_booted() {
  local dir=$1
  shift
  nsenter -t "$(cat "$dir/systemd.pid")" -a "$@"
}

power_off() {
  local dir=$1 pid unshare_pid cgroup
  pid=$(cat "$dir/systemd.pid" 2>/dev/null) || pid=
  unshare_pid=$(cat "$dir/unshare.pid" 2>/dev/null) || unshare_pid=
  if [ -n "$pid" ]; then
    # SIGRTMIN+4 is systemd's own "power off" where systemctl cannot reach it.
    in_booted "$dir" systemctl poweroff --no-block 2>/dev/null || kill -s RTMIN+4 "$pid" 2>/dev/null || true
  fi
  if [ -n "$unshare_pid" ]; then
    for _ in $(seq 150); do kill -0 "$unshare_pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$unshare_pid" 2>/dev/null; then
      echo "systemd did not power off within 15 s: killed" >&2
      kill -9 "$pid" 2>/dev/null || true
      wait "$unshare_pid" 2>/dev/null || true
    fi
  fi
  rm -f "$dir/systemd.pid" "$dir/unshare.pid"
  cgroup=$(cat "$dir/cgroup.path" 2>/dev/null) || return 0
  [ ! -d "$cgroup" ] || find "$cgroup" -depth -type d -exec rmdir {} + 2>/dev/null || true
  rm -f "$dir/cgroup.path"
}
