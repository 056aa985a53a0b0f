"""A private X server with a window manager, and the means to look at it and drive it as a person does.

Everything started here is ended here, by process id: the program under test, the window manager and
the X server. Waiting is always polling with a deadline, never a fixed sleep.
"""

import argparse
import ctypes
import ctypes.util
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time


class E2EFailure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise E2EFailure(message)


def wait_until(probe, timeout, what, interval=0.05):
    """Calls probe() until it returns something truthy and returns that; fails after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise E2EFailure(f"timed out after {timeout:.1f} s waiting for {what}")
        time.sleep(interval)


_libc = ctypes.CDLL(None, use_errno=True)
PR_SET_PDEATHSIG = 1


def die_with_test():
    """In a child before exec: the kernel ends it with SIGTERM should this test be killed outright."""
    _libc.prctl(PR_SET_PDEATHSIG, signal.SIGTERM, 0, 0, 0)


def end_process(process, grace=3.0):
    """Ends one process that we started: SIGTERM, then SIGKILL after `grace` seconds."""
    if process is None or process.poll() is not None:
        return
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class Window:
    """A top-level client window as the window manager lists it."""

    def __init__(self, wid, pid, title):
        self.wid, self.pid, self.title = wid, pid, title

    def __repr__(self):
        return f"Window(0x{self.wid:08x}, pid {self.pid}, {self.title!r})"


class Geometry:
    def __init__(self, x, y, width, height):
        self.x, self.y, self.width, self.height = x, y, width, height

    @property
    def centre(self):
        return (self.x + self.width / 2, self.y + self.height / 2)

    def __repr__(self):
        return f"{self.width}x{self.height}+{self.x}+{self.y}"


class XSession:
    """Xvfb on a display of its own plus openbox, with a scratch directory that dies with the session."""

    SCREEN = (1280, 1024)

    def __init__(self, name="dodoru-e2e"):
        self.name = name
        self.scratch = None
        self.display = None
        self.xvfb = None
        self.wm = None
        self.started = []  # processes of programs under test, ended on close()
        self._keyboard = None

    # ---- life cycle

    def __enter__(self):
        self.scratch = tempfile.mkdtemp(prefix=self.name + "-")
        os.chmod(self.scratch, 0o755)
        try:
            self._start_xvfb()
            self._start_window_manager()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def close(self):
        if self._keyboard is not None:
            self._keyboard.close()
            self._keyboard = None
        for process in reversed(self.started):
            end_process(process)
        end_process(self.wm)
        end_process(self.xvfb)
        if self.scratch and os.environ.get("DODORU_E2E_KEEP") != "1":
            shutil.rmtree(self.scratch, ignore_errors=True)

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        width, height = self.SCREEN
        with open(os.path.join(self.scratch, "xvfb.log"), "wb") as log:
            self.xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=log, preexec_fn=die_with_test)
        os.close(write_end)
        # Xvfb writes its display number once it accepts connections.
        text = b""
        deadline = time.monotonic() + 20
        while not text.endswith(b"\n"):
            left = deadline - time.monotonic()
            ready, _, _ = select.select([read_end], [], [], max(left, 0))
            chunk = os.read(read_end, 64) if ready else b""
            if not chunk:
                os.close(read_end)
                raise E2EFailure("Xvfb did not report a display: " + self._log("xvfb.log"))
            text += chunk
        os.close(read_end)
        self.display = ":" + text.decode().strip()

    def _start_window_manager(self):
        # Openbox's own configuration, except that new windows go to the top-left corner of the free
        # area rather than its centre: a window that is centred on the screen then centred itself.
        with open("/etc/xdg/openbox/rc.xml", encoding="utf-8") as f:
            config = f.read()
        config, replaced = re.subn(r"<center>yes</center>", "<center>no</center>", config, count=1)
        check(replaced == 1, "openbox's rc.xml has no <center> placement setting")
        rc = os.path.join(self.scratch, "openbox-rc.xml")
        with open(rc, "w", encoding="utf-8") as f:
            f.write(config)
        with open(os.path.join(self.scratch, "openbox.log"), "wb") as log:
            self.wm = subprocess.Popen(["openbox", "--sm-disable", "--config-file", rc], env=self.env(),
                                       stdout=subprocess.DEVNULL, stderr=log, preexec_fn=die_with_test)
        wait_until(lambda: self.wm.poll() is not None or
                   "window id #" in self.xprop_root("_NET_SUPPORTING_WM_CHECK"),
                   20, "the window manager")
        check(self.wm.poll() is None, "openbox ended: " + self._log("openbox.log"))

    def _log(self, name):
        try:
            with open(os.path.join(self.scratch, name), encoding="utf-8", errors="replace") as f:
                return f.read()[-2000:]
        except OSError:
            return "(no log)"

    # ---- environment and programs

    def env(self, home=None, **extra):
        """An environment for a program on this display with its own home and XDG directories."""
        home = home or os.path.join(self.scratch, "home")
        # LANGUAGE would choose the window's language over LC_ALL: the window speaks its own unless asked.
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("QT_", "XDG_", "WAYLAND_", "DBUS_", "LC_"))
               and k not in ("DISPLAY", "XAUTHORITY", "LANGUAGE")}
        runtime = os.path.join(home, ".runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env.update(DISPLAY=self.display, HOME=home, LANG="C.UTF-8", LC_ALL="C.UTF-8",
                   QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime,
                   XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                   XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_CACHE_HOME=os.path.join(home, ".cache"))
        env.update(extra)
        return env

    def start(self, argv, env, cwd=None, log_name="program.log", preexec=None):
        """Starts a program under test; `preexec` runs in the child first (it may change the user)."""
        def child():
            if preexec:
                preexec()
            die_with_test()  # after any change of user, which would clear it

        with open(os.path.join(self.scratch, log_name), "ab") as log:
            process = subprocess.Popen(argv, env=env, cwd=cwd, stdin=subprocess.DEVNULL, stdout=log,
                                       stderr=subprocess.STDOUT, preexec_fn=child)
        self.started.append(process)
        return process

    def program_log(self, log_name="program.log"):
        return self._log(log_name)

    def run(self, *argv, check_status=True):
        try:
            result = subprocess.run(argv, env=self.env(), capture_output=True, timeout=30)
        except subprocess.TimeoutExpired:
            raise E2EFailure(f"{' '.join(argv)} did not finish within 30 s") from None
        if check_status and result.returncode != 0:
            raise E2EFailure(f"{' '.join(argv)} failed: {result.stderr.decode(errors='replace')}")
        return result.stdout

    # ---- the clipboard and pop-up menus

    def set_clipboard(self, text):
        """Puts `text` on the X clipboard, as a program the test runs (xclip) that owns it until replaced."""
        path = os.path.join(self.scratch, "clipboard.txt")
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        self.start(["xclip", "-quiet", "-selection", "clipboard", "-i", path], self.env(), log_name="xclip.log")
        wait_until(lambda: self.get_clipboard() == text, 10, "xclip to own the clipboard")

    def get_clipboard(self):
        """The clipboard's text, or an empty text when nobody offers one."""
        out = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env(), capture_output=True,
                             timeout=10)
        return out.stdout.decode("utf-8", errors="replace") if out.returncode == 0 else ""

    def popups(self, pid):
        """The visible windows of a process that the window manager does not manage: menus and the like."""
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid), ""], env=self.env(),
                             capture_output=True, timeout=10)
        found = []
        for wid in out.stdout.decode().split():
            info = subprocess.run(["xwininfo", "-id", wid], env=self.env(), capture_output=True, timeout=10)
            if b"Override Redirect State: yes" in info.stdout:
                found.append(int(wid))
        return found

    # ---- windows

    def xprop_root(self, prop):
        result = subprocess.run(["xprop", "-root", prop], env=self.env(), capture_output=True, timeout=10)
        return result.stdout.decode(errors="replace")

    def windows(self, pid=None):
        """The windows the window manager manages, optionally only those of one process."""
        out = subprocess.run(["wmctrl", "-lp"], env=self.env(), capture_output=True, timeout=10)
        found = []
        for line in out.stdout.decode("utf-8", errors="replace").splitlines():
            parts = line.split(None, 4)
            if len(parts) < 4:
                continue
            wid, owner = int(parts[0], 16), int(parts[2])
            title = parts[4] if len(parts) == 5 else ""
            if pid is None or owner == pid:
                found.append(Window(wid, owner, title))
        return found

    def wait_window(self, process, title, timeout=20):
        """Waits for a window of `process` whose title matches the regular expression `title`."""
        pattern = re.compile(title)

        def probe():
            check(process.poll() is None,
                  f"the program ended (status {process.returncode}) before showing {title!r}")
            for window in self.windows(process.pid):
                if pattern.search(window.title) and self.is_viewable(window.wid):
                    return window
            return None

        return wait_until(probe, timeout, f"a window titled {title!r}")

    def wait_window_gone(self, window, timeout=10):
        wait_until(lambda: all(w.wid != window.wid for w in self.windows()), timeout,
                   f"{window} to close")

    def is_viewable(self, wid):
        out = subprocess.run(["xwininfo", "-id", str(wid)], env=self.env(), capture_output=True, timeout=10)
        return b"Map State: IsViewable" in out.stdout

    def geometry(self, wid):
        """The client area of a window in screen pixels."""
        out = subprocess.run(["xwininfo", "-id", str(wid)], env=self.env(), capture_output=True,
                             timeout=10).stdout.decode(errors="replace")
        values = {}
        for key, label in (("x", "Absolute upper-left X"), ("y", "Absolute upper-left Y"),
                           ("width", "Width"), ("height", "Height")):
            match = re.search(r"^\s*" + label + r":\s*(-?\d+)", out, re.MULTILINE)
            check(match is not None, f"xwininfo gave no {label} for window 0x{wid:x}")
            values[key] = int(match.group(1))
        return Geometry(**values)

    def frame_extents(self, wid):
        """Left, right, top, bottom widths of the frame the window manager drew around the window."""
        out = self.run("xprop", "-id", str(wid), "_NET_FRAME_EXTENTS").decode()
        numbers = [int(n) for n in re.findall(r"\d+", out.split("=", 1)[-1])]
        check(len(numbers) == 4, f"window 0x{wid:x} has no frame: {out.strip()}")
        return numbers

    def frame_geometry(self, wid):
        g = self.geometry(wid)
        left, right, top, bottom = self.frame_extents(wid)
        return Geometry(g.x - left, g.y - top, g.width + left + right, g.height + top + bottom)

    def net_wm_state(self, wid):
        return self.run("xprop", "-id", str(wid), "_NET_WM_STATE").decode()

    def active_window(self):
        out = self.xprop_root("_NET_ACTIVE_WINDOW")
        match = re.search(r"window id # (0x[0-9a-f]+)", out)
        return int(match.group(1), 16) if match else None

    # ---- input, as a person gives it

    def xdotool(self, *args):
        self.run("xdotool", *[str(a) for a in args])

    def on_screen(self, x, y):
        return min(max(int(x), 0), self.SCREEN[0] - 1), min(max(int(y), 0), self.SCREEN[1] - 1)

    def click(self, x, y, button=1, repeat=1, delay=80):
        """Clicks `repeat` times, `delay` ms apart (xdotool waits that long after a single click too)."""
        delay = delay if repeat > 1 else 1
        self.xdotool("mousemove", *self.on_screen(x, y), "click", "--repeat", repeat, "--delay", delay, button)

    def drag(self, start, end, button=1, modifier=None):
        steps = 6
        args = []
        if modifier:
            args += ["keydown", modifier]
        args += ["mousemove", *self.on_screen(*start), "mousedown", button]
        for i in range(1, steps + 1):
            args += ["sleep", 0.03, "mousemove",
                     *self.on_screen(start[0] + (end[0] - start[0]) * i // steps,
                                     start[1] + (end[1] - start[1]) * i // steps)]
        args += ["mouseup", button]
        if modifier:
            args += ["keyup", modifier]
        self.xdotool(*args)

    def key(self, *keysyms):
        """Presses and releases keys on the keyboard; they go to the window that has the focus."""
        self.keyboard().tap(*keysyms)

    def keyboard(self):
        if self._keyboard is None:
            self._keyboard = Keyboard(self.display)
        return self._keyboard

    # ---- pictures

    def capture(self, wid):
        """The pixels of a window's client area as (width, height, rgb bytes)."""
        return parse_ppm(self.run("import", "-window", str(wid), "-depth", "8", "ppm:-"))

    def screenshot(self, wid, path, frame=True):
        """Saves what the screen shows of a window, with the window manager's frame around it or not."""
        g = self.frame_geometry(wid) if frame else self.geometry(wid)
        self.run("import", "-window", "root", "-crop", f"{g.width}x{g.height}+{g.x}+{g.y}", "+repage", path)


class Keyboard:
    """Key presses through the XTEST extension, one key code each, the lock keys as they stand.

    xdotool reaches a keypad digit by toggling Num Lock around the key, which turns every other release
    into a cursor key; a person's keyboard has Num Lock on and just sends the key. So does this.
    """

    NUM_LOCK_MASK = 1 << 4  # Mod2, where X servers put Num Lock

    def __init__(self, display):
        x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        xtst = ctypes.CDLL(ctypes.util.find_library("Xtst") or "libXtst.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XStringToKeysym.restype = ctypes.c_ulong
        x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
        x11.XKeysymToKeycode.restype = ctypes.c_ubyte
        x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        x11.XDefaultRootWindow.restype = ctypes.c_ulong
        x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x11.XQueryPointer.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 7
        xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.x11, self.xtst = x11, xtst
        self.dpy = x11.XOpenDisplay(display.encode())
        check(self.dpy, f"cannot open display {display} for the keyboard")

    def close(self):
        self.x11.XCloseDisplay(self.dpy)

    def keycode(self, name):
        keysym = self.x11.XStringToKeysym(name.encode())
        check(keysym != 0, f"no key is called {name}")
        code = self.x11.XKeysymToKeycode(self.dpy, keysym)
        check(code != 0, f"the keyboard has no key for {name}")
        return code

    def modifier_state(self):
        root, child = ctypes.c_ulong(), ctypes.c_ulong()
        rx, ry, wx, wy = (ctypes.c_int() for _ in range(4))
        mask = ctypes.c_uint()
        self.x11.XQueryPointer(self.dpy, self.x11.XDefaultRootWindow(self.dpy), ctypes.byref(root),
                               ctypes.byref(child), ctypes.byref(rx), ctypes.byref(ry), ctypes.byref(wx),
                               ctypes.byref(wy), ctypes.byref(mask))
        return mask.value

    def tap(self, *names):
        for name in names:
            if name.startswith("KP_") and not self.modifier_state() & self.NUM_LOCK_MASK:
                self._press_release(self.keycode("Num_Lock"))
                check(self.modifier_state() & self.NUM_LOCK_MASK, "Num Lock does not come on")
            self._press_release(self.keycode(name))

    def chord(self, *names):
        """Holds the keys down in order and lets them go in reverse, as Ctrl+Shift+Z is typed."""
        codes = [self.keycode(name) for name in names]
        for code in codes:
            self.xtst.XTestFakeKeyEvent(self.dpy, code, 1, 0)
            self.x11.XSync(self.dpy, 0)
            time.sleep(0.03)
        for code in reversed(codes):
            self.xtst.XTestFakeKeyEvent(self.dpy, code, 0, 0)
            self.x11.XSync(self.dpy, 0)
            time.sleep(0.03)

    def _press_release(self, code):
        self.xtst.XTestFakeKeyEvent(self.dpy, code, 1, 0)
        self.x11.XSync(self.dpy, 0)
        time.sleep(0.03)
        self.xtst.XTestFakeKeyEvent(self.dpy, code, 0, 0)
        self.x11.XSync(self.dpy, 0)
        time.sleep(0.03)


def parse_ppm(data):
    """(width, height, rgb bytes) of a binary PPM image with 8-bit samples."""
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    check(fields[0] == b"P6" and fields[3] == b"255", "the capture is not an 8-bit PPM image")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:pos + 1 + width * height * 3]
    check(len(pixels) == width * height * 3, "the capture is truncated")
    return width, height, pixels


def test_main(description, add_arguments, run):
    """The scripts' entry point: arguments, SIGTERM through the clean-up, a failure as one line."""
    # ctest ends a test that runs too long with SIGTERM: leave through the clean-up all the same.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("ended by SIGTERM"))
    parser = argparse.ArgumentParser(description=description, formatter_class=argparse.RawDescriptionHelpFormatter)
    add_arguments(parser)
    args = parser.parse_args()
    try:
        run(args)
    except E2EFailure as failure:
        print(f"not ok - {failure}", flush=True)
        return 1
    return 0
