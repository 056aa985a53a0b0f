#!/usr/bin/env python3
"""The Debian package, built from this build tree, unpacked into a scratch root and run once.

  package_test.py --build-dir build

The package is made with CPack into a scratch directory (the build tree is only read), checked for
its control fields and files, unpacked with dpkg -x, and its program started under a private Xvfb the
way an installed program runs: from a directory its user cannot write to.
"""

import glob
import os
import pwd
import struct
import subprocess
import sys

from xsession import XSession, check, test_main, wait_until
from desktop_test import ABOUT_TITLE, MAIN_TITLE, MainWindow, Step

APP_ID = "com.example.Dodoru"
RUNTIME_PACKAGES = ["libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6printsupport6", "qt6-qpa-plugins",
                    "fonts-arphic-ukai", "fonts-arphic-uming"]
ICON_SIZES = [16, 32, 48, 64, 128, 256]
INSTALLED_FILES = ["usr/bin/dodoru", "usr/bin/dodoru-cli",
                   f"usr/share/applications/{APP_ID}.desktop", f"usr/share/metainfo/{APP_ID}.metainfo.xml"] + [
                   f"usr/share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png" for size in ICON_SIZES]


def build_package(build_dir, out_dir):
    result = subprocess.run(["cpack", "--config", os.path.join(build_dir, "CPackConfig.cmake"), "-G", "DEB",
                             "-B", out_dir], capture_output=True, timeout=120)
    check(result.returncode == 0, "cpack failed: " + result.stdout.decode(errors="replace")[-2000:]
          + result.stderr.decode(errors="replace")[-2000:])
    debs = glob.glob(os.path.join(out_dir, "dodoru_*.deb"))
    check(len(debs) == 1, f"cpack made {debs}, not one dodoru_*.deb")
    return debs[0]


def control_field(deb, name):
    return subprocess.run(["dpkg-deb", "--field", deb, name], capture_output=True, check=True,
                          timeout=30).stdout.decode().strip()


def png_size(path):
    with open(path, "rb") as f:
        header = f.read(24)
    check(header[:8] == b"\x89PNG\r\n\x1a\n" and header[12:16] == b"IHDR", f"{path} is not a PNG image")
    return struct.unpack(">II", header[16:24])


def desktop_entry(path):
    with open(path, encoding="utf-8") as f:
        return dict(line.rstrip("\n").split("=", 1) for line in f if "=" in line and not line.startswith("#"))


def depended_packages(depends):
    # "a (>= 1), b | c" names a, b and c.
    return {alternative.split()[0] for item in depends.split(",") for alternative in item.split("|")
            if alternative.strip()}


class Installed:
    """The installed program's one run (MainWindow needs its process)."""

    def __init__(self, process):
        self.process = process


class User:
    """Who runs the installed program: an ordinary user, so that /usr/bin is out of its reach."""

    def __init__(self):
        if os.geteuid() == 0:
            entry = pwd.getpwnam("nobody")
            self.uid, self.gid = entry.pw_uid, entry.pw_gid
        else:
            self.uid, self.gid = os.getuid(), os.getgid()

    def own(self, path):
        if os.geteuid() == 0:
            for directory, _, files in os.walk(path):
                os.chown(directory, self.uid, self.gid)
                for name in files:
                    os.chown(os.path.join(directory, name), self.uid, self.gid)

    def preexec(self):
        if os.geteuid() == 0:
            uid, gid = self.uid, self.gid

            def drop():
                os.setgroups([])
                os.setgid(gid)
                os.setuid(uid)
            return drop
        return None


def run(args):
    step = Step()
    with XSession("dodoru-package") as session:
        deb = build_package(args.build_dir, os.path.join(session.scratch, "cpack"))
        step(f"CPack makes {os.path.basename(deb)}")

        check(control_field(deb, "Package") == "dodoru", "the package is not called dodoru")
        missing = [p for p in RUNTIME_PACKAGES if p not in depended_packages(control_field(deb, "Depends"))]
        check(not missing, f"the package does not depend on {', '.join(missing)}")
        step("it depends on the Qt 6 libraries, the X11 platform plugin and the two fonts")

        root = os.path.join(session.scratch, "root")
        subprocess.run(["dpkg", "-x", deb, root], check=True, timeout=60)
        absent = [f for f in INSTALLED_FILES if not os.path.isfile(os.path.join(root, f))]
        check(not absent, f"the package lacks {', '.join(absent)}")
        for size in ICON_SIZES:
            icon = os.path.join(root, f"usr/share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png")
            check(png_size(icon) == (size, size), f"the {size}x{size} icon is {png_size(icon)}")
        entry = desktop_entry(os.path.join(root, f"usr/share/applications/{APP_ID}.desktop"))
        check(os.path.isfile(os.path.join(root, "usr/bin", entry.get("Exec", "?"))),
              f"the desktop entry runs {entry.get('Exec')!r}, which the package does not install")
        check(entry.get("Icon") == APP_ID, f"the desktop entry names the icon {entry.get('Icon')!r}")
        step("dpkg -x unpacks the programs, the desktop entry, the icon at six sizes and the metainfo under /usr")

        user = User()
        bindir = os.path.join(root, "usr", "bin")
        os.chmod(bindir, 0o555)
        home = os.path.join(session.scratch, "user")
        env = session.env(home=home)
        user.own(home)
        installed = Installed(session.start([os.path.join(bindir, "dodoru")], env, cwd=home,
                                            preexec=user.preexec()))
        window = session.wait_window(installed.process, MAIN_TITLE)
        about = session.wait_window(installed.process, ABOUT_TITLE)
        step(f"the installed program shows its main window {window.title!r} and its About box")

        wait_until(lambda: session.active_window() == about.wid, 10, "the About box to have the focus")
        session.key("Escape")
        session.wait_window_gone(about)
        wait_until(lambda: session.active_window() == window.wid, 10, "the main window to have the focus")
        main = MainWindow(session, installed, window)
        main.enter(40, ["7"])
        main.close_by_close_box()
        check(installed.process.returncode == 0, f"the installed program ended with status {installed.process.returncode}")
        check(not os.path.exists(os.path.join(bindir, "Default.dat")), "the installed program wrote into /usr/bin")
        saved = [os.path.join(d, "Default.dat") for d, _, files in os.walk(home) if "Default.dat" in files]
        data_home = os.path.join(home, ".local", "share")
        check(len(saved) == 1 and saved[0].startswith(data_home + os.sep),
              f"the installed program saved its board as {saved}, not once under {data_home}")
        with open(saved[0], "rb") as f:
            content = f.read()
        check(content == bytes(40) + b"\x07" + bytes(40), f"{saved[0]} does not hold the one given entered")
        check(os.stat(saved[0]).st_uid == user.uid, f"{saved[0]} does not belong to the user who ran the program")
        step(f"a given entered in the installed program is saved in {os.path.relpath(saved[0], home)} "
             "under the user's home when it is closed")
    print(f"{step.passed} passed, 0 failed")


def main():
    def arguments(parser):
        parser.add_argument("--build-dir", required=True, help="the configured and built build tree")
    return test_main(__doc__, arguments, run)


if __name__ == "__main__":
    sys.exit(main())
