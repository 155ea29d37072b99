#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes in folder $1 a sysfs tree holding one USB serial adapter with vendor
# $2 and product $3 whose tty is ttyUSB0: enough for udev to match rules on
# the tty and its USB parents.
set -euo pipefail
root=$1 vendor=$2 product=$3
usb=devices/pci0000:00/0000:00:14.0/usb1/1-1
tty=$usb/1-1:1.0/ttyUSB0/tty/ttyUSB0
mkdir -p "$root/$tty" "$root/class/tty" "$root/bus/usb/devices" "$root/bus/usb-serial" "$root/subsystem"
mkdir -p "$root/bus/usb"
printf 'MAJOR=188\nMINOR=0\nDEVNAME=ttyUSB0\n' >"$root/$tty/uevent"
printf '188:0\n' >"$root/$tty/dev"
ln -s ../../../../../../../../../class/tty "$root/$tty/subsystem"
ln -s ../../$tty "$root/class/tty/ttyUSB0"
printf 'DEVTYPE=usb_device\nPRODUCT=%s/%s/300\n' "$vendor" "$product" >"$root/$usb/uevent"
printf '%s\n' "$vendor" >"$root/$usb/idVendor"
printf '%s\n' "$product" >"$root/$usb/idProduct"
printf 'FT0001\n' >"$root/$usb/serial"
ln -s ../../../../../bus/usb "$root/$usb/subsystem"
printf 'DEVTYPE=usb_interface\n' >"$root/$usb/1-1:1.0/uevent"
ln -s ../../../../../../bus/usb "$root/$usb/1-1:1.0/subsystem"
printf '' >"$root/$usb/1-1:1.0/ttyUSB0/uevent"
ln -s ../../../../../../../bus/usb-serial "$root/$usb/1-1:1.0/ttyUSB0/subsystem"
