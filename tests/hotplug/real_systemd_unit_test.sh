#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The plug-in unit started by a real systemd (the machine's own, booted in
# private namespaces by booted_systemd.sh), every sandboxing option applied:
# the files `cmake --install` makes under /usr/local put inside, and
# `systemctl start kestrune-init@<instance>` twice, each time on a receiver
# just plugged in (the simulator's pseudo-terminal, owned by dialout as a
# USB serial device is). The first, on /dev/ttyUSB0, is initialised from
# the time zone, is ready (active, its process sandboxed) before the
# receiver's fix and writes the fix to /var/lib/kestrune; the second, on
# /dev/pts/N, starts warm from that file. Exits 77 (skipped) saying why
# where the namespaces cannot be made.
set -euo pipefail
build=$1 sanitized=${2:-no}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/booted_systemd.sh"
reason=$(booted_systemd_unavailable)
[ -z "$reason" ] || { echo "skipped: $reason"; exit 77; }

work=$(mktemp -d /tmp/kestrune-systemd.XXXXXX)
booted=$work/booted
simulators=()
finish() {
  local pid
  for pid in "${simulators[@]}"; do kill "$pid" 2>/dev/null || true; done
  power_off "$booted"
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 143' TERM INT HUP  # ended by a signal: still powered off (killed outright: see boot_systemd)

failures=0
check() {  # check WHAT COMMAND...: prints the verdict, counts a failure
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
inside() { in_booted "$booted" "$@"; }

DESTDIR=$work/stage cmake --install "$build" --prefix /usr/local >/dev/null
# No udev runs inside, so the device unit the template binds to never
# appears: a copy without that binding (udev's part has its own test).
installed=$work/stage/usr/local/lib/systemd/system/kestrune-init@.service
sed -E '/^(BindsTo|After)=dev-%i\.device$/d' "$installed" >"$work/kestrune-init@.service"
if grep -n 'dev-%i\.device' "$work/kestrune-init@.service"; then
  echo "FAILED: the unit names its device unit in a way this test does not take out"
  exit 1
fi

boot_systemd "$booted"
tar -C "$work/stage" -cf - . | inside tar -C / -xf -
inside sh -c 'cat >/etc/systemd/system/kestrune-init@.service' <"$work/kestrune-init@.service"
if [ "$sanitized" = yes ]; then
  # The leak check stops the program with ptrace(), which the system call
  # filter refuses; the address checks stay on.
  inside sh -c 'mkdir -p /etc/systemd/system/kestrune-init@.service.d &&
    printf "[Service]\nEnvironment=ASAN_OPTIONS=detect_leaks=0\n" >/etc/systemd/system/kestrune-init@.service.d/sanitizers.conf'
fi
# Near the simulator's true position: the first start is warm too.
inside ln -sfn /usr/share/zoneinfo/Europe/Amsterdam /etc/localtime
inside systemctl daemon-reload

# A receiver plugged in: the simulator at four times speed (its fix 4 s
# after the initialisation), its device root:dialout mode 660 as a USB
# serial adapter's. The first is bound over /dev/ttyUSB0 inside (a device
# outside /dev/pts, which a private /dev has anyway), the second keeps its
# /dev/pts name, escaped for the instance. Sets `instance` and
# `simulator_log`.
plug_in() {
  local device=
  simulator_log=$work/simulator$1.log
  setpriv --pdeathsig TERM "$build/tools/earthmate-sim" --speed 4 --warm 16 --seed "$1" >"$work/simulator$1.out" 2>"$simulator_log" &
  simulators+=($!)
  for _ in $(seq 100); do
    device=$(head -n 1 "$work/simulator$1.out" 2>/dev/null) || true
    [ -n "$device" ] && break
    sleep 0.05
  done
  chgrp dialout "$device" && chmod 660 "$device"
  if [ "$1" = 1 ]; then
    inside sh -c 'touch /dev/ttyUSB0 && mount --bind "$1" /dev/ttyUSB0' _ "$device"
    instance=ttyUSB0
  else
    instance=$(systemd-escape "${device#/dev/}")
  fi
}

property() { inside systemctl show -p "$1" --value "kestrune-init@$instance.service"; }
ready_before_the_fix() { [ "$(property ActiveState)" = active ] && ! grep -q 'fix after' "$simulator_log"; }
no_state_file() { ! inside test -e /var/lib/kestrune/last-fix; }
running() { [[ $(property ActiveState) == @(active|activating) ]]; }
# The service's process: a user of its own, no capabilities, a system call filter.
sandboxed() {
  local status
  status=$(inside cat "/proc/$(property MainPID)/status") || return 1
  grep -E '^(Uid|Groups|CapBnd|NoNewPrivs|Seccomp):' <<<"$status" | tr -s '\t\n' '  '
  echo
  ! grep -Eq '^Uid:\s+0\s' <<<"$status" && grep -Eq '^CapBnd:\s+0+$' <<<"$status" &&
    grep -Eq '^NoNewPrivs:\s+1$' <<<"$status" && grep -Eq '^Seccomp:\s+2$' <<<"$status"
}

for round in 1 2; do
  plug_in "$round"
  unit=kestrune-init@$instance.service
  echo "=== round $round: $unit"
  started=0
  inside timeout 30 systemctl start "$unit" || started=$?
  check "systemctl start $unit (exit $started)" test "$started" -eq 0
  if [ "$round" = 1 ]; then
    check "ready ($(property ActiveState), \"$(property StatusText)\") before the receiver's fix" ready_before_the_fix
    check "no state file before the fix" no_state_file
    check "sandboxed" sandboxed
  fi
  for _ in $(seq 300); do running || break; sleep 0.1; done
  journal=$(inside journalctl -u "$unit" -o cat --no-pager)
  sed 's/^/  journal: /' <<<"$journal"
  sed 's/^/  simulator: /' "$simulator_log"
  check "ended with result $(property Result), exit $(property ExecMainStatus)" \
    test "$(property Result)/$(property ExecMainStatus)" = success/0
  check "the receiver accepted the initialisation" grep -q '(accepted: ' "$simulator_log"
  check "the receiver found its fix" grep -q 'fix after' "$simulator_log"
  check "the fix written to /var/lib/kestrune/last-fix" grep -q 'written to /var/lib/kestrune/last-fix' <<<"$journal"
  if [ "$round" = 2 ]; then
    check "warm from the state file" grep -q 'position from the last fix in /var/lib/kestrune/last-fix' <<<"$journal"
  fi
done
echo "state file: $(inside cat /var/lib/kestrune/last-fix | tr '\n' ' ')"
exit $((failures > 0))
