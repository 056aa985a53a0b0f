#!/usr/bin/env python3
"""Dodoru on a real X server, used as a person uses it.

  desktop_test.py --program build/bin/dodoru --screenshot build/e2e-after-solve.png

The program runs from a fresh temporary copy of its directory under a private Xvfb with openbox, and is
driven with xdotool: clicks, digit keys, the close box. What it shows is read back from screen captures
and what it keeps from the files beside it.
"""

import argparse
import os
import shutil
import sys
import time

from xsession import XSession, E2EFailure, check, wait_until

MAIN_TITLE = r"^Dodoru"
CLIENT_SIZE = (624, 610)


class Step:
    """Prints each step as it runs, so a failure says where it happened."""

    def __init__(self):
        self.passed = 0

    def __call__(self, text):
        self.passed += 1
        print(f"ok {self.passed} - {text}", flush=True)


class Program:
    """One copy of the program in a directory of its own; each start runs it from there."""

    def __init__(self, session, source):
        self.session = session
        self.directory = os.path.join(session.scratch, "program")
        os.makedirs(self.directory)
        self.executable = os.path.join(self.directory, os.path.basename(source))
        shutil.copy2(source, self.executable)
        self.process = None

    def path(self, name):
        return os.path.join(self.directory, name)

    def start(self):
        self.process = self.session.start([self.executable], self.session.env(), cwd=self.session.scratch)
        return self.process

    def wait_exit(self, timeout):
        deadline = time.monotonic() + timeout
        wait_until(lambda: self.process.poll() is not None or time.monotonic() > deadline, timeout + 1,
                   "the program to end")
        check(self.process.poll() is not None, f"the program was still running {timeout} s after being closed")
        return self.process.returncode


def check_fixed_size(session, window, size, step):
    """The client area has `size` and neither the frame, a title-bar double click nor a request changes it."""
    g = session.geometry(window.wid)
    check((g.width, g.height) == size, f"{window.title}: client area is {g.width}x{g.height}, not {size[0]}x{size[1]}")
    left, right, top, bottom = session.frame_extents(window.wid)
    check(top > 0, f"{window.title} has no title bar from the window manager")
    step(f"{window.title!r} is framed and its client area is {size[0]} x {size[1]} px")

    def unchanged(after):
        time.sleep(0.3)  # nothing to wait for when nothing happens: a short grace for a wrong change to land
        g = session.geometry(window.wid)
        check((g.width, g.height) == size, f"{window.title} was resized to {g.width}x{g.height} by {after}")
        check("MAXIMIZED" not in session.net_wm_state(window.wid), f"{window.title} was maximised by {after}")

    frame = session.frame_geometry(window.wid)
    # Openbox maximises a window on a double click on its title bar when the window allows it.
    session.click(frame.x + frame.width // 3, frame.y + top // 2, repeat=2)
    unchanged("a double click on the title bar")
    corner = (frame.x + frame.width - 1, frame.y + frame.height - 1)
    session.drag(corner, (corner[0] + 120, corner[1] + 90))
    unchanged("dragging the frame's corner")
    g = session.geometry(window.wid)
    inside = (g.x + g.width - 20, g.y + g.height - 20)
    session.drag(inside, (inside[0] + 120, inside[1] + 90), button=3, modifier="alt")
    unchanged("an Alt + right-button drag")
    # A program's request, which a window manager grants when the size hints allow it.
    session.xdotool("windowsize", window.wid, size[0] + 100, size[1] + 100)
    unchanged("a resize request")
    allowed = session.run("xprop", "-id", str(window.wid), "_NET_WM_ALLOWED_ACTIONS").decode()
    check("_NET_WM_ACTION_RESIZE" not in allowed and "_NET_WM_ACTION_MAXIMIZE" not in allowed,
          f"the window manager offers to resize or maximise {window.title}: {allowed.strip()}")
    step(f"{window.title!r} cannot be resized or maximised")


def run(args):
    step = Step()
    with XSession() as session:
        program = Program(session, args.program)
        program.start()
        main = session.wait_window(program.process, MAIN_TITLE)
        step(f"the main window appears: {main.title!r}")
        check_fixed_size(session, main, CLIENT_SIZE, step)

        for path in args.screenshot:
            session.screenshot(main.wid, path)
            step(f"screenshot of the main window in {path}")

        session.click(*close_box(session, main))
        program.wait_exit(5)
        step("the close box ends the program")
    print(f"{step.passed} passed, 0 failed")


def close_box(session, window):
    frame = session.frame_geometry(window.wid)
    _, right, top, _ = session.frame_extents(window.wid)
    # Openbox puts the close button last in the title bar, at the right.
    return frame.x + frame.width - right - top // 2 - 2, frame.y + top // 2


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--program", required=True, help="the dodoru executable to test")
    parser.add_argument("--screenshot", action="append", default=[],
                        help="where to save a picture of the main window after a solve (repeatable)")
    args = parser.parse_args()
    try:
        run(args)
    except E2EFailure as failure:
        print(f"not ok - {failure}", flush=True)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
