"""A private accessibility stack beside a private X server: a D-Bus session bus of its own, the AT-SPI bus
launcher on it, and pyatspi reading what programs on that display tell assistive technology.

Everything started here is ended here, by process id: the launcher, the accessibility bus and registry it
starts, and the session bus. pyatspi is imported only once the environment points at these buses, so
nothing of the desktop the test runs on is read.
"""

import os
import signal
import subprocess
import time

from xsession import E2EFailure, check, die_with_test, end_process, wait_until

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def children_of(pid):
    """Process ids whose parent is `pid`."""
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat", encoding="utf-8", errors="replace") as f:
                stat = f.read()
        except OSError:
            continue
        # The name may hold blanks and parentheses: the fields after it follow the last ')'.
        fields = stat[stat.rfind(")") + 2:].split()
        if len(fields) > 1 and int(fields[1]) == pid:
            found.append(int(entry))
    return found


def descendants_of(pid):
    """Process ids below `pid`, children before their own children."""
    found = []
    for child in children_of(pid):
        found.append(child)
        found.extend(descendants_of(child))
    return found


def end_pid(pid, grace=3.0):
    """Ends one process started on our behalf (not our child): SIGTERM, SIGKILL after `grace` seconds."""
    try:
        os.kill(pid, signal.SIGTERM)
    except ProcessLookupError:
        return
    deadline = time.monotonic() + grace
    while time.monotonic() < deadline:
        if not os.path.exists(f"/proc/{pid}") or _is_zombie(pid):
            return
        time.sleep(0.05)
    try:
        os.kill(pid, signal.SIGKILL)
    except ProcessLookupError:
        pass


def _is_zombie(pid):
    try:
        with open(f"/proc/{pid}/stat", encoding="utf-8", errors="replace") as f:
            stat = f.read()
    except OSError:
        return True
    return stat[stat.rfind(")") + 2:].startswith("Z")


class AccessibilityBus:
    """A session bus and the AT-SPI bus for one X display; use as a context manager."""

    def __init__(self, session):
        self.session = session
        self.dbus = None
        self.launcher = None
        self.address = None
        self.helpers = []  # processes the launcher started: the accessibility bus, the registry

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def env(self, **extra):
        """The X session's environment for a program, on this session bus, with Qt's bridge switched on."""
        return self.session.env(DBUS_SESSION_BUS_ADDRESS=self.address, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                QT_ACCESSIBILITY="1", **extra)

    def _start(self):
        read_end, write_end = os.pipe()
        with open(os.path.join(self.session.scratch, "dbus.log"), "wb") as log:
            self.dbus = subprocess.Popen(
                ["dbus-daemon", "--session", "--nofork", "--nopidfile", f"--print-address={write_end}"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=log, env=self.session.env(),
                preexec_fn=die_with_test)
        os.close(write_end)
        with os.fdopen(read_end, "rb") as f:
            self.address = f.readline().decode().strip()
        check(self.address, "dbus-daemon did not report its address")
        with open(os.path.join(self.session.scratch, "at-spi.log"), "wb") as log:
            self.launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"], env=self.env(),
                                             stdout=subprocess.DEVNULL, stderr=log, preexec_fn=die_with_test)
        # The launcher puts the accessibility bus's address on the root window once that bus runs.
        wait_until(lambda: self.launcher.poll() is not None or "unix:" in self.session.xprop_root("AT_SPI_BUS"),
                   20, "the AT-SPI bus")
        check(self.launcher.poll() is None, "at-spi-bus-launcher ended at once")
        # pyatspi finds its bus through these; it must not look at the desktop the test runs on.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.address
        os.environ["DISPLAY"] = self.session.display
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)

    def close(self):
        if self.launcher is not None:
            self.helpers = descendants_of(self.launcher.pid)
            end_process(self.launcher)
            for pid in self.helpers:
                end_pid(pid)
            self.launcher = None
        if self.dbus is not None:
            # The registry is started by the accessibility bus; whatever the session bus activated, too.
            for pid in descendants_of(self.dbus.pid):
                end_pid(pid)
            end_process(self.dbus)
            self.dbus = None

