#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Kestrune on a real desktop, read and driven over AT-SPI as a screen reader
reads and drives it, against earthmate-sim linked as port 1 in a private
configuration folder: a session D-Bus, the accessibility bus, and Xvfb with
openbox ("x11") or weston's headless backend with Kestrune native on it
("wayland").

  desktop_session.py screenshots BUILD_DIR OUT_DIR
      walks the three screens to the fix under weston and takes each with
      weston-screenshooter as OUT_DIR/wayland-{welcome,location,monitor}.png.

The tests import it for the same desktop.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

SESSION_MARK = "KESTRUNE_DESKTOP_SESSION"


def dies_with_its_parent():
    """Run in each started program before it starts: it is killed when the
    session's process ends, also where that ends too abruptly to clean up
    (libatspi aborts it when it finds no bus)."""
    import ctypes
    import signal
    pr_set_pdeathsig = 1
    ctypes.CDLL(None, use_errno=True).prctl(pr_set_pdeathsig, signal.SIGKILL)


def tools_missing(mode):
    tools = ["dbus-run-session", "/usr/libexec/at-spi-bus-launcher"]
    tools += ["Xvfb", "openbox"] if mode == "x11" else ["weston", "weston-screenshooter"]
    missing = [tool for tool in tools if shutil.which(tool) is None]
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        missing.append("python3-pyatspi")
    plugins = subprocess.run(["dpkg", "-L", "qt6-wayland"], capture_output=True, text=True).stdout
    if mode == "wayland" and "libqwayland-generic.so" not in plugins:
        missing.append("qt6-wayland")
    return missing


def in_own_bus(mode):
    """Runs this program again inside a session D-Bus of its own; exits 77 when a tool is missing."""
    if os.environ.get(SESSION_MARK) is not None:
        return
    missing = tools_missing(mode)
    if missing:
        print("skipped: the desktop needs " + ", ".join(missing))
        sys.exit(77)
    os.environ[SESSION_MARK] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)


class Session:
    """The accessibility bus, a display, the simulator and Kestrune; everything ends with it."""

    def __init__(self, mode, build):
        self.processes = []
        self.folder = tempfile.mkdtemp(prefix="kestrune-desktop-")
        self.log = open(os.path.join(self.folder, "log"), "w+")  # everyone's standard error
        # In a sanitized build, leaks are the in-process tests' business: here the desktop's own
        # libraries would fill the report; every other check stays on.
        self.env = dict(os.environ, LANG="C", LC_ALL="C", TZ="Europe/Amsterdam", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        XDG_CONFIG_HOME=os.path.join(self.folder, "config"), ASAN_OPTIONS="detect_leaks=0")
        start_accessibility_bus(self)
        (start_x11 if mode == "x11" else start_weston)(self)
        os.mkdir(self.env["XDG_CONFIG_HOME"])
        self.receiver = self.start([os.path.join(build, "tools", "earthmate-sim"), "--link", "1", "--speed", "4"])
        wait_for("the simulator's port", lambda: os.path.islink(self.config("vx/com1")))
        with open(self.config("Kestrune.ini"), "w") as settings:
            settings.write("[Settings]\nLat=52.06\nLong=5.14\nLatHem=N\nLongHem=E\nComPort=1\nAutoExit=0\n")
        # Its requests to a Wayland compositor go to the log too.
        self.program = self.start([os.path.join(build, "app", "kestrune")], WAYLAND_DEBUG="client")
        self.app = wait_for("Kestrune on the accessibility bus", lambda: application(self.program.pid), 60)

    def config(self, name):
        return os.path.join(self.env["XDG_CONFIG_HOME"], name)

    def start(self, command, **env):
        process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=self.log, env=dict(self.env, **env),
                                   preexec_fn=dies_with_its_parent)
        self.processes.append(process)
        return process

    def logged(self):
        self.log.seek(0)
        return self.log.read()

    def screenshot(self, path):
        """weston's whole output, taken by weston-screenshooter."""
        taken = tempfile.mkdtemp(dir=self.folder)
        pump(1)
        subprocess.run(["weston-screenshooter"], cwd=taken, env=self.env, check=True, timeout=30)
        shutil.move(os.path.join(taken, os.listdir(taken)[0]), path)

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
        shutil.rmtree(self.folder, ignore_errors=True)


def wait_for(what, check, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = check()
        if result:
            return result
        pump(0.1)
    raise AssertionError("timed out waiting for " + what)


def pump(seconds):
    """Lets AT-SPI's events arrive for a while."""
    from gi.repository import GLib
    context, end = GLib.MainContext.default(), time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def start_accessibility_bus(session):
    from gi.repository import Gio
    session.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)

    def address():
        try:
            return bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, None,
                                 Gio.DBusCallFlags.NONE, 1000, None)
        except Exception:
            return None
    wait_for("the accessibility bus", address)


def start_x11(session):
    for display in range(90 + os.getpid() % 100, 400):
        if os.path.exists("/tmp/.X11-unix/X%d" % display) or os.path.exists("/tmp/.X%d-lock" % display):
            continue
        server = session.start(["Xvfb", ":%d" % display, "-screen", "0", "1280x900x24", "-nolisten", "tcp"])
        wait_for("Xvfb", lambda: server.poll() is not None or os.path.exists("/tmp/.X11-unix/X%d" % display))
        if server.poll() is None:
            break
    session.env.update(DISPLAY=":%d" % display, QT_QPA_PLATFORM="xcb")
    session.env.pop("WAYLAND_DISPLAY", None)
    session.start(["openbox"])


def start_weston(session):
    runtime = os.path.join(session.folder, "runtime")
    os.mkdir(runtime, 0o700)
    session.env.update(XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="wayland")
    session.env.pop("DISPLAY", None)
    session.start(["weston", "--backend=headless-backend.so", "--use-pixman", "--debug", "--socket=kestrune-0",
                   "--width=1280", "--height=900", "--idle-time=0"])
    wait_for("weston's socket", lambda: os.path.exists(os.path.join(runtime, "kestrune-0")))
    session.env["WAYLAND_DISPLAY"] = "kestrune-0"
    pump(1)  # the shell's own client starts


# --- the accessible tree ---------------------------------------------------

def application(pid):
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
    for app in (desktop.getChildAtIndex(index) for index in range(desktop.childCount)):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            pass  # an application that went away meanwhile
    return None


def showing(node):
    import pyatspi
    return node.getState().contains(pyatspi.STATE_SHOWING)


def children(node):
    return [child for child in (node.getChildAtIndex(index) for index in range(node.childCount)) if child is not None]


def descendants(node):
    """In reading order: the order the tree gives them."""
    for child in children(node):
        yield child
        yield from descendants(child)


def showing_screen(app, inside):
    """The showing window of the program that holds an object named `inside`."""
    return next((window for window in children(app)
                 if showing(window) and any(node.name == inside for node in descendants(window))), None)


def named(window, name, role=None):
    for node in descendants(window):
        if node.name == name and (role is None or node.getRole() == role) and showing(node):
            return node
    raise AssertionError("no %s named %r in %s" % (role, name, [node.name for node in descendants(window)]))


def press(button):
    button.queryAction().doAction(0)


def walk_to_the_fix(session, shoot=lambda name: None):
    """Continue, Continue, the fix, Exit; returns the monitor screen."""
    welcome = wait_for("the welcome screen", lambda: showing_screen(session.app, "Continue >>"))
    shoot("welcome")
    press(named(welcome, "Continue >>"))
    location = wait_for("the location screen", lambda: showing_screen(session.app, "Latitude (###.####)"))
    shoot("location")
    press(named(location, "Continue >>"))
    monitor = wait_for("the monitor", lambda: showing_screen(session.app, "Status: "))
    wait_for("the fix", lambda: any(node.name == "Quality: Acceptable" for node in descendants(monitor)), 60)
    shoot("monitor")
    return monitor


def parents_of_windows(log):
    """Each Wayland toplevel the program made, in order, with the toplevel it asked to stand over (or None)."""
    toplevels, parents = [], {}
    for line in log.splitlines():
        if found := re.search(r"get_toplevel\(new id xdg_toplevel@(\d+)\)", line):
            toplevels.append(found.group(1))
        elif found := re.search(r"xdg_toplevel@(\d+)\.set_parent\(xdg_toplevel@(\d+)\)", line):
            parents[found.group(1)] = found.group(2)
    return [(toplevel, parents.get(toplevel)) for toplevel in toplevels]


if __name__ == "__main__":
    build, out = os.path.abspath(sys.argv[2]), os.path.abspath(sys.argv[3])
    in_own_bus("wayland")
    session = Session("wayland", build)
    try:
        monitor = walk_to_the_fix(session, lambda name: session.screenshot(os.path.join(out, "wayland-%s.png" % name)))
        press(named(monitor, "Exit"))
        session.program.wait(20)
    finally:
        session.close()
