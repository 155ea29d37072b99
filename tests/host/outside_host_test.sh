#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A program outside this project's build hosts the control: the build is
# installed into a fresh prefix, examples/host is built against that prefix
# alone (find_package(Kestrune)), and it must print the stand-in receiver's
# sentences. Usage: outside_host_test.sh BUILD_DIR SOURCE_DIR [COMPILER_FLAGS]
set -euo pipefail
build=$1
source=$2
flags=${3:-}
work=$(mktemp -d)
simulator=
cleanup() {
  [ -n "$simulator" ] && kill "$simulator" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$work/prefix" > "$work/install.log"
cmake -S "$source/examples/host" -B "$work/host" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" \
  -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" > "$work/configure.log" || { cat "$work/configure.log"; exit 1; }
cmake --build "$work/host" > "$work/build.log" || { cat "$work/build.log"; exit 1; }

export XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen
plugins=$(find "$work/prefix" -type d -path '*qt6/plugins' | head -n 1)
export QT_PLUGIN_PATH=$plugins  # a prefix of one's own: Qt looks there for the control
"$work/prefix/bin/earthmate-sim" --link 1 --speed 10 > /dev/null 2>&1 &
simulator=$!
for _ in $(seq 100); do [ -L "$work/config/vx/com1" ] && break; sleep 0.1; done

timeout 60 "$work/host/gps-host" 1 3 > "$work/out" || { cat "$work/out"; echo "gps-host failed"; exit 1; }
cat "$work/out"
grep -q '^Latitude is 52.06$' "$work/out"
[ "$(grep -c '^\$GP\(RMC\|GSA\),' "$work/out")" -eq 3 ]
