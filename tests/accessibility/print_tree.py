#!/usr/bin/python3
"""Prints what a screen reader sees of each window of the suite, through
AT-SPI, and fails when an object a pupil can act on has no name, or when the
maze's description does not follow Zorbik.

Run by private_bus.sh, which starts the X server, the session bus and the
accessibility bus. Arguments: the build folder and a language ("C", "de")."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

BUILD = sys.argv[1]
LANGUAGE = sys.argv[2] if len(sys.argv) > 2 else "C"
SUITE = os.path.join(BUILD, "suite")

# Roles a pupil acts on or reads values from: each needs a name.
NAMED_ROLES = {"push button", "toggle button", "check box", "radio button", "combo box", "text",
               "canvas", "progress bar", "table", "column header", "spin button", "slider"}

failures = []


def fail(why):
    failures.append(why)
    print("FAIL:", why)


def environment(extra=None):
    env = dict(os.environ)
    env.update({"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1", "LANGUAGE": LANGUAGE,
                "LANG": "C.UTF-8", "LC_ALL": "", "ZORBIK_NO_AUDIO": "1", "QT_QPA_PLATFORM": "xcb"})
    env.pop("LC_ALL")
    env.update(extra or {})
    return env


def application(pid, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        desk = pyatspi.Registry.getDesktop(0)
        for i in range(desk.childCount):
            app = desk.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid and app.childCount > 0:
                    return app
            except Exception:
                pass
        time.sleep(0.2)
    return None


def showing(a):
    try:
        return a.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def walk(a, depth, lines, only_showing=True):
    try:
        role, name, description = a.getRoleName(), a.name or "", a.description or ""
    except Exception:
        return
    if only_showing and depth > 1 and not showing(a):
        return
    extra = ""
    if role == "progress bar":
        try:
            extra = " value=%g" % a.queryValue().currentValue
        except Exception:
            extra = " value=?"
    if role == "table":
        try:
            t = a.queryTable()
            extra = " %dx%d columns=%s" % (t.nRows, t.nColumns,
                                           [t.getColumnDescription(c) for c in range(t.nColumns)])
        except Exception:
            extra = " table=?"
    lines.append("%s%s %r%s%s" % ("  " * depth, role, name, " desc=%r" % description if description else "", extra))
    if role in NAMED_ROLES and not name.strip():
        fail("unnamed %s under %s" % (role, lines[0].strip()))
    if role == "table":
        return  # its cells are listed by the line above
    for j in range(a.childCount):
        walk(a.getChildAtIndex(j), depth + 1, lines, only_showing)


def print_tree(title, app):
    lines = []
    walk(app, 0, lines)
    print("== %s (%s)" % (title, LANGUAGE))
    print("\n".join(lines))
    return lines


def find(a, role, name=None):
    try:
        if a.getRoleName() == role and (name is None or a.name == name) and showing(a):
            return a
    except Exception:
        return None
    for j in range(a.childCount):
        found = find(a.getChildAtIndex(j), role, name)
        if found:
            return found
    return None


def focused(a):
    """The deepest focused object (a focus proxy's owner says it is focused too)."""
    try:
        for j in range(a.childCount):
            found = focused(a.getChildAtIndex(j))
            if found:
                return found
        if a.getState().contains(pyatspi.STATE_FOCUSED):
            return a
    except Exception:
        pass
    return None


def events_during(action, kinds, seconds=2.0):
    """Runs action() inside the AT-SPI event loop and returns the events seen."""
    seen = []

    def listener(event):
        seen.append((event.type, str(event.any_data)))

    for kind in kinds:
        pyatspi.Registry.registerEventListener(listener, kind)
    GLib.timeout_add(300, lambda: (action(), False)[1])
    GLib.timeout_add(int(seconds * 1000), lambda: (pyatspi.Registry.stop(), False)[1])
    pyatspi.Registry.start()
    for kind in kinds:
        pyatspi.Registry.deregisterEventListener(listener, kind)
    return seen


class Driven:
    """A program started with its test driver: commands on its standard input."""

    def __init__(self, argv, cwd, env):
        self.p = subprocess.Popen(argv, cwd=cwd, env=env, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL, text=True)

    def send(self, command):
        self.p.stdin.write(command + "\n")
        self.p.stdin.flush()
        time.sleep(0.4)

    def end(self):
        try:
            self.p.stdin.close()
        except Exception:
            pass
        try:
            self.p.wait(5)
        except subprocess.TimeoutExpired:
            self.p.kill()
            self.p.wait()


def lay_out_suite(folder):
    shutil.copytree(os.path.join(SUITE, "Maze"), os.path.join(folder, "Maze"))
    os.makedirs(os.path.join(folder, "Quiz"))
    shutil.copy(os.path.join(BUILD, "tests", "helpers", "fake_quiz", "fake_quiz"), os.path.join(folder, "Quiz"))
    with open(os.path.join(folder, "Gamer.nam"), "w") as f:
        f.write("Ann\r\n")


def check_game(folder):
    env = environment({"ZORBIK_TEST_DRIVER": "1", "ZORBIK_TEST_SEED": "7",
                       "ZORBIK_TRANSLATIONS": os.path.join(SUITE, "translations")})
    game = Driven([os.path.join(folder, "Maze", "Game1"), "Quiz/fake_quiz", "BOTH", "NOSOUND", "SHOWN"], folder, env)
    app = application(game.p.pid)
    if not app:
        fail("the game never reached the accessibility bus")
        game.end()
        return
    time.sleep(1)
    print_tree("game", app)
    maze = find(app, "canvas")
    if not maze:
        fail("no maze canvas")
    else:
        # The window takes the focus once the desktop hands it over: slower
        # under a sanitizer, so wait for it up to ten seconds.
        holder = focused(app)
        deadline = time.time() + 10
        while (not holder or holder.getRoleName() != "canvas") and time.time() < deadline:
            time.sleep(0.2)
            holder = focused(app)
        if not holder or holder.getRoleName() != "canvas":
            fail("the focus is not on the maze but on %s" % (holder.getRoleName() if holder else None))
        before = maze.description
        seen = events_during(lambda: game.send("key 39") or game.send("key 40"),
                             ["object:property-change:accessible-description"])
        after = maze.description
        print("maze before:", before)
        print("maze after: ", after)
        print("events:", len(seen), seen[-1] if seen else None)
        if before == after or not seen:
            fail("the maze's description did not change over AT-SPI after a move")
        # The "where am I" key says the same sentence again.
        spoken = events_during(lambda: game.send("press Space"),
                               ["object:property-change:accessible-description"])
        print("where am I:", maze.description)
        if not spoken or maze.description != after:
            fail("Space did not say again where Zorbik is")
        bar = find(app, "progress bar")
        if bar and bar.queryValue().currentValue != 100:
            fail("health bar value %s" % bar.queryValue().currentValue)
    game.send("button Rules")
    time.sleep(0.5)
    print_tree("rules dialog", app)
    holder = focused(app)
    if not holder or holder.getRoleName() != "push button":
        fail("the rules dialog does not focus its button")
    game.send("press Return")
    game.send("answer yes")
    game.send("finish")
    time.sleep(1.5)
    lines = print_tree("game over", app)
    if not any(l.strip().startswith("table") for l in lines):
        fail("no high-score table at game over")
    holder = focused(app)
    print("focus at game over:", holder.getRoleName() if holder else None, repr(holder.name) if holder else "")
    game.send("press Return")
    game.end()


def check_confirm_exit(folder):
    """The real "Confirm exit" box, without the driver: its OK button holds the focus."""
    env = environment({"ZORBIK_TRANSLATIONS": os.path.join(SUITE, "translations")})
    game = subprocess.Popen([os.path.join(folder, "Maze", "Game1"), "Quiz/fake_quiz", "BOTH", "NOSOUND", "SHOWN"],
                            cwd=folder, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    app = application(game.pid)
    exit_name = {"de": "Beenden"}.get(LANGUAGE, "Exit")
    exit_button = find(app, "push button", exit_name) if app else None
    if not exit_button:
        fail("no Exit button to press")
    else:
        x, y, w, h = exit_button.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"])
        time.sleep(1.5)
        print_tree("confirm exit", app)
        holder = focused(app)
        print("focus in the box:", holder.getRoleName() if holder else None, repr(holder.name) if holder else "")
        if not holder or holder.getRoleName() != "push button":
            fail("the exit box does not focus its default button")
    game.kill()
    game.wait()


def check_quiz(folder):
    quiz = os.path.join(SUITE, "Quiz", "quiz")
    if not os.path.exists(quiz):
        fail("no quiz program at " + quiz)
        return
    shutil.copy(quiz, os.path.join(folder, "Quiz", "quiz"))
    env = environment({"ZORBIK_TEST_DRIVER": "1",
                       "ZORBIK_TRANSLATIONS": os.path.join(SUITE, "translations")})
    program = Driven([os.path.join(folder, "Quiz", "quiz"), "LCM", "3", "NOSOUND"], os.path.join(folder, "Quiz"), env)
    app = application(program.p.pid)
    if not app:
        fail("the quiz never reached the accessibility bus")
    else:
        time.sleep(0.5)
        print_tree("quiz", app)
        holder = focused(app)
        print("focus in the quiz:", holder.getRoleName() if holder else None, repr(holder.name) if holder else "")
    program.end()


def check_launcher(home):
    launcher = os.path.join(SUITE, "zorbik")
    env = environment({"HOME": home, "XDG_CONFIG_HOME": os.path.join(home, ".config"),
                       "XDG_DATA_HOME": os.path.join(home, ".local", "share")})
    p = subprocess.Popen([launcher] + (["--language", LANGUAGE] if LANGUAGE != "C" else []), env=env,
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    app = application(p.pid)
    if not app:
        fail("the launcher never reached the accessibility bus")
    else:
        time.sleep(0.5)
        print_tree("launcher", app)
    p.kill()
    p.wait()


def main():
    folder = tempfile.mkdtemp(prefix="zorbik_atspi_")
    try:
        lay_out_suite(folder)
        check_game(folder)
        check_confirm_exit(folder)
        check_quiz(folder)
        check_launcher(folder)
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    print("%d failure(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
