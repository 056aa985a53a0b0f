#!/usr/bin/env python3
"""Pictures of the main window in each translated language, for the README.

  language_screenshots.py --program build/bin/dodoru --out docs

Each language runs the real program under a private Xvfb with openbox, as the end-to-end test does: the
puzzle of that test is given as Default.dat, the About box is closed, the solve button pressed, and the
solved window saved as screenshot-<language>.png. docs/screenshot.png, the window in its own language,
is made by desktop_test.py.
"""

import os
import shutil
import sys

from boardscreen import BLACK, BLUE
from desktop_test import PUZZLE, MainWindow, Program
from xsession import XSession, test_main, wait_until

# The window's and the About box's captions in each language.
LANGUAGES = {
    "en": (r"^Dodoru - Number Square", r"^About Dodoru Number Square$"),
    "zh_CN": (r"^Dodoru - 数字方阵", r"^关于 Dodoru数字方阵$"),
}


def run(args):
    for language, (main_title, about_title) in LANGUAGES.items():
        with XSession(f"dodoru-{language}") as session:
            program = Program(session, args.program)
            shutil.copytree(os.path.join(os.path.dirname(args.program), "translations"),
                            program.path("translations"))
            with open(program.path("Default.dat"), "wb") as f:
                f.write(bytes(PUZZLE))
            program.process = session.start([program.executable], session.env(LANGUAGE=language),
                                            cwd=session.scratch)
            window = session.wait_window(program.process, main_title)
            about = session.wait_window(program.process, about_title)
            wait_until(lambda: session.active_window() == about.wid, 10, "the About box to have the focus")
            session.key("Escape")
            session.wait_window_gone(about)
            main = MainWindow(session, program, window)
            main.press(1)
            main.wait_stable(lambda cells: all(ink.colour in (BLUE, BLACK) for ink in cells), 30, "the solved board")
            path = os.path.join(args.out, f"screenshot-{language}.png")
            session.screenshot(window.wid, path)
            print(f"{language}: {path}", flush=True)
            main.close_by_close_box()


def main():
    def arguments(parser):
        parser.add_argument("--program", required=True, help="the dodoru executable, its translations/ beside it")
        parser.add_argument("--out", required=True, help="the folder for screenshot-<language>.png")
    return test_main(__doc__, arguments, run)


if __name__ == "__main__":
    sys.exit(main())
