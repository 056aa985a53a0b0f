#!/usr/bin/python3
"""Dodoru heard through Orca, the screen reader of the Debian desktop, keyboard only.

  orca_test.py --program build/bin/dodoru [--language en] [--transcript FILE]

Everything runs privately and ends with the test: Xvfb with openbox, a D-Bus session bus, the AT-SPI bus,
speech-dispatcher with its dummy output module (its own configuration, libao's null driver: no sound card)
and Orca with its debug log, all with their own home and XDG folders. Orca does not flush its debug log,
so a copy of its start-up script is run with that log line-buffered. Orca is never started with --replace,
which ends every other reader of the user, and the test refuses to start one while another Orca of the
same user runs.

The test plays as a blind user: the first Tab, the commands and their descriptions, into the grid, digits
confirmed as the cell reads, a repeated digit, a solve, a digit refused on the solved board, the context
menu twice, a generation, the new puzzle played (a first digit that repeats a given, H three times,
Ctrl+K) and finished. It asserts on what Orca sends to speech, and can save that transcript.
It exits 77 (skipped) with the reason where Orca or speech-dispatcher is not installed.
"""

import os
import re
import shutil
import subprocess
import sys
import time

from a11ybus import AccessibilityBus
from xsession import XSession, E2EFailure, check, die_with_test, end_process, test_main, wait_until

ORCA = "/usr/bin/orca"
SPEECH_DISPATCHER = "/usr/bin/speech-dispatcher"
SKIPPED = 77

PUZZLE = [int(d) for d in
          "530070000600195000098000060800060003400803001700020006060000280000419005000080079"]
SOLUTION = [int(d) for d in
            "534678912672195348198342567859761423426853791713924856961537284287419635345286179"]

# What the window says, in the program's language (Orca itself speaks English: its role names).
TEXTS = {
    "zh_TW": {
        "env": {},
        "main": r"^Dodoru - 數字方陣", "about": "^關於 Dodoru數字方陣$",
        "title": "Dodoru數字方陣", "version": "版本 1.2.0",
        "buttons": ["0.手動", "自動解題", "清除重來", "1.極易", "2.容易", "3.中等", "4.困難", "5.極難", "列印"],
        "cell": "第{r}列第{c}行，{d}", "empty": "空格", "given": "，題目", "yours": "，你填的", "answer": "，解答",
        "place": "第{r}列第{c}行", "repeats": "，與{cells}重複",
        "chooser": "第{r}列第{c}行的數字",
        "solved": "已解出", "refused": "已解出的盤面不能修改", "generated": "已產生1.極易題目",
        "playing": "作答中", "checked": "沒有與答案不符的數字", "done": "恭喜",
        "menu_first": "難度依解題技巧",
    },
    "en": {
        "env": {"LANGUAGE": "en"},
        "main": r"^Dodoru - Number Square", "about": "^About Dodoru Number Square$",
        "title": "Dodoru Number Square", "version": "1.2.0",
        "buttons": ["0.Manual", "Solve", "Clear", "1.Gentle", "2.Easy", "3.Medium", "4.Hard", "5.Expert",
                    "Print"],
        "cell": "Row {r}, column {c}, {d}", "empty": "empty", "given": ", given", "yours": ", yours",
        "answer": ", answer", "place": "row {r} column {c}", "repeats": ", repeats {cells}",
        "chooser": "Digit of row {r} column {c}",
        "solved": "Solved", "refused": "A solved board cannot change", "generated": "Generated a puzzle, level 1",
        "playing": "Playing", "checked": "No digit differs from the solution", "done": "Well done",
        "menu_first": "Difficulty by Solving Technique",
    },
}


def skip(reason):
    print(f"skipped - {reason}", flush=True)
    sys.exit(SKIPPED)


def other_orcas():
    """Orca processes of this user, as Orca itself looks for them."""
    out = subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], capture_output=True, text=True)
    return [int(pid) for pid in out.stdout.split()]


class SpeechDispatcher:
    """speech-dispatcher on a socket of its own with only the dummy output module, which plays through
    libao's null driver."""

    def __init__(self, session, env):
        self.session, self.env = session, env
        self.process = None
        self.socket = os.path.join(session.scratch, "speechd.sock")

    def __enter__(self):
        config = os.path.join(self.session.scratch, "speechd")
        os.makedirs(config)
        with open(os.path.join(config, "speechd.conf"), "w", encoding="utf-8") as f:
            f.write(f'LogLevel 3\nLogDir "{self.session.scratch}"\nAudioOutputMethod "libao"\n'
                    'AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n')
        os.makedirs(self.env["HOME"], exist_ok=True)
        with open(os.path.join(self.env["HOME"], ".libao"), "w", encoding="utf-8") as f:
            f.write("default_driver=null\n")
        with open(os.path.join(self.session.scratch, "speechd.out"), "wb") as log:
            self.process = subprocess.Popen(
                [SPEECH_DISPATCHER, "--run-single", "--timeout", "0", "--config-dir", config,
                 "--communication-method", "unix_socket", "--socket-path", self.socket],
                env=self.env, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                preexec_fn=die_with_test)
        try:
            wait_until(lambda: self.process.poll() is not None or os.path.exists(self.socket), 20,
                       "speech-dispatcher's socket")
            check(self.process.poll() is None,
                  "speech-dispatcher ended: " + self.session.program_log("speech-dispatcher.log"))
        except BaseException:
            end_process(self.process)
            raise
        return self

    def __exit__(self, *exc):
        end_process(self.process)
        return False

    def address(self):
        return "unix_socket:" + self.socket


class Orca:
    """Orca with its debug log, heard line by line: what it sends to speech."""

    SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)' ?\{", re.S)

    def __init__(self, session, env):
        self.session, self.env = session, env
        self.process = None
        self.log = os.path.join(session.scratch, "orca-debug.log")
        self.heard = 0  # lines already taken by wait()

    def __enter__(self):
        running = other_orcas()
        check(not running, f"another Orca of this user runs (process {running}): this test never starts a "
                           "second one, nor replaces it")
        # A copy of the start-up script whose debug log is line-buffered (Orca's own is written only at
        # its end), run unbuffered by the interpreter Orca is written for.
        with open(ORCA, encoding="utf-8") as f:
            script = f.read()
        interpreter = script.splitlines()[0][2:].strip().split()[0]
        opened = "debug.debugFile = open(args.debug_file, 'w')"
        check(script.count(opened) == 1, f"{ORCA} does not open its debug file as this test expects")
        script = script.replace(opened, "debug.debugFile = open(args.debug_file, 'w', buffering=1)")
        copy = os.path.join(self.session.scratch, "orca-bin", "orca")
        os.makedirs(os.path.dirname(copy))
        with open(copy, "w", encoding="utf-8") as f:
            f.write(script)
        with open(os.path.join(self.session.scratch, "orca.out"), "wb") as out:
            self.process = subprocess.Popen([interpreter, "-u", copy, "--debug-file=" + self.log], env=self.env,
                                            stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT,
                                            preexec_fn=die_with_test)
        try:
            # Orca greets once it listens.
            wait_until(lambda: self.process.poll() is not None or self.spoken(), 60, "Orca to start")
            check(self.process.poll() is None, "Orca ended: " + self.session.program_log("orca.out"))
        except BaseException:
            end_process(self.process)
            raise
        self.heard = len(self.spoken())
        return self

    def __exit__(self, *exc):
        end_process(self.process)
        return False

    def debug_log(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as f:
                return f.read()
        except OSError:
            return ""

    def spoken(self):
        return self.SPOKEN.findall(self.debug_log())

    def wait(self, expected, timeout=15):
        """Waits until Orca says a line that is `expected` (a text it starts with, or a predicate) and
        returns it; the lines before it are passed over."""
        matches = expected if callable(expected) else (lambda line: line.startswith(expected))

        def probe():
            lines = self.spoken()
            for index in range(self.heard, len(lines)):
                if matches(lines[index]):
                    self.heard = index + 1
                    return lines[index]
            return None

        try:
            return wait_until(probe, timeout, f"Orca to say {expected!r}", interval=0.05)
        except E2EFailure:
            raise E2EFailure(f"Orca did not say {expected!r}; it said last: {self.spoken()[-8:]}") from None

    def mark(self):
        return len(self.spoken())

    def settle(self, quiet=0.4, timeout=10):
        """Waits until Orca has handled what it was sent: it logs every event it gets, so a log that has
        not grown for `quiet` seconds means an empty queue. A window coming back to the front after a
        menu is otherwise still being handled when the next key arrives, and Orca takes the focus that
        key brings as known already."""
        last = {"size": -1, "since": time.monotonic()}

        def probe():
            size = os.path.getsize(self.log)
            if size != last["size"]:
                last["size"], last["since"] = size, time.monotonic()
            return time.monotonic() - last["since"] >= quiet

        wait_until(probe, timeout, "Orca to handle what it was sent")


def solve(grid):
    """The one solution of a 9×9 puzzle (0 for empty), by search on the cell with the fewest digits."""
    grid = list(grid)

    def fits(cell):
        r, c = divmod(cell, 9)
        box = (r // 3 * 3, c // 3 * 3)
        used = {grid[r * 9 + i] for i in range(9)} | {grid[i * 9 + c] for i in range(9)}
        used |= {grid[(box[0] + i // 3) * 9 + box[1] + i % 3] for i in range(9)}
        return [d for d in range(1, 10) if d not in used]

    def search():
        empty = [cell for cell in range(81) if grid[cell] == 0]
        if not empty:
            return True
        cell = min(empty, key=lambda e: len(fits(e)))
        for digit in fits(cell):
            grid[cell] = digit
            if search():
                return True
        grid[cell] = 0
        return False

    check(search(), "the generated puzzle has no solution")
    return grid


def read_grid(pid, texts):
    """The digits the cells name, as assistive technology reads them (0 for an empty cell)."""
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
    app = next((a for a in desktop if a is not None and a.get_process_id() == pid), None)
    check(app is not None, "the program is not on the AT-SPI bus")
    frame = next(child for child in app if child is not None and child.getRoleName() == "frame")
    pattern = re.compile(re.escape(texts["cell"]).replace(r"\{r\}", r"(\d)").replace(r"\{c\}", r"(\d)")
                         .replace(r"\{d\}", r"(\d|" + re.escape(texts["empty"]) + ")"))
    grid = [None] * 81
    for child in frame:
        match = pattern.match(child.name or "") if child is not None else None
        if match:
            digit = match.group(3)
            grid[(int(match.group(1)) - 1) * 9 + int(match.group(2)) - 1] = int(digit) if digit.isdigit() else 0
    check(None not in grid, "not every cell is named as a cell")
    return grid


def run(args):
    if not os.path.exists(ORCA):
        skip(f"Orca is not installed ({ORCA}); on Debian: apt-get install orca")
    if not os.path.exists(SPEECH_DISPATCHER):
        skip(f"speech-dispatcher is not installed ({SPEECH_DISPATCHER}); on Debian: apt-get install "
             "speech-dispatcher")
    texts = TEXTS[args.language]
    with XSession("dodoru-orca") as session, AccessibilityBus(session) as bus:
        env = bus.env(**texts["env"])
        with SpeechDispatcher(session, env) as speech:
            env["SPEECHD_ADDRESS"] = speech.address()
            with Orca(session, {k: v for k, v in env.items() if k not in ("LANGUAGE",)}) as orca:
                try:
                    game(session, orca, env, args, texts)
                except E2EFailure:
                    print("-- what the program printed:\n" + session.program_log(), flush=True)
                    raise


def game(session, orca, env, args, texts):
    started = time.monotonic()
    steps = []

    def step(text):
        steps.append(text)
        print(f"ok {len(steps)} - {text} [{time.monotonic() - started:.1f} s]", flush=True)

    def cell(index, digit, kind=""):
        r, c = divmod(index, 9)
        return texts["cell"].format(r=r + 1, c=c + 1, d=digit if digit else texts["empty"]) + kind

    def place(index):
        r, c = divmod(index, 9)
        return texts["place"].format(r=r + 1, c=c + 1)

    def notification(text):
        return lambda line: line.startswith("notification " + text)

    directory = os.path.join(session.scratch, "program")
    os.makedirs(directory)
    executable = os.path.join(directory, "dodoru")
    shutil.copy2(args.program, executable)
    translations = os.path.join(os.path.dirname(args.program), "translations")
    if os.path.isdir(translations):
        shutil.copytree(translations, os.path.join(directory, "translations"))
    with open(os.path.join(directory, "Default.dat"), "wb") as f:
        f.write(bytes(PUZZLE))
    process = session.start([executable], env, cwd=session.scratch)
    session.wait_window(process, texts["main"])
    about = session.wait_window(process, texts["about"])

    said = orca.wait(lambda line: line.startswith(texts["about"][1:-1]) and " dialog" in line, 30)
    # Title, version and one line (the debug log indents the lines it continues).
    short = " ".join(said.split())
    check(texts["version"] in short and len(short) < 200 and short.count(texts["title"]) == 2,
          f"the About box reads long or without its version: {said!r}")
    step(f"the About box is read short: {said!r}")
    wait_until(lambda: session.active_window() == about.wid, 10, "the About box to have the focus")
    session.key("Escape")
    frame = orca.wait(lambda line: line.endswith(" frame."))
    check(frame == texts["title"] + " frame.", f"the window is read as {frame!r}, not by its short name")
    orca.wait(texts["buttons"][0] + " push button")
    step(f"Esc closes it; the window is read as {frame!r}")

    first_tab = orca.mark()
    for name in texts["buttons"][1:]:
        session.key("Tab")
        orca.wait(name + " push button")
        description = orca.wait(lambda line: True)
        check(not re.search(r"[A-Za-z]{3}", description) or args.language == "en",
              f"{name} is described in English: {description!r}")
    session.key("Tab")
    orca.wait(cell(0, 5, texts["given"]) + " label")
    step("Tab reads the commands with the levels 1 to 5 in order, each with a description in the window's "
         "language, then the grid's first cell with its kind")

    session.key("Right")
    orca.wait(cell(1, 3, texts["given"]) + " label")
    session.key("Right")
    orca.wait(cell(2, 0) + " label")
    session.key("4")
    orca.wait(notification(cell(2, 4, texts["given"]) + "."))
    session.key("5")
    orca.wait(notification(cell(2, 5, texts["given"]) + texts["repeats"].format(cells=place(0)) + "."))
    session.key("Delete")
    orca.wait(notification(cell(2, 0) + "."))
    step("a typed digit is confirmed as the cell now reads, a repeat with the cell it repeats, Delete too")

    session.key("Tab")
    chooser = texts["chooser"].format(r=1, c=3)
    orca.wait(chooser)
    description = orca.wait(lambda line: True)
    check(len(description) < 60 and "(" not in description, f"the chooser is described as {description!r}")
    for name in texts["buttons"][:2]:
        session.key("Tab")
        orca.wait(name + " push button")
    session.key("space")
    orca.wait(notification(texts["solved"]), 30)
    orca.settle()
    step(f"the chooser is described in one sentence ({description!r}); Space on the solve button: "
         f"{texts['solved']!r} is heard")

    session.keyboard().chord("Shift_L", "Tab")
    orca.wait(texts["buttons"][0] + " push button")
    session.keyboard().chord("Shift_L", "Tab")
    orca.wait(cell(2, 4, texts["answer"]) + " label")
    session.key("7")
    orca.wait(notification(texts["refused"]))
    step("back in the grid the solver's digit is read as the answer; a digit typed there is refused, and why")

    for opening in (1, 2):
        session.key("Menu")
        orca.wait(texts["menu_first"])
        session.key("Escape")
        orca.wait("escape")
        orca.settle()
    step("the context menu is read at its first and its second opening")

    session.key("Tab")
    orca.wait(texts["buttons"][0] + " push button")
    for name in texts["buttons"][1:4]:
        session.key("Tab")
        orca.wait(name + " push button")
    before = orca.heard
    session.key("space")
    generated = orca.wait(notification(texts["generated"]), 60)
    orca.settle()  # a generation sends many events
    puzzle = read_grid(process.pid, texts)
    solution = solve(puzzle)
    # The keyboard is then on the new puzzle's first empty cell, which Orca reads.
    here = puzzle.index(0)
    check(any(line.startswith(cell(here, 0) + " label") for line in orca.spoken()[before:]),
          f"the first empty cell {place(here)} is not read after the generation")
    step(f"Space on the first level generates a puzzle: {generated!r}; the first empty cell is read")
    # The first digit of the game: into the first empty cell of the first row, one that repeats a given
    # of that row.
    target = next(index for index in range(9) if puzzle[index] == 0)
    while here != target:
        session.key("Right" if target > here else "Left")
        here += 1 if target > here else -1
        orca.wait(cell(here, puzzle[here], texts["given"] if puzzle[here] else "") + " label")
    repeated = next(index for index in range(9) if puzzle[index])
    session.key(str(puzzle[repeated]))
    told = "notification " + cell(target, puzzle[repeated], texts["yours"]) + texts["repeats"].split("{")[0]
    first = orca.wait(lambda line: line.startswith(told) and place(repeated) in line)
    check(texts["playing"] in first, f"the first digit of the game is not told with the play line: {first!r}")
    session.key("Delete")
    orca.wait(notification(cell(target, 0) + "."))
    step(f"the first digit of the game repeats a given: told with the play line, once: {first!r}")

    hints = []
    for press in range(3):
        session.key("h")
        hints.append(orca.wait(lambda line: line.startswith("notification ")))
    session.keyboard().chord("Control_L", "k")
    orca.wait(notification(texts["checked"]))
    step(f"H three times is heard three times ({hints}); Ctrl+K tells the check")

    # The rest of the game, row by row, as a listener plays: each key once the last one was heard (Orca
    # passes over what is shown while it is flooded with events).
    board = read_grid(process.pid, texts)
    last = max(index for index in range(81) if board[index] == 0)

    here = target

    def move(key, index):
        nonlocal here
        session.key(key)
        if index != here:
            orca.wait(lambda line: line.startswith(cell(index, board[index])) and line.endswith(" label."))
        here = index

    move("Home", 0)
    for index in range(last + 1):
        if index % 9:
            move("Right", index)
        elif index:
            move("Down", index + 8)
            move("Home", index)
        if board[index] == 0:
            session.key(str(solution[index]))
            board[index] = solution[index]
            if index != last:
                orca.wait(notification(cell(index, solution[index], texts["yours"])))
    done = orca.wait(lambda line: texts["done"] in line, 30)
    orca.wait(lambda line: line.endswith(" push button."))
    transcript = orca.spoken()[first_tab:orca.heard]
    told = [line for line in transcript if texts["done"] in line]
    check(len(told) == 1, f"the completion is said {len(told)} times: {told}")
    step(f"the puzzle finished from the keyboard: the message box says {done!r}")

    # Nothing said twice in a row for one action, and nothing Orca could not speak.
    for before, after in zip(transcript, transcript[1:]):
        check(not (before == after and before.startswith("notification")), f"said twice: {before!r}")
    check("bad content sent to speak()" not in orca.debug_log(), "Orca was sent something it cannot speak")
    check("Accessible invalid" not in session.program_log(), "the program told of dead accessible objects")
    step(f"{len(transcript)} lines spoken from the first Tab to the completion, none twice in a row")
    if args.transcript:
        with open(args.transcript, "w", encoding="utf-8") as f:
            f.write("".join(line.rstrip("\n") + "\n" for line in transcript))
    print(f"{len(steps)} passed, 0 failed", flush=True)


def main():
    def arguments(parser):
        parser.add_argument("--program", required=True, help="the dodoru executable to test")
        parser.add_argument("--language", default="zh_TW", choices=sorted(TEXTS), help="the window's language")
        parser.add_argument("--transcript", help="a file for what Orca said from the first Tab to the end")
    return test_main(__doc__, arguments, run)


if __name__ == "__main__":
    sys.exit(main())
