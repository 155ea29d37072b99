#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# The monitor's satellite bars as a screen reader meets them: Kestrune on a
# display with the accessibility bus, against earthmate-sim linked as port 1
# in a private configuration folder, walked through to the monitor with the
# keyboard; AT-SPI must list a text per bar, as many as the line counts.
# Run under xvfb-run and dbus-run-session: the arguments are kestrune and
# earthmate-sim.
import os, re, subprocess, sys, tempfile, time

import pyatspi

kestrune, simulator = sys.argv[1:3]
config = tempfile.mkdtemp()
# On the display, whatever platform the test run chose for the others.
env = dict(os.environ, XDG_CONFIG_HOME=config, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", TZ="UTC", QT_QPA_PLATFORM="xcb")
started = [subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env)]


def until(condition, seconds=30):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = condition()
        if found:
            return found
        time.sleep(0.2)
    sys.exit("timed out; Kestrune shows: %s" % kestrune_texts())


def texts(node, found):
    try:
        if node.getRoleName() == "label" and node.name:
            found.append(node.name)
        for child in node:
            texts(child, found)
    except Exception:  # a node that went away while it was walked
        pass
    return found


def kestrune_windows():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Kestrune$"], capture_output=True, text=True)
    return found.stdout.split()


def kestrune_texts():
    return [t for a in pyatspi.Registry.getDesktop(0) if a and "kestrune" in (a.name or "").lower() for t in texts(a, [])]


try:
    started.append(subprocess.Popen([simulator, "--link", "1", "--speed", "4"], env=env, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL))
    until(lambda: os.path.islink(config + "/vx/com1"))
    with open(config + "/Kestrune.ini", "w") as settings:
        settings.write("[Settings]\nLat=52.06\nLong=5.14\nLatHem=N\nLongHem=E\nTZ=0\nComPort=1\nAutoExit=0\n")
    started.append(subprocess.Popen([kestrune], env=env))
    for windows in (1, 2):  # Continue on the welcome screen, then on the location entry screen above it
        shown = until(lambda: (lambda ids: ids[-1] if len(ids) >= windows else None)(kestrune_windows()))
        time.sleep(0.5)
        subprocess.run(["xdotool", "windowfocus", "--sync", shown, "key", "Return"], check=True)
    line = until(lambda: next((t for t in kestrune_texts() if re.match(r"Tracked: [1-9]", t)), None))
    tracked = int(re.match(r"Tracked: (\d+)", line).group(1))
    bars = [t for t in kestrune_texts() if t.startswith("Satellite ")]
    print(line, bars, sep="\n")
    assert len(bars) == tracked, (line, bars)
    for bar in bars:
        match = re.fullmatch(r"Satellite (\d+): (\d+) dB-Hz, (used in the fix|tracked)", bar)
        assert match and 1 <= int(match.group(1)) <= 32, bar
finally:
    for process in reversed(started):
        process.terminate()
        process.wait()
