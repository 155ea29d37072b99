#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The plug-in figures, on the stand-in receiver at real speed: the unit's own
# command (its ExecStart with the unit's settings filled in as systemd fills
# them, the build's vxinit for the prefix's) with NOTIFY_SOCKET at a
# listener of ours, and a gpsd already running, as its socket unit has it,
# given the device by `gpsdctl add` at READY=1, as gpsdctl@ would be:
#   - plug-in to READY (gpsd may open the device);
#   - plug-in to gpsd's first 3D fix with the unit, against gpsd alone on a
#     fresh receiver;
#   - a receiver that finds no fix: plug-in to gpsd having the device;
#   - Etc/UTC and no state: the first plug-in left to gpsd and its fix
#     remembered, the second initialised and accepted;
#   - vxinit's resident memory in service mode, and the Qt libraries mapped;
#   - the unit's exposure by `systemd-analyze security --offline=yes`;
#   - the CPU the stand-in receiver uses while nobody reads its line.
# While a client watches gpsd (here the one that sees the fixes; elsewhere
# chrony or a map), `gpsdctl add` itself takes 2 to 4 s, with none well
# under 0.1 s, whoever had the device before: each figure says how long.
# Usage: bench/plug_in_figures.sh BUILD-DIR   (about 3 minutes, as root: the
# device is handed to gpsd's own user through the dialout group).
set -Eeuo pipefail
build=$(cd "${1:?usage: $0 BUILD-DIR}" && pwd)
unit=$build/hotplug/kestrune-init@.service
simulator=$build/tools/earthmate-sim
vxinit=$build/tools/vxinit
listener=$build/bench/notify_listener
gpsd=$(command -v gpsd || echo /usr/sbin/gpsd)
for program in "$simulator" "$vxinit" "$listener" "$gpsd" "$(command -v gpsdctl)" "$(command -v gpspipe)"; do
  [ -x "$program" ] || { echo "missing: $program (build the tools and bench/notify_listener; install gpsd, gpsd-clients)" >&2; exit 1; }
done

work=$(mktemp -d /tmp/kestrune-figures.XXXXXX)
port=$((30000 + $$ % 20000))
children=()
finish() {
  local pid
  for pid in "${children[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 143' TERM INT HUP
trap 'echo "$0: line $LINENO failed: $BASH_COMMAND" >&2' ERR

seconds() {
  if [ "$2" = never ]; then echo never; else awk -v from="$1" -v to="$2" 'BEGIN { printf "%.2f", to - from }'; fi
}
# The time (EPOCHREALTIME) of the first line of FILE after the plug-in
# matching PATTERN, waiting at most LIMIT seconds.
first_time() {
  local file=$1 pattern=$2 limit=$3 time
  for _ in $(seq $((limit * 20))); do
    time=$(grep -e "$pattern" "$file" 2>/dev/null | awk -v after="${plugged:-0}" '$1 > after { print $1; exit }') || true
    [ -n "$time" ] && { echo "$time"; return; }
    sleep 0.05
  done
  echo never
}

# One gpsd with no device for the whole run, as its socket unit keeps it,
# and a client watching it: each line it sends, stamped with the time it
# came. A first device is given and taken back before any figure: gpsd's
# first activation can take seconds more than the next ones.
start_gpsd() {
  gpsd_log=$work/gpsd.log
  "$gpsd" -N -n -S "$port" -F "$work/gpsd.sock" 2>"$work/gpsd.err" &
  children+=($!)
  until (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; do sleep 0.02; done
  gpspipe -w "127.0.0.1:$port" | while IFS= read -r line; do echo "$EPOCHREALTIME $line"; done >"$gpsd_log" &
  first_time "$gpsd_log" '"class":"WATCH"' 5 >/dev/null
  plug_in warm-up
  give_gpsd
  unplug
}
# gpsdctl starts a gpsd of its own where the control socket is missing:
# only ours is asked. Sets handing: the seconds gpsdctl took.
gpsdctl_ours() { [ -S "$work/gpsd.sock" ] && GPSD_SOCKET=$work/gpsd.sock gpsdctl "$@" >/dev/null 2>&1; }
give_gpsd() {
  local start=$EPOCHREALTIME
  gpsdctl_ours add "$device" || echo "  gpsdctl add $device failed" >&2
  handing=$(seconds "$start" "$EPOCHREALTIME")
}
first_3d_fix() { first_time "$gpsd_log" "\"class\":\"TPV\",\"device\":\"$device\",\"mode\":3" 150; }

# A receiver plugged in (the simulator at real speed, with ARGS), its
# device root:dialout mode 660 as a USB serial adapter's. Sets device,
# plugged (the time, taken before the simulator starts) and simulator_log.
plug_in() {
  local name=$1
  shift
  simulator_log=$work/simulator-$name.log
  plugged=$EPOCHREALTIME
  "$simulator" --seed 7 "$@" >"$work/simulator-$name.out" 2>"$simulator_log" &
  simulator_pid=$!
  children+=($simulator_pid)
  until device=$(head -n 1 "$work/simulator-$name.out" 2>/dev/null) && [ -n "$device" ]; do sleep 0.01; done
  chgrp dialout "$device" && chmod 660 "$device"
}
# Unplugged: udev stops gpsdctl@, which takes the device from gpsd.
unplug() {
  gpsdctl_ours remove "$device" || true
  kill "$simulator_pid"
  wait "$simulator_pid" 2>/dev/null || true
}
initialisation() { grep -o 'init #1: .*' "$simulator_log" | cut -c1-110 || echo "not initialised"; }

# The unit's ExecStart for the device, its Environment= with NAME=VALUE
# arguments over it and the state folder STATE_DIRECTORY: a word that is
# $NAME alone splits into the value's words, ${NAME} is replaced inside one.
unit_command() {
  local -A setting=()
  local pair word
  set -f
  for pair in $(sed -n 's/^Environment=//p' "$unit") "$@"; do setting[${pair%%=*}]=${pair#*=}; done
  command=()
  for word in $(sed -n 's/^ExecStart=[-@:+!]*//p' "$unit"); do
    word=${word//%I/${device#/dev/}}
    if [[ $word =~ ^\$([A-Za-z_]+)$ ]]; then
      command+=(${setting[${BASH_REMATCH[1]}]})
      continue
    fi
    while [[ $word =~ \$\{([A-Za-z_]+)\} ]]; do word=${word//"${BASH_REMATCH[0]}"/${setting[${BASH_REMATCH[1]}]}}; done
    command+=("$word")
  done
  set +f
  command[0]=$vxinit
}

# Runs the unit on the device plugged in, with TZ=ZONE and settings
# NAME=VALUE, and gives gpsd the device at READY=1, or when vxinit ends
# without it (as gpsdctl@ after a Type=oneshot unit). Sets ready (the time),
# status (the last STATUS= before it) and unit_pid; samples vxinit's memory
# and the Qt libraries it maps till it ends.
run_unit() {
  local zone=$1 name=$2 line
  shift 2
  unit_command "STATE_DIRECTORY=$work/state" "$@"
  notices=$work/notices-$name.log
  rm -f "$work/notify"
  "$listener" "$work/notify" >"$notices" &
  listener_pid=$!
  children+=($listener_pid)
  until [ -S "$work/notify" ]; do sleep 0.01; done
  echo "  TZ=$zone NOTIFY_SOCKET=$work/notify KESTRUNE_GPSD=127.0.0.1:$port ${command[*]}"
  TZ=$zone NOTIFY_SOCKET=$work/notify KESTRUNE_GPSD=127.0.0.1:$port "${command[@]}" >"$work/vxinit-$name.out" 2>"$work/vxinit-$name.err" &
  unit_pid=$!
  children+=($unit_pid)
  memory_log=$work/memory-$name.log
  (while kill -0 "$unit_pid" 2>/dev/null; do
    echo "$(grep -E '^Vm(RSS|HWM):' "/proc/$unit_pid/status" | tr -s ' \t\n' ' ') $(grep -o 'libQt6[A-Za-z]*' "/proc/$unit_pid/maps" | sort -u | tr '\n' ' ')"
    sleep 0.1
  done >"$memory_log" 2>/dev/null) &
  while :; do
    if line=$(grep -m 1 'READY=1' "$notices"); then
      ready=${line%% *}
      status=$(grep -o 'STATUS=.*' "$notices" | tail -n 1 || echo "no STATUS=")
      break
    fi
    if ! kill -0 "$unit_pid" 2>/dev/null; then
      ready=$EPOCHREALTIME
      status="ended without READY=1"
      break
    fi
    sleep 0.01
  done
  give_gpsd
}
# Waits for vxinit to end; sets code (its exit status).
unit_ended() {
  code=0
  wait "$unit_pid" || code=$?
  kill "$listener_pid"
}
memory() {
  awk '{ for (i = 1; i < NF; ++i) { if ($i == "VmHWM:") hwm = $(i + 1); if ($i == "VmRSS:" && $(i + 1) > rss) rss = $(i + 1) } }
       END { printf "resident at most %.1f MB sampled, %.1f MB by the kernel (VmHWM)", rss / 1024, hwm / 1024 }' "$memory_log"
  local qt
  qt=$(grep -o 'libQt6[A-Za-z]*' "$memory_log" | sort -u | tr '\n' ' ') || true
  echo "; Qt libraries mapped: ${qt:-none}"
}
state() { if [ -f "$work/state/last-fix" ]; then grep -v '^#' "$work/state/last-fix" | tr '\n' ' '; else echo none; fi; }

echo "Plug-in figures: $0 $1"
echo "  (the stand-in receiver at real speed; gpsd $("$gpsd" -V | awk '{print $2}') on 127.0.0.1:$port)"

start_gpsd
echo "1. gpsd alone on a fresh receiver (gpsdctl add at plug-in)"
plug_in alone
give_gpsd
alone=$(seconds "$plugged" "$(first_3d_fix)")
echo "  plug-in to gpsd's first 3D fix: $alone s (gpsdctl add took $handing s)"
unplug

echo "2. The unit, then gpsd, on a fresh receiver (Europe/Amsterdam, no state)"
rm -rf "$work/state" && mkdir "$work/state"
plug_in unit
run_unit Europe/Amsterdam unit
with_unit=$(seconds "$plugged" "$(first_3d_fix)")
unit_ended
echo "  plug-in to READY: $(seconds "$plugged" "$ready") s ($status); gpsdctl add then took $handing s"
echo "  plug-in to gpsd's first 3D fix: $with_unit s, $(awk -v a="$with_unit" -v b="$alone" 'BEGIN { if (a + 0 > 0 && b + 0 > 0) printf "%.2f", a / b; else printf "-" }') of gpsd alone"
echo "  vxinit ended with $code; state: $(state); the receiver: $(initialisation)"
echo "  vxinit's memory: $(memory)"
unplug

echo "3. A receiver that finds no fix (Europe/Amsterdam)"
plug_in nofix --warm 10000 --cold 10000
run_unit Europe/Amsterdam nofix
opened=$(first_time "$gpsd_log" "\"class\":\"DEVICE\",\"path\":\"$device\",\"activated\"" 150)
decoded=$(first_time "$gpsd_log" "\"class\":\"TPV\",\"device\":\"$device\"" 150)
echo "  plug-in to READY: $(seconds "$plugged" "$ready") s ($status)"
echo "  plug-in to gpsd having the device: $(seconds "$plugged" "$opened") s (its DEVICE notice: activated)," \
  "$(seconds "$plugged" "$decoded") s (its first report from the receiver); gpsdctl add took $handing s"
kill -TERM "$unit_pid" 2>/dev/null || true
unit_ended
echo "  vxinit, sent SIGTERM then: exit $code; its memory: $(memory)"
unplug

echo "4. Etc/UTC, no state: two plug-ins"
rm -rf "$work/state" && mkdir "$work/state"
for round in first second; do
  plug_in "utc-$round"
  run_unit Etc/UTC "utc-$round"
  fix=$(seconds "$plugged" "$(first_3d_fix)")
  unit_ended
  echo "  $round plug-in: READY after $(seconds "$plugged" "$ready") s ($status), gpsd's first 3D fix after $fix s"
  echo "    vxinit ended with $code; state: $(state); the receiver: $(initialisation)"
  grep -v '^\$' "$work/vxinit-utc-$round.err" | sed 's/^/    /' | head -n 8
  unplug
  done

echo "5. The unit's sandboxing"
cp "$unit" "$work/kestrune-init@ttyUSB0.service"
echo "  systemd-analyze security --offline=yes kestrune-init@ttyUSB0.service:" \
  "$(systemd-analyze security --offline=yes --no-pager "$work/kestrune-init@ttyUSB0.service" 2>&1 | grep -o 'Overall exposure level.*')"

echo "6. The stand-in receiver with nobody reading its line: 3 s (150 s at 50 times its speed, in bursts)"
cpu=$( (time -p "$simulator" --speed 50 --burst --duration 150 >/dev/null 2>&1) 2>&1 |
  awk '$1 == "user" || $1 == "sys" { s += $2 } END { printf "%.2f", s }')
echo "  CPU: $cpu s"
