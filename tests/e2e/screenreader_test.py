#!/usr/bin/python3
"""Dodoru as a screen reader meets it, keyboard only.

  screenreader_test.py --program build/bin/dodoru

The program runs under a private Xvfb with openbox, on a private D-Bus session with the AT-SPI bus, with
Qt's accessibility bridge on. The test listens as a screen reader does (pyatspi: focus changes, objects
shown, names changed) while it types as a blind user would: Tab into the grid, arrows and digits to enter
a puzzle, a repeated digit, Tab to the solve button, the told result, back into the grid to read the
solution, the context menu from the keyboard, and then the puzzle played: a hint told, a digit typed. It prints what a screen reader would say, step by step.
"""

import os
import shutil
import sys
import time

from a11ybus import AccessibilityBus
from xsession import XSession, E2EFailure, check, test_main, wait_until

MAIN_TITLE = r"^Dodoru - 數字方陣"
ABOUT_TITLE = "^關於 Dodoru數字方陣$"

PUZZLE = [int(d) for d in
          "530070000600195000098000060800060003400803001700020006060000280000419005000080079"]
SOLUTION = [int(d) for d in
            "534678912672195348198342567859761423426853791713924856961537284287419635345286179"]
# The command buttons in their Tab order, after 0.手動.
BUTTONS_AFTER_MANUAL = ["自動解題", "清除重來", "1.極易", "2.容易", "3.中等", "4.困難", "5.極難", "列印"]


def place(cell):
    return f"第{cell // 9 + 1}列第{cell % 9 + 1}行"


def cell_name(cell, digit, kind=""):
    """What a cell says: where, its digit, and what kind of digit it is (題目, 你填的, 解答)."""
    return f"{place(cell)}，{digit if digit else '空格'}" + (f"，{kind}" if digit and kind else "")


class Heard:
    """What a screen reader hears: focus changes, notifications shown, and names changing."""

    def __init__(self):
        import pyatspi
        from gi.repository import GLib
        self.pyatspi, self.context = pyatspi, GLib.MainContext.default()
        self.events = []
        for kind in ("object:state-changed:focused", "object:state-changed:showing",
                     "object:property-change:accessible-name"):
            pyatspi.Registry.registerEventListener(self._on_event, kind)

    def close(self):
        for kind in ("object:state-changed:focused", "object:state-changed:showing",
                     "object:property-change:accessible-name"):
            self.pyatspi.Registry.deregisterEventListener(self._on_event, kind)

    def _on_event(self, event):
        try:
            role, name = event.source.getRoleName(), event.source.name
        except Exception:  # an object gone before it was asked
            return
        if event.type.startswith("object:state-changed:focused"):
            if role == "combo box":
                # a reader says a combo box's label before its text
                labels = [target.name for relation in event.source.getRelationSet()
                          if relation.getRelationType() == self.pyatspi.RELATION_LABELLED_BY
                          for target in (relation.getTarget(i) for i in range(relation.getNTargets()))]
                name = " ".join(labels + [name])
            if event.detail1:
                if role == "menu item":
                    # a reader names the menu the first time the focus comes into it
                    menu = event.source.parent
                    self.events.append(("menu", menu.getRoleName(), menu.name))
                self.events.append(("focus", role, name))
        elif event.type.startswith("object:state-changed:showing"):
            if event.detail1 and role == "notification":
                self.events.append(("alert", role, name))
        elif name:
            self.events.append(("name", role, name))

    def pump(self):
        while self.context.iteration(False):
            pass

    def wait(self, kind, name, timeout=10, role=None):
        """Waits for a `kind` event of an object named `name` (a text, or a predicate) and returns it."""
        matches = name if callable(name) else (lambda n: n == name)

        def probe():
            self.pump()
            for index, event in enumerate(self.events):
                if event[0] == kind and matches(event[2]) and (role is None or event[1] == role):
                    del self.events[:index + 1]
                    return event
            return None

        try:
            return wait_until(probe, timeout, f"a screen reader to hear {kind} {name}", interval=0.02)
        except E2EFailure:
            raise E2EFailure(f"did not hear {kind} {name!r}; heard {self.events[-12:]}") from None

    def take(self):
        """Everything heard since the last call."""
        self.pump()
        taken, self.events = self.events, []
        return taken


class Transcript:
    """The steps of the test, each with what a screen reader says during it."""

    def __init__(self):
        self.step = 0
        self.started = time.monotonic()

    def __call__(self, text, said=()):
        self.step += 1
        print(f"ok {self.step} - {text} [{time.monotonic() - self.started:.1f} s]", flush=True)
        for line in said:
            print(f"    heard: {line}", flush=True)


def spoken(event):
    kind, role, name = event
    return {"focus": f"{name} ({role})", "alert": f"notification: {name}", "name": f"now: {name}"}[kind]


def application(pyatspi, pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def run(args):
    transcript = Transcript()
    with XSession("dodoru-a11y") as session, AccessibilityBus(session) as bus:
        try:
            scenario(session, bus, args, transcript)
        except E2EFailure:
            print("-- what the program printed:\n" + session.program_log(), flush=True)
            raise
    print(f"{transcript.step} passed, 0 failed")


def scenario(session, bus, args, say):
    directory = os.path.join(session.scratch, "program")
    os.makedirs(directory)
    executable = os.path.join(directory, "dodoru")
    shutil.copy2(args.program, executable)
    process = session.start([executable], bus.env(), cwd=session.scratch)
    window = session.wait_window(process, MAIN_TITLE)
    about = session.wait_window(process, ABOUT_TITLE)

    import pyatspi
    heard = Heard()
    app = wait_until(lambda: application(pyatspi, process.pid), 20, "the program on the AT-SPI bus")
    frames = {child.getRoleName(): child for child in app if child is not None}
    check("frame" in frames and "dialog" in frames, f"the program's windows are {sorted(frames)}, not a frame and a dialog")
    description = frames["dialog"].description
    check(description.splitlines()[:2] == ["Dodoru數字方陣", "版本 1.2.0"] and len(description) < 80,
          f"the About box does not describe itself short: {description!r}")
    check(frames["frame"].name == "Dodoru數字方陣", f"the main window reads as {frames['frame'].name!r}")
    say("the main window is a frame named for the program; the About box, a dialog, describes its title, "
        "version and what the program does",
        [f"{frames['dialog'].name} (dialog): {description.splitlines()[0]} …"])

    wait_until(lambda: session.active_window() == about.wid, 10, "the About box to have the focus")
    session.key("Escape")
    session.wait_window_gone(about)
    heard.wait("focus", "0.手動", role="push button")
    say("Esc closes the About box; the focus is on the first command", ["0.手動 (push button)"])

    for name in BUTTONS_AFTER_MANUAL:
        session.key("Tab")
        heard.wait("focus", name, role="push button")
    session.key("Tab")
    heard.wait("focus", cell_name(0, 0), role="label")
    said = [f"{n} (push button)" for n in BUTTONS_AFTER_MANUAL] + [f"{cell_name(0, 0)} (label)"]
    say("Tab goes through the commands, the print button named 列印, and then into the grid, its first cell focused",
        said)
    heard.take()

    # The puzzle typed row by row: a digit where the puzzle has one, Right to the next cell, Down and
    # Home to the next row. Each move is heard as the focus coming to the new cell, empty so far.
    expected = []
    cell = 0
    for row in range(9):
        for column in range(9):
            cell = row * 9 + column
            if PUZZLE[cell]:
                session.key(str(PUZZLE[cell]) if cell % 2 == 0 else "KP_" + str(PUZZLE[cell]))
                heard.wait("name", cell_name(cell, PUZZLE[cell], "題目"))
            if row == 0 and column == 2:
                # a 5 here repeats the 5 of the first cell: told at once, and taken back
                session.key("5")
                heard.wait("alert", f"{cell_name(2, 5, '題目')}，與{place(0)}重複")
                session.key("Delete")
                heard.wait("name", cell_name(2, 0))
            if column < 8:
                session.key("Right")
                heard.wait("focus", cell_name(cell + 1, 0), role="label")
                expected.append(cell_name(cell + 1, 0))
        if row < 8:
            session.key("Down")
            heard.wait("focus", cell_name(cell + 9, 0), role="label")
            session.key("Home")
            heard.wait("focus", cell_name(row * 9 + 9, 0), role="label")
    say(f"{sum(1 for d in PUZZLE if d)} givens typed with digits, arrows, Home; each move is a focus event on "
        "the cell it reaches, each digit a new name of the focused cell and a notification, a repeat told",
        [f"{cell_name(0, 0)} → 5: now {cell_name(0, 5, '題目')}",
         f"Right: {cell_name(1, 0)} (label) → 3: now {cell_name(1, 3, '題目')}",
         f"Right: {cell_name(2, 0)} (label) → 5: notification: {cell_name(2, 5, '題目')}，與{place(0)}重複",
         f"Delete: now {cell_name(2, 0)}",
         "… one focus event per Right, Down and Home, one name per digit …",
         f"last: {cell_name(80, 9, '題目')}"])

    session.key("Tab")
    chooser = heard.wait("focus", lambda name: name.startswith(f"{place(80)}的數字"), role="combo box")
    session.key("Tab")
    heard.wait("focus", "0.手動", role="push button")
    session.key("Tab")
    heard.wait("focus", "自動解題", role="push button")
    heard.take()
    session.key("space")
    heard.wait("alert", "已解出", timeout=30)
    say("Tab leaves the grid for the digit chooser, named for its cell, and the commands; Space on 自動解題 "
        "solves, and the result is told",
        [f"{chooser[2]} (combo box)", "0.手動 (push button)", "自動解題 (push button)", "notification: 已解出"])

    session.keyboard().chord("Shift_L", "Tab")
    heard.wait("focus", "0.手動", role="push button")
    session.keyboard().chord("Shift_L", "Tab")
    heard.wait("focus", cell_name(80, SOLUTION[80], "題目"), role="label")
    said = [f"{cell_name(80, SOLUTION[80], '題目')} (label)"]
    for target in (79, 78, 69):
        session.key("Left" if target in (79, 78) else "Up")
        kind = "題目" if PUZZLE[target] else "解答"
        heard.wait("focus", cell_name(target, SOLUTION[target], kind), role="label")
        said.append(f"{cell_name(target, SOLUTION[target], kind)} (label)")
    say("Shift+Tab comes back into the grid on the last cell; the arrows read the solution, givens and "
        "the solver's digits alike", ["0.手動 (push button)"] + said)

    session.key("Menu")
    menu = heard.wait("menu", "視窗指令")
    item = heard.wait("focus", lambda name: bool(name), role="menu item")
    session.key("Escape")
    say("the Menu key opens the context menu, named 視窗指令, with its first command focused",
        [f"{menu[2]} ({menu[1]})", f"{item[2]} (menu item)"])

    # Playing: the solve undone, 作答, a hint, and a digit of the player's in the focused cell.
    heard.take()
    session.keyboard().chord("Control_L", "z")
    heard.wait("name", cell_name(69, 0))
    session.keyboard().chord("Control_L", "Return")
    help_line = heard.wait("alert", lambda name: name.startswith("作答中"))
    session.key("h")
    hint = heard.wait("alert", lambda name: "：" in name and not name.startswith("作答中"))
    session.key(str(SOLUTION[69]))
    typed = heard.wait("name", cell_name(69, SOLUTION[69], "你填的"))
    say("Ctrl+Z takes the solve back, Ctrl+Return plays the puzzle, H tells a hint, a digit is the player's",
        [f"notification: {help_line[2]}", f"H: notification: {hint[2]}", f"{SOLUTION[69]}: now {typed[2]}"])
    heard.close()


def main():
    def arguments(parser):
        parser.add_argument("--program", required=True, help="the dodoru executable to test")
    return test_main(__doc__, arguments, run)


if __name__ == "__main__":
    sys.exit(main())
