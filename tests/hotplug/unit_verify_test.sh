#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `systemd-analyze verify` on an instance of the template unit as `cmake
# --install` puts it under a prefix: no output at all (its warnings do not
# change its exit status). And `systemd-analyze security` rates its
# sandboxing at most 1.5 (whether systemd can apply each option is for
# real_systemd_unit_test.sh).
set -euo pipefail
build=$1
command -v systemd-analyze >/dev/null || { echo "skipped: systemd-analyze is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
cp "$work/prefix/lib/systemd/system/kestrune-init@.service" "$work/kestrune-init@ttyUSB0.service"
output=$(MANPATH="$work/prefix/share/man" systemd-analyze verify "$work/kestrune-init@ttyUSB0.service" 2>&1) || status=$?
echo "systemd-analyze verify kestrune-init@ttyUSB0.service: exit ${status:-0}, ${#output} characters of output"
[ -z "$output" ] || { echo "$output"; exit 1; }
[ "${status:-0}" -eq 0 ] || exit "$status"
# --threshold is on the scale of 0 to 100 that the rating shows divided by 10.
rated=0
rating=$(systemd-analyze security --offline=yes --threshold=15 --no-pager "$work/kestrune-init@ttyUSB0.service" 2>&1) || rated=$?
echo "systemd-analyze security --offline=yes: exit $rated, $(grep -o 'Overall exposure level.*' <<<"$rating" || echo "$rating")"
[ "$rated" -eq 0 ] || { grep '✗' <<<"$rating"; exit 1; }
