#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Kestrune as a screen reader meets it, over AT-SPI: under Xvfb with openbox
# ("x11": names, reading order, hints on focus, announcements, the satellite
# bars) and natively
# under weston's headless backend ("wayland": the walk to the fix, each
# screen standing over the one before). Usage: desktop_session_test.py MODE BUILD_DIR
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from desktop_session import (Session, children, descendants, in_own_bus, named, parents_of_windows, press,  # noqa
                             showing, showing_screen, wait_for, walk_to_the_fix)


def expect(what, actual, expected):
    if actual != expected:
        raise AssertionError("%s:\n  got      %r\n  expected %r" % (what, actual, expected))


def reading_order(window):
    """(role, name a screen reader gives) of the showing controls of a screen, in reading order."""
    import pyatspi
    area = next(node for node in descendants(window) if node.getRole() == pyatspi.ROLE_FILLER)
    def spoken(node):
        labels = [r.getTarget(0) for r in node.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        return labels[0].name if labels else node.name
    return [(node.getRoleName(), spoken(node)) for node in children(area) if showing(node)]


def hint(app):
    import pyatspi
    return next((window.name for window in children(app) if window.getRole() == pyatspi.ROLE_TOOL_TIP and
                 showing(window)), None)


def read_as_a_screen_reader(session):
    import pyatspi
    heard = []
    pyatspi.Registry.registerEventListener(
        lambda event: event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION and
        heard.append(event.source.name), "object:state-changed:showing")
    def announced(beginning):
        wait_for("%r among %r" % (beginning, heard), lambda: any(text.startswith(beginning) for text in heard), 60)

    welcome = wait_for("the welcome screen", lambda: showing_screen(session.app, "Continue >>"))
    expect("the welcome screen", [role for role, _ in reading_order(welcome)], ["label"] * 2 + ["push button"] * 2)
    press(named(welcome, "Continue >>"))
    location = wait_for("the location screen", lambda: showing_screen(session.app, "Latitude (###.####)"))
    expect("the location screen", reading_order(location)[1:], [
        ("label", "Latitude (###.####)"), ("text", "Latitude (###.####)"), ("combo box", "Latitude hemisphere"),
        ("label", "Longitude (###.####)"), ("text", "Longitude (###.####)"), ("combo box", "Longitude hemisphere"),
        ("label", "Time Diff. from UTC"), ("text", "Time Diff. from UTC"), ("label", "Serial Port"),
        ("combo box", "Serial Port"), ("push button", "Continue >>"), ("push button", "Exit")])
    for name in ["Latitude (###.####)", "Time Diff. from UTC"]:  # the focused field's hint shows
        field = named(location, name, pyatspi.ROLE_TEXT)
        field.queryComponent().grabFocus()
        wait_for("the hint of " + name, lambda: hint(session.app) == field.description)
    ports = named(location, "1", pyatspi.ROLE_COMBO_BOX)
    device = ports.description.split("\n")[0]
    expect("the chosen port's device", device.startswith("1: /dev/pts/"), True)
    expect("the first entry", [node.name for node in descendants(ports) if node.getRole() == pyatspi.ROLE_LIST_ITEM][0],
           device)
    press(named(location, "Continue >>"))
    monitor = wait_for("the monitor", lambda: showing_screen(session.app, "Status: "))
    names = [name for _, name in reading_order(monitor)]
    expect("the monitor's status and last control", (names[0], names[1].startswith("Status: "), names[-1]), ("Status: ", True, "Exit"))
    announced("Quality: Acceptable, Co-ord: 52.06")
    # Every satellite bar read as a text of its own, as many as the line above them counts.
    texts = [node.name for node in descendants(monitor) if node.getRole() == pyatspi.ROLE_LABEL and node.name]
    tracked = int(next(re.match(r"Tracked: (\d+)", text).group(1) for text in texts if text.startswith("Tracked: ")))
    bars = [text for text in texts if text.startswith("Satellite ")]
    expect("satellites tracked at the fix", tracked > 0, True)
    expect("a bar per tracked satellite", len(bars), tracked)
    for bar in bars:
        match = re.fullmatch(r"Satellite (\d+): (\d+) dB-Hz, (used in the fix|tracked)", bar)
        expect("a bar's text " + bar, bool(match) and 1 <= int(match.group(1)) <= 32, True)
    session.receiver.terminate()
    announced("Receiver lost: %s went away" % device.split(" ")[1])
    return monitor


if __name__ == "__main__":
    mode, build = sys.argv[1], os.path.abspath(sys.argv[2])
    in_own_bus(mode)
    session = Session(mode, build)
    try:
        monitor = read_as_a_screen_reader(session) if mode == "x11" else walk_to_the_fix(session)
        press(named(monitor, "Exit"))
        expect("Kestrune's exit status", session.program.wait(20), 0)
        with open(session.config("Kestrune.ini")) as settings:
            expect("the fix saved", "LatHem=N" in settings.read(), True)
        if mode == "wayland":  # each screen asked to stand over the welcome screen, the one shown before it
            windows = parents_of_windows(session.logged())[:3]
            expect("the screens' parents", [parent for _, parent in windows], [None, windows[0][0], windows[0][0]])
        print("passed")
    except AssertionError as failure:
        lines = [line for line in session.logged().splitlines() if not line.startswith("[")]  # no Wayland requests
        print("FAILED: %s\n%s" % (failure, "\n".join(lines[-40:])))
        sys.exit(1)
    finally:
        session.close()
