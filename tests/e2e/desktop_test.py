#!/usr/bin/env python3
"""Dodoru on a real X server, used as a person uses it.

  desktop_test.py --program build/bin/dodoru --screenshot build/e2e-main-window.png

The program runs from a fresh temporary copy of its directory under a private Xvfb with openbox, and is
driven with xdotool: clicks, digit keys, the clipboard (xclip), the context menu, the close box. What it shows is read back from screen captures
and what it keeps from the files beside it.
"""

import os
import pwd
import re
import shutil
import signal
import subprocess
import sys
import time

from boardscreen import (BLACK, BLUE, CELL_HEIGHT, CELL_WIDTH, EMPTY, GREEN, OTHER, DigitShapes, candidate_tally,
                         cell_centre, cell_rect, count_solutions, has_conflict, is_valid_solution, parse_board,
                         read_cells, twips_to_pixels)
from xsession import XSession, E2EFailure, check, test_main, wait_until

MAIN_TITLE = r"^Dodoru - 數字方陣"
CLIENT_SIZE = (624, 610)
ABOUT_TITLE = "^關於 Dodoru數字方陣$"
ABOUT_SIZE = (466, 330)
QUESTION_TITLE = "^Dodoru數字方陣$"  # message boxes carry the application title

# A puzzle with one solution; its givens use every digit, so the solved board names all nine shapes.
PUZZLE = parse_board(
    "53..7...."
    "6..195..."
    ".98....6."
    "8...6...3"
    "4..8.3..1"
    "7...2...6"
    ".6....28."
    "...419..5"
    "....8..79")

# Client-area pixels of the buttons' centres.
BUTTON = {index: twips_to_pixels(left + width // 2, top + height // 2) for index, (left, top, width, height) in {
    0: (105, 405, 1200, 400), 1: (3810, 405, 2300, 800), 2: (6210, 405, 2300, 800),
    3: (105, 795, 1200, 400), 5: (1290, 795, 1200, 400), 7: (2490, 795, 1200, 400)}.items()}


class Step:
    """Prints each step as it runs, so a failure says where it happened."""

    def __init__(self):
        self.passed = 0
        self.started = time.monotonic()

    def __call__(self, text):
        self.passed += 1
        print(f"ok {self.passed} - {text} [{time.monotonic() - self.started:.1f} s]", flush=True)


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


def check_fixed_size(session, window, name, size, step):
    """The client area has `size` and neither the frame, a title-bar double click nor a request changes it."""
    g = session.geometry(window.wid)
    check((g.width, g.height) == size, f"{name}: client area is {g.width}x{g.height}, not {size[0]}x{size[1]}")
    left, right, top, bottom = session.frame_extents(window.wid)
    check(top > 0, f"{name} has no title bar from the window manager")
    step(f"{name} is framed and its client area is {size[0]} x {size[1]} px")

    def unchanged(after):
        time.sleep(0.3)  # nothing to wait for when nothing happens: a short grace for a wrong change to land
        g = session.geometry(window.wid)
        check((g.width, g.height) == size, f"{name} was resized to {g.width}x{g.height} by {after}")
        check("MAXIMIZED" not in session.net_wm_state(window.wid), f"{name} was maximised by {after}")

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
          f"the window manager offers to resize or maximise {name}: {allowed.strip()}")
    step(f"{name} cannot be resized or maximised")



class MainWindow:
    """The main window of one run, driven through its client area."""

    def __init__(self, session, program, window):
        self.session, self.program, self.window = session, program, window
        self.origin = None

    def at(self, x, y):
        """Screen position of a point of the client area; the window stays where it is once shown."""
        if self.origin is None:
            g = self.session.geometry(self.window.wid)
            self.origin = (g.x, g.y)
        return self.origin[0] + x, self.origin[1] + y

    def click(self, x, y, button=1):
        self.session.click(*self.at(x, y), button=button)

    def press(self, index):
        self.click(*BUTTON[index])

    def session_capture(self):
        return self.session.capture(self.window.wid)

    def cells(self):
        return read_cells(self.session_capture())

    def enter(self, c, keys):
        """Left click on cell c, click into the digit chooser that appears on it, and type `keys`."""
        left, top, _, _ = cell_rect(c)
        self.click(left + CELL_WIDTH // 2, top + CELL_HEIGHT // 2)
        # The chooser lies 200 twips right of and 100 twips below the cell's corner; its text field is
        # at its left, the arrow at its right.
        x, y = twips_to_pixels(200, 100)
        self.click(left + x + 10, top + y + 16)
        self.session.key(*keys)

    def wait_stable(self, accept, timeout, what):
        """Waits until two captures 0.3 s apart show the same ink and `accept(cells)` holds for it."""
        last = [None]

        def probe():
            cells = self.cells()
            masks = [(ink.mask, ink.colour) for ink in cells]
            same = last[0] is not None and last[0][0] == masks
            last[0] = (masks, cells)
            return cells if same and accept(cells) else None

        try:
            return wait_until(probe, timeout, what, interval=0.3)
        except E2EFailure as failure:
            shown = [ink.colour for ink in last[0][1]] if last[0] else []
            summary = ", ".join(f"{shown.count(c)} {c}" for c in (EMPTY, BLUE, BLACK, OTHER) if c in shown)
            raise E2EFailure(f"{failure}; the board shows {summary} cells") from None

    def close_by_close_box(self):
        """Clicks the close box; returns the seconds until the program had ended."""
        self.session.click(*close_box(self.session, self.window))
        clicked = time.monotonic()
        wait_until(lambda: self.program.process.poll() is not None, 10, "the program to end after its close box")
        return time.monotonic() - clicked


def start_run(session, program, step, first, close_key="Escape"):
    """Starts the program and returns its main window once the About box in front of it is closed."""
    program.start()
    window = session.wait_window(program.process, MAIN_TITLE)
    about = session.wait_window(program.process, ABOUT_TITLE)
    check(window.title.startswith("Dodoru - 數字方陣 (設計:Dodoru 工作室 "),
          f"the main window's caption is {window.title!r}")
    if first:
        step(f"the main window appears: {window.title!r}")
        g = session.geometry(about.wid)
        check((g.width, g.height) == ABOUT_SIZE,
              f"the About box's client area is {g.width}x{g.height}, not {ABOUT_SIZE[0]}x{ABOUT_SIZE[1]}")
        # Centred by its frame or by its client area: either way its middle is within a frame's width
        # of the screen's. Openbox itself would put it in the top-left corner of the free area.
        slack = max(session.frame_extents(about.wid)) + 3
        x, y = g.centre
        check(abs(x - session.SCREEN[0] / 2) <= slack and abs(y - session.SCREEN[1] / 2) <= slack,
              f"the About box is at {g}, not centred on the {session.SCREEN[0]}x{session.SCREEN[1]} screen")
        step(f"the About box {about.title!r} appears in front, centred, {ABOUT_SIZE[0]} x {ABOUT_SIZE[1]} px")
    wait_until(lambda: session.active_window() == about.wid, 10, "the About box to have the focus")
    session.key(close_key)
    session.wait_window_gone(about)
    check(program.process.poll() is None, "the program ended when its About box was closed")
    check(any(w.wid == window.wid for w in session.windows(program.process.pid)),
          "the main window went away with the About box")
    step(f"{close_key} closes the About box and leaves the main window")
    wait_until(lambda: session.active_window() == window.wid, 10, "the main window to have the focus")
    return MainWindow(session, program, window)


def read_log(path):
    """The records of out.txt: (level, givens, solutions, tally of ten entries)."""
    if not os.path.exists(path):
        return []
    with open(path, "rb") as f:
        text = f.read().decode("cp950")
    records = re.findall(r"等級(\d+)共(\d+)號答案(\d+)組\s*((?:\d=\d\d+ ){10})", text)
    return [(int(level), int(givens), int(solutions), [int(v) for v in re.findall(r"\d=(\d+) ", tally)])
            for level, givens, solutions, tally in records]


def check_generated(main, shapes, level, log_path, records_before, step, timeout):
    """Presses the level's button and checks the puzzle it shows against the rules and against out.txt."""
    main.press(level + 2)
    def shown(cells):
        colours = [ink.colour for ink in cells]
        return BLUE in colours and BLACK not in colours and len(read_log(log_path)) > records_before
    cells = main.wait_stable(shown, timeout, f"a level {level} puzzle")
    givens, colours = shapes.read(cells)
    count = sum(1 for d in givens if d)
    check(all(colours[c] == BLUE for c in range(81) if givens[c]), "a generated puzzle shows a digit not in blue")
    check(not has_conflict(givens), f"the level {level} puzzle breaks a row, column or box")
    check(count_solutions(givens) == 1, f"the level {level} puzzle has not exactly one solution")
    records = read_log(log_path)
    check(len(records) == records_before + 1, f"out.txt got {len(records) - records_before} records, not 1")
    logged_level, logged_count, solutions, tally = records[-1]
    check((logged_level, logged_count, solutions) == (level, count, 1),
          f"out.txt logs level {logged_level}, {logged_count} givens, {solutions} solutions for the level "
          f"{level} puzzle on screen with {count} givens")
    expected = candidate_tally(givens)
    check(tally[1:] == expected[1:],
          f"out.txt's candidate counts {tally[1:]} are not those of the puzzle on screen {expected[1:]}")
    singles = tally[1] - count
    if level == 1:
        check(tally[0] == tally[2] >= 3, f"level 1 needs at least 3 cells of two candidates: {tally}")
    if level == 3:
        check(tally[0] == tally[3] and 15 <= tally[0] <= 18 and singles <= 6,
              f"level 3 needs 15..18 cells of three candidates and at most 6 singles: {tally}")
    step(f"level {level} shows a puzzle of {count} blue givens with one solution, logged in out.txt")
    return len(records)


def enter_and_solve(session, main, step, screenshots):
    """Enters PUZZLE by hand, solves it, and returns the digit shapes learned from the solution."""
    # Digits that are taken back: with a right click once the chooser has moved on, or with "0" on
    # either keyboard.
    main.enter(5, ["9"])
    main.enter(2, ["4", "0"])
    main.click(*cell_centre(5), button=3)
    main.enter(3, ["KP_6", "KP_0"])
    givens = [c for c in range(81) if PUZZLE[c]]
    for n, c in enumerate(givens):
        digit = str(PUZZLE[c])
        main.enter(c, [digit] if n % 2 == 0 else ["KP_" + digit])
    main.press(0)  # manual set-up again: the chooser goes, the board stays
    entered = main.wait_stable(lambda cells: True, 10, "the entered board")
    wrong = [c for c in range(81) if (entered[c].colour == BLUE) != bool(PUZZLE[c])
             or (not PUZZLE[c] and entered[c].colour != EMPTY)]
    check(not wrong, f"after entering the puzzle these cells are wrong (blue where no given or not): {wrong}")
    step(f"{len(givens)} givens entered with clicks, main-row and keypad digit keys show in blue; "
         "0 and the right button clear a cell")

    main.press(1)
    shapes = DigitShapes()
    solved = main.wait_stable(lambda cells: all(ink.colour in (BLUE, BLACK) for ink in cells), 30,
                              "the solved board")
    solution = shapes.learn_from_solved(solved, PUZZLE)
    colours = [ink.colour for ink in solved]
    check(all(solution[c] == PUZZLE[c] for c in givens), "the solve changed a given")
    check(all(colours[c] == (BLUE if PUZZLE[c] else BLACK) for c in range(81)),
          "the solve did not leave the givens blue and its own digits black")
    digits, _ = shapes.read(entered)
    check(digits == PUZZLE, "the entered board does not show the digits typed")
    step("the solve button fills the board with the solution in black around the blue givens")
    for path in screenshots:
        session.screenshot(main.window.wid, path)
        step(f"screenshot of the solved board saved in {path}")
    return shapes


def pink_pixels(image, c):
    """Pixels of cell c painted in the light red that marks a clashing given."""
    width, _, rgb = image
    left, top, w, h = cell_rect(c)
    count = 0
    for y in range(top, top + h):
        for x in range(left, left + w):
            i = (y * width + x) * 3
            if abs(rgb[i] - 255) <= 6 and abs(rgb[i + 1] - 200) <= 6 and abs(rgb[i + 2] - 200) <= 6:
                count += 1
    return count


def hint_pixels(image):
    """Pixels of the board painted in the light yellow that marks the cells a hint rests on."""
    width, _, rgb = image
    count = 0
    for c in range(81):
        left, top, w, h = cell_rect(c)
        for y in range(top, top + h, 2):
            for x in range(left, left + w, 2):
                i = (y * width + x) * 3
                if abs(rgb[i] - 255) <= 6 and abs(rgb[i + 1] - 240) <= 6 and abs(rgb[i + 2] - 160) <= 6:
                    count += 1
    return count


def play_to_the_end(session, program, main, shapes, step, screenshots):
    """The level 1 puzzle just generated is played to the end with the keyboard alone: H three times a
    step (the technique and where, then the cells on the board, then the step done), Ctrl+Z and Ctrl+Y
    on the way, the pencil marks filled in with Ctrl+Shift+M, until the solved message."""
    start = main.wait_stable(lambda cells: True, 10, "the generated puzzle")
    givens, _ = shapes.read(start)
    empty = sum(1 for d in givens if not d)

    def greens():
        return sum(ink.colour == GREEN for ink in main.cells())

    session.key("h", "h")
    wait_until(lambda: hint_pixels(main.session_capture()) > 100, 10, "the hint's cells to be marked")
    session.key("h")
    wait_until(lambda: greens() == 1 and hint_pixels(main.session_capture()) == 0, 10,
               "the hint's digit in dark green")
    session.keyboard().chord("Control_L", "z")
    wait_until(lambda: greens() == 0, 10, "Ctrl+Z to take the hint's digit back")
    session.keyboard().chord("Control_L", "y")
    wait_until(lambda: greens() == 1, 10, "Ctrl+Y to bring it back")
    step("H marks the cells a step rests on, a third H places its digit in dark green; Ctrl+Z and Ctrl+Y "
         "take it back and bring it again")

    session.key(*["h"] * 27)
    wait_until(lambda: greens() >= 10, 20, "nine more steps by H")
    session.keyboard().chord("Control_L", "Shift_L", "m")
    session.key("h", "h")
    wait_until(lambda: hint_pixels(main.session_capture()) > 100, 10, "the hint's cells to be marked")
    for path in screenshots:
        session.screenshot(main.window.wid, path)
        step(f"screenshot of a game in progress with a hint shown saved in {path}")

    def solved_message():
        return next((w for w in session.windows(program.process.pid) if re.search(QUESTION_TITLE, w.title)), None)

    message = None
    for _ in range(3 * empty):
        session.key("h", "h", "h")
        message = solved_message()
        if message:
            break
    message = message or session.wait_window(program.process, QUESTION_TITLE)
    wait_until(lambda: session.active_window() == message.wid, 10, "the solved message to have the focus")
    session.key("Return")
    session.wait_window_gone(message)
    solved = main.wait_stable(lambda cells: all(ink.colour in (BLUE, GREEN) for ink in cells), 10,
                              "the solved board")
    digits, colours = shapes.read(solved, nearest=True)
    check(all(colours[c] == (BLUE if givens[c] else GREEN) for c in range(81)) and
          all(digits[c] == givens[c] for c in range(81) if givens[c]),
          "the played board does not show the givens in blue and every other digit in dark green")
    check(is_valid_solution(digits), "the board played to the end is not a solution (or not read as one)")
    step(f"the level 1 puzzle is played to the end with H alone ({empty} cells); a message says it is solved")


def keyboard_entry(session, program, main, shapes, step):
    """On the empty board: the puzzle typed with the keyboard alone after one click on the first cell, a
    clash marked and taken back, a solve, Space after it, and Ctrl+Z undoing the solve."""
    main.click(*cell_centre(0))
    keys = []
    for row in range(9):
        for column in range(9):
            digit = PUZZLE[row * 9 + column]
            if digit:
                keys.append(str(digit) if (row + column) % 2 == 0 else "KP_" + str(digit))
            if column < 8:
                keys.append("Right")
        if row < 8:
            keys += ["Down", "Home"]
    session.key(*keys)
    main.press(0)  # the chooser goes, the board stays
    entered = main.wait_stable(lambda cells: sum(ink.colour == BLUE for ink in cells) == 30, 10,
                               "the puzzle typed in")
    digits, colours = shapes.read(entered)
    check(digits == PUZZLE and all(colours[c] == (BLUE if PUZZLE[c] else EMPTY) for c in range(81)),
          "the keyboard did not enter exactly the puzzle's givens, in blue")
    step(f"{sum(1 for d in PUZZLE if d)} givens typed with digit keys and arrows after one click on the first cell")

    # Cell 2 shares its row with the 5 of cell 0.
    main.click(*cell_centre(2))
    session.key("5")
    wait_until(lambda: pink_pixels(main.session_capture(), 0) > 1000, 10, "the clash to be marked")
    session.key("Delete")
    wait_until(lambda: pink_pixels(main.session_capture(), 0) == 0, 10, "the clash mark to go")
    step("a digit that repeats a given marks both cells light red at once; Delete takes digit and marks away")

    main.press(1)
    solved = main.wait_stable(lambda cells: all(ink.colour in (BLUE, BLACK) for ink in cells), 30,
                              "the solved board")
    session.key("space")
    time.sleep(1.0)  # nothing to wait for when nothing happens: a grace for a wrong box to appear
    questions = [w for w in session.windows(program.process.pid) if re.search(QUESTION_TITLE, w.title)]
    check(not questions, "Space after the solve asked a question (the print question?)")
    again = main.wait_stable(lambda cells: all(ink.colour in (BLUE, BLACK) for ink in cells), 30,
                             "the board after Space")
    check(shapes.read(again) == shapes.read(solved), "Space after the solve changed the board")
    step("Space after the solve presses the solve button again, not the print button")

    session.keyboard().chord("Control_L", "z")
    undone = main.wait_stable(lambda cells: BLACK not in [ink.colour for ink in cells], 10, "the undone solve")
    digits, colours = shapes.read(undone)
    check(digits == PUZZLE and all(colours[c] == (BLUE if PUZZLE[c] else EMPTY) for c in range(81)),
          "Ctrl+Z did not bring back the puzzle as it was before the solve")
    step("Ctrl+Z undoes the solve: the givens alone, in blue")


def clear_board(session, program, main, shapes, step):
    """Declines the clear question with Esc, then confirms it with Enter."""
    save_path = program.path("Default.dat")
    before, _ = shapes.read(main.wait_stable(lambda cells: True, 10, "the board"))
    main.press(2)
    question = session.wait_window(program.process, QUESTION_TITLE)
    wait_until(lambda: session.active_window() == question.wid, 10, "the question to have the focus")
    session.key("Escape")
    session.wait_window_gone(question)
    kept, _ = shapes.read(main.wait_stable(lambda cells: True, 10, "the board after a declined clear"))
    check(kept == before and os.path.exists(save_path), "answering No to the clear question changed the board")
    main.press(2)
    question = session.wait_window(program.process, QUESTION_TITLE)
    wait_until(lambda: session.active_window() == question.wid, 10, "the question to have the focus")
    session.key("Return")
    session.wait_window_gone(question)
    main.wait_stable(lambda cells: all(ink.colour == EMPTY for ink in cells), 10, "the cleared board")
    check(not os.path.exists(save_path), "the confirmed clear left Default.dat")
    step("the clear button asks first: No (Esc) keeps the board, Yes (Enter) empties it and removes Default.dat")


def as_line(digits):
    return "".join(str(d) for d in digits)


def paste_and_solve(session, main, shapes, step):
    """A puzzle copied in a text editor as a dotted grid is pasted with Ctrl+V and solved."""
    grid = "".join(("".join(str(d) if d else "." for d in PUZZLE[9 * r:9 * r + 9])) + "\n" for r in range(9))
    session.set_clipboard(grid)
    wait_until(lambda: session.active_window() == main.window.wid, 10, "the main window to have the focus")
    session.xdotool("key", "--clearmodifiers", "ctrl+v")
    pasted = main.wait_stable(lambda cells: sum(ink.colour == BLUE for ink in cells) == sum(1 for d in PUZZLE if d),
                              10, "the pasted puzzle")
    digits, colours = shapes.read(pasted)
    check(digits == PUZZLE and all(colours[c] == (BLUE if PUZZLE[c] else EMPTY) for c in range(81)),
          "Ctrl+V does not show the puzzle from the clipboard as blue givens on an otherwise empty board")
    main.press(1)
    solved = main.wait_stable(lambda cells: all(ink.colour in (BLUE, BLACK) for ink in cells), 30, "the solved board")
    digits, _ = shapes.read(solved)
    check(not has_conflict(digits) and all(digits[c] == PUZZLE[c] for c in range(81) if PUZZLE[c]),
          "the pasted puzzle is not solved")
    step("a grid put on the X clipboard is pasted with Ctrl+V as blue givens and solved")


def open_context_menu(session, main, step):
    """A right click outside the cells opens the context menu; Esc closes it."""
    before = set(session.popups(main.program.process.pid))
    main.click(*BUTTON[0], button=3)
    menus = wait_until(lambda: set(session.popups(main.program.process.pid)) - before or None, 10,
                       "the context menu to open")
    menu = session.geometry(next(iter(menus)))
    check(menu.height >= 5 * 20, f"the context menu is {menu.width}x{menu.height}, too small for its commands")
    session.key("Escape")
    wait_until(lambda: not set(session.popups(main.program.process.pid)) - before, 10, "the context menu to close")
    step(f"a right click outside the cells opens the context menu ({menu.width} x {menu.height} px); Esc closes it")


def copy_to_command_line(session, main, shapes, cli, step):
    """Ctrl+C on a generated puzzle gives the line that dodoru-cli solve - reads as the same puzzle."""
    givens, _ = shapes.read(main.wait_stable(lambda cells: True, 10, "the generated puzzle"))
    session.xdotool("key", "--clearmodifiers", "ctrl+c")
    copied = wait_until(lambda: session.get_clipboard() or None, 10, "the copied puzzle on the clipboard")
    check(copied == as_line(givens), f"Ctrl+C copied {copied!r}, not the puzzle shown {as_line(givens)}")
    answer = subprocess.run([cli, "solve", "-", "--json"], input=copied.encode(), capture_output=True, timeout=30)
    check(answer.returncode == 0 and b'"verdict": "unique"' in answer.stdout and b'"added": []' in answer.stdout,
          f"dodoru-cli solve - did not take the copied puzzle as it is: {answer.stdout!r} {answer.stderr!r}")
    step("Ctrl+C copies the generated puzzle as an 81-character line that dodoru-cli solve - solves unchanged")


def close_during_generation(session, program, main, records, step):
    """Clicks 5.極難 again and again and then the close box, and sees the program end in mid-generation."""
    log_path, save_path = program.path("out.txt"), program.path("Default.dat")
    # A level 5 puzzle takes milliseconds here, less than a click takes to travel, and the program
    # looks at new events every 10 ms of a long command. So the clicks are given while the program is
    # held still, as on a busy machine: it finds them queued, runs one generation per click until one
    # lasts long enough to look at its events, and there meets the close request.
    clicks = 20
    pid = program.process.pid
    os.kill(pid, signal.SIGSTOP)
    try:
        x, y = main.at(*BUTTON[7])
        session.click(x, y, repeat=clicks, delay=20)
        session.click(*close_box(session, main.window))
        time.sleep(0.2)  # for openbox to turn the click on its close box into a close request
    finally:
        os.kill(pid, signal.SIGCONT)
    resumed = time.monotonic()
    wait_until(lambda: program.process.poll() is not None, 10, "the program to end after its close box")
    seconds = time.monotonic() - resumed
    finished = len(read_log(log_path)) - records
    check(finished < clicks, f"all {clicks} level 5 generations ran to their end before the program closed")
    check(seconds <= 1.0, f"the program took {seconds:.2f} s to end after its close box during a generation")
    check(program.process.returncode == 0, f"the program ended with status {program.process.returncode}")
    with open(save_path, "rb") as f:
        saved = list(f.read())
    check(len(saved) == 81, "closing during a generation did not write 81 bytes to Default.dat")
    check(count_solutions(saved) == 1, "closing during a generation saved a board that is not a finished puzzle")
    step(f"closing by the close box during a level 5 generation (generation {finished + 1}) ends the program "
         f"in {seconds:.2f} s; Default.dat holds the puzzle shown before it")


def ordinary_user(paths):
    """A preexec that runs the program as nobody when the test runs as root (root reads every file),
    after handing `paths` over to that user; None when the test already runs as an ordinary user."""
    if os.geteuid() != 0:
        return None
    entry = pwd.getpwnam("nobody")
    for path in paths:
        for directory, _, files in os.walk(path):
            for name in [directory] + [os.path.join(directory, f) for f in files]:
                os.chown(name, entry.pw_uid, entry.pw_gid)

    def drop():
        os.setgroups([])
        os.setgid(entry.pw_gid)
        os.setuid(entry.pw_uid)
    return drop


def unreadable_save_file_survives(session, program, step):
    """A Default.dat its user may not read: a warning at start-up, the About box in front afterwards,
    and at the close a question whose default (Esc) keeps the file byte for byte."""
    save_path = program.path("Default.dat")
    content = bytes(PUZZLE) + b"tail"
    with open(save_path, "wb") as f:
        f.write(content)
    home = os.path.join(session.scratch, "home-user")
    env = session.env(home=home)
    preexec = ordinary_user([program.directory, home])
    os.chmod(save_path, 0o200)
    program.process = session.start([program.executable], env, cwd=session.scratch, preexec=preexec)
    window = session.wait_window(program.process, MAIN_TITLE)
    about = session.wait_window(program.process, ABOUT_TITLE)
    warning = session.wait_window(program.process, QUESTION_TITLE)
    wait_until(lambda: session.active_window() == warning.wid, 10, "the start-up warning to have the focus")
    session.key("Return")
    session.wait_window_gone(warning)
    wait_until(lambda: session.active_window() == about.wid, 10, "the About box to be in front after the warning")
    step("an unreadable Default.dat is reported at start-up, and the About box stands in front afterwards")
    session.key("Escape")
    session.wait_window_gone(about)
    main = MainWindow(session, program, window)
    main.enter(40, ["7"])
    session.click(*close_box(session, window))
    question = session.wait_window(program.process, QUESTION_TITLE)
    wait_until(lambda: session.active_window() == question.wid, 10, "the overwrite question to have the focus")
    session.key("Escape")
    wait_until(lambda: program.process.poll() is not None, 10, "the program to end after the question")
    check(program.process.returncode == 0, f"the program ended with status {program.process.returncode}")
    info = os.stat(save_path)
    with open(save_path, "rb") as f:
        kept = f.read()
    check(kept == content and (info.st_mode & 0o777) == 0o200,
          f"Default.dat changed: {len(kept)} bytes, mode {info.st_mode & 0o777:o}")
    step("closing asks before replacing it; Esc keeps Default.dat byte for byte")


def run(args):
    step = Step()
    with XSession() as session:
        try:
            scenario(session, args, step)
        except E2EFailure:
            print("-- what the program printed:\n" + session.program_log(), flush=True)
            raise
    print(f"{step.passed} passed, 0 failed")


def scenario(session, args, step):
    """Two runs of the program from one directory, as a person uses it."""
    program = Program(session, args.program)
    save_path, log_path = program.path("Default.dat"), program.path("out.txt")

    # ---- first run, in a fresh directory: enter a puzzle, solve it, close
    main = start_run(session, program, step, first=True)
    check_fixed_size(session, main.window, "the main window", CLIENT_SIZE, step)
    check(os.path.isfile(save_path) and os.path.getsize(save_path) == 0,
          "the first start did not leave an empty Default.dat beside the program")
    step("the first start creates an empty Default.dat beside the program")
    shapes = enter_and_solve(session, main, step, args.screenshot)
    seconds = main.close_by_close_box()
    check(program.process.returncode == 0, f"the program ended with status {program.process.returncode}")
    with open(save_path, "rb") as f:
        saved = list(f.read())
    check(saved == PUZZLE, f"Default.dat holds {saved}, not the 81 givens")
    step(f"the close box ends the program in {seconds:.2f} s and Default.dat holds the givens, not the solution")

    # ---- second run: the givens come back; clear; generate; close in the middle of a generation
    main = start_run(session, program, step, first=False, close_key="Return")
    restored = main.wait_stable(lambda cells: any(ink.colour == BLUE for ink in cells), 10, "the saved givens")
    digits, colours = shapes.read(restored)
    check(digits == PUZZLE and all(colours[c] == (BLUE if PUZZLE[c] else EMPTY) for c in range(81)),
          "the restart does not show exactly the saved givens, in blue")
    step("a restart shows the saved givens in blue")
    clear_board(session, program, main, shapes, step)
    keyboard_entry(session, program, main, shapes, step)
    paste_and_solve(session, main, shapes, step)
    open_context_menu(session, main, step)
    records = check_generated(main, shapes, 1, log_path, 0, step, 30)
    copy_to_command_line(session, main, shapes, args.cli, step)
    play_to_the_end(session, program, main, shapes, step, args.play_screenshot)
    records = check_generated(main, shapes, 3, log_path, records, step, 60)
    close_during_generation(session, program, main, records, step)

    # ---- third run, as an ordinary user, with a Default.dat that user may not read
    unreadable_save_file_survives(session, program, step)


def close_box(session, window):
    frame = session.frame_geometry(window.wid)
    _, right, top, _ = session.frame_extents(window.wid)
    # Openbox puts the close button last in the title bar, at the right.
    return frame.x + frame.width - right - top // 2 - 2, frame.y + top // 2


def main():
    def arguments(parser):
        parser.add_argument("--program", required=True, help="the dodoru executable to test")
        parser.add_argument("--cli", required=True, help="the dodoru-cli executable that reads what is copied")
        parser.add_argument("--screenshot", action="append", default=[],
                            help="where to save a picture of the main window after a solve (repeatable)")
        parser.add_argument("--play-screenshot", action="append", default=[],
                            help="where to save a picture of a game in progress with a hint shown (repeatable)")
    return test_main(__doc__, arguments, run)


if __name__ == "__main__":
    sys.exit(main())
