#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The udev rule through `udevadm test` on a fake sysfs, beside gpsd's rules,
# in a private mount namespace (tmpfs on /dev and /run, the fake tree bound
# over /sys): the receiver family's adapter and its USB receiver want both
# gpsd's unit and ours and are hidden from ModemManager; another adapter
# gets nothing of ours. Exits 77 (skipped) saying why where that cannot run.
set -euo pipefail
rule=$1
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "skipped: $*"; exit 77; }
command -v udevadm >/dev/null || skip "udevadm is not installed (Debian's udev)"
[ -f /lib/udev/rules.d/60-gpsd.rules ] || skip "gpsd's rules (/lib/udev/rules.d/60-gpsd.rules) are not installed"
unshare -m true 2>/dev/null || skip "no private mount namespace can be made here (unshare -m needs root)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The properties udev gives ttyUSB0 of an adapter VENDOR:PRODUCT.
properties() {
  rm -rf "$work/sys" && "$here/fake_sysfs.sh" "$work/sys" "$1" "$2"
  unshare -m bash -c '
    set -e
    mount -t tmpfs tmpfs /dev && mount -t tmpfs tmpfs /run
    mkdir -p /run/udev/rules.d && cp "$1" /run/udev/rules.d/
    mount --bind "$2" /sys
    SYSTEMD_DEVICE_VERIFY_SYSFS=0 udevadm test --action=add /class/tty/ttyUSB0 2>/dev/null' _ "$rule" "$work/sys"
}

failures=0
expect() {  # expect VENDOR PRODUCT yes|no
  local got wants ours=no mm=no gpsd=no
  got=$(properties "$1" "$2")
  wants=$(grep '^SYSTEMD_WANTS=' <<<"$got" || true)
  [[ $wants == *kestrune-init@ttyUSB0.service* ]] && ours=yes
  [[ $wants == *gpsdctl@ttyUSB0.service* ]] && gpsd=yes
  grep -qx 'ID_MM_DEVICE_IGNORE=1' <<<"$got" && mm=yes
  echo "$1:$2: ours $ours, gpsd's $gpsd, ModemManager told to ignore $mm (${wants:-no SYSTEMD_WANTS})"
  if [ "$3" = yes ] && [ "$ours$gpsd$mm" != yesyesyes ]; then failures=$((failures + 1)); fi
  if [ "$3" = no ] && [ "$ours$mm" != nono ]; then failures=$((failures + 1)); fi
}

expect 067b 2303 yes   # the USB serial adapter this receiver family came with
expect 1163 0100 yes   # the receiver family's own USB receiver
expect 1a86 7523 no    # another adapter, which also serves boards and modems: left alone
exit $((failures > 0))
