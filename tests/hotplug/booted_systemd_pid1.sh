#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# PID 1 of the namespaces that booted_systemd.sh makes: builds the root
# systemd boots in (called with the folder that keeps its state), then
# becomes systemd.
set -euo pipefail
dir=$1 root=$1/root
# /proc is still the machine's here: this is the PID to enter with nsenter.
read -r machine_pid _ </proc/self/stat
echo "$machine_pid" >"$dir/systemd.pid"

# The machine's / below, every write kept in memory.
mount -t tmpfs -o mode=755 booted-rw "$dir/rw"
mkdir "$dir/rw/upper" "$dir/rw/work"
mount -t overlay -o lowerdir=/,upperdir="$dir/rw/upper",workdir="$dir/rw/work" booted-root "$root"

# The kernel's own settings stay read-only: systemd sees a container.
mount -t proc -o nosuid,nodev,noexec proc "$root/proc"
for part in sys sysrq-trigger; do
  [ -e "$root/proc/$part" ] || continue
  mount --bind "$root/proc/$part" "$root/proc/$part"
  mount -o remount,bind,ro "$root/proc/$part"
done
mount -t sysfs -o ro,nosuid,nodev,noexec sysfs "$root/sys"
mount -t cgroup2 -o nosuid,nodev,noexec cgroup2 "$root/sys/fs/cgroup"

# A /dev of its own; pseudo-terminals are the machine's.
mount -t tmpfs -o mode=755,nosuid,size=4m booted-dev "$root/dev"
(
  cd "$root/dev"
  mknod -m 666 null c 1 3 && mknod -m 666 zero c 1 5 && mknod -m 666 full c 1 7
  mknod -m 666 random c 1 8 && mknod -m 666 urandom c 1 9 && mknod -m 666 tty c 5 0
  mknod -m 666 ptmx c 5 2
  ln -s /proc/self/fd fd && ln -s fd/0 stdin && ln -s fd/1 stdout && ln -s fd/2 stderr
  mkdir pts shm && mount --bind /dev/pts pts
)
mount -t tmpfs -o mode=755,nosuid,nodev booted-run "$root/run"
mount -t tmpfs -o mode=1777,nosuid,nodev booted-tmp "$root/tmp"

# Units that would act on the machine's kernel or devices, or only cost
# time here: masked.
for unit in getty.target console-getty.service container-getty@.service serial-getty@.service \
  systemd-udevd.service systemd-udevd-control.socket systemd-udevd-kernel.socket \
  systemd-udev-trigger.service systemd-udev-settle.service systemd-hwdb-update.service \
  systemd-modules-load.service modprobe@.service systemd-sysctl.service systemd-binfmt.service \
  proc-sys-fs-binfmt_misc.automount systemd-remount-fs.service systemd-timesyncd.service \
  systemd-random-seed.service systemd-pstore.service systemd-firstboot.service ldconfig.service \
  timers.target e2scrub_reap.service gpsd.socket gpsd.service postgresql.service; do
  ln -sfn /dev/null "$root/etc/systemd/system/$unit"
done
tr -d - </proc/sys/kernel/random/uuid >"$root/etc/machine-id"
echo booted-test >"$root/etc/hostname"

mkdir -p "$root/.machine"
cd "$root"
pivot_root . .machine
cd /
umount -l /.machine
rmdir /.machine
# container= keeps systemd off the machine's clock, modules and file systems.
exec env -i container=kestrune-test PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  /lib/systemd/systemd --system --unit=multi-user.target
