#!/usr/bin/env python3
"""The Debian package, built from this build tree, checked by lintian, unpacked into a scratch root and run once.

  package_test.py --build-dir build

The package is made with CPack into a scratch directory (the build tree is only read), checked by lintian
and for its control fields and files, unpacked with dpkg -x, and its program started under a private Xvfb
by whoever runs the test. The unpacked tree is writable by that user, root or not: an installed program
must keep its files in the user's data folder all the same, and write nothing into the tree.
"""

import glob
import os
import re
import struct
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

from xsession import XSession, check, test_main, wait_until
from desktop_test import ABOUT_TITLE, MAIN_TITLE, MainWindow, Step

RUNTIME_PACKAGES = ["libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6printsupport6", "qt6-qpa-plugins",
                    "fonts-arphic-ukai", "fonts-arphic-uming"]
ICON_SIZES = [16, 32, 48, 64, 128, 256]
PROGRAMS = ["dodoru", "dodoru-cli"]
BINDIR = "usr/games"  # Section: games
TRANSLATIONS_DIR = "usr/share/games/dodoru/translations"
TRANSLATIONS = {"en": "English", "zh_CN": "Simplified Chinese"}


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
    return [alternative.split()[0] for item in depends.split(",") for alternative in item.split("|")
            if alternative.strip()]


def tree(root):
    """Every file and folder under root, with its size and modification time."""
    found = {}
    for directory, folders, files in os.walk(root):
        for name in folders + files:
            path = os.path.join(directory, name)
            info = os.lstat(path)
            found[os.path.relpath(path, root)] = (info.st_size, info.st_mtime_ns)
    return found


class Installed:
    """The installed program's one run (MainWindow needs its process)."""

    def __init__(self, process):
        self.process = process


def run(args):
    step = Step()
    with XSession("dodoru-package") as session:
        deb = build_package(args.build_dir, os.path.join(session.scratch, "cpack"))
        step(f"CPack makes {os.path.basename(deb)}")

        lintian = subprocess.run(["lintian", "--fail-on", "error,warning", "--tag-display-limit", "0", deb],
                                 capture_output=True, timeout=300)
        report = (lintian.stdout + lintian.stderr).decode(errors="replace")
        check(lintian.returncode == 0 and not re.search(r"^[EW]: ", report, re.M),
              f"lintian finds errors or warnings:\n{report}")
        step("lintian reports no error and no warning")

        check(control_field(deb, "Package") == "dodoru", "the package is not called dodoru")
        check(control_field(deb, "Section") == "games", "the package is not in the games section")
        depends = depended_packages(control_field(deb, "Depends"))
        missing = [p for p in RUNTIME_PACKAGES if p not in depends]
        check(not missing, f"the package does not depend on {', '.join(missing)}")
        twice = sorted({p for p in depends if depends.count(p) > 1})
        check(not twice, f"the package names {', '.join(twice)} more than once in Depends")
        step("it depends once each on the Qt 6 libraries, the X11 platform plugin and the two fonts")

        root = os.path.join(session.scratch, "root")
        subprocess.run(["dpkg", "-x", deb, root], check=True, timeout=60)
        bindir = os.path.join(root, BINDIR)
        absent = [p for p in PROGRAMS if not os.path.isfile(os.path.join(bindir, p))]
        check(not absent and not os.path.exists(os.path.join(root, "usr/bin")),
              f"the programs are not all in /{BINDIR} and only there")
        entries = glob.glob(os.path.join(root, "usr/share/applications/*.desktop"))
        check(len(entries) == 1, f"the package has the desktop entries {entries}, not one")
        app_id = os.path.basename(entries[0])[:-len(".desktop")]
        check(app_id == app_id.lower(), f"the application id {app_id} is not lower-case")
        metainfo = os.path.join(root, f"usr/share/metainfo/{app_id}.metainfo.xml")
        check(os.path.isfile(metainfo), f"the package has no metadata {os.path.basename(metainfo)}")
        component = ElementTree.parse(metainfo).getroot()
        check(component.findtext("id") == app_id, f"the AppStream component is {component.findtext('id')!r}")
        check(component.find("screenshots/screenshot/image") is not None, "the AppStream metadata has no screenshot")
        for size in ICON_SIZES:
            icon = os.path.join(root, f"usr/share/icons/hicolor/{size}x{size}/apps/{app_id}.png")
            check(os.path.isfile(icon) and png_size(icon) == (size, size), f"the {size}x{size} icon is missing or wrong")
        entry = desktop_entry(entries[0])
        check(entry.get("Exec") in PROGRAMS, f"the desktop entry runs {entry.get('Exec')!r}, not one of the programs")
        check(entry.get("Icon") == app_id, f"the desktop entry names the icon {entry.get('Icon')!r}")
        manuals = [f"usr/share/man/man6/{p}.6.gz" for p in PROGRAMS] + ["usr/share/doc/dodoru/copyright",
                                                                          "usr/share/doc/dodoru/changelog.gz"]
        absent = [f for f in manuals if not os.path.isfile(os.path.join(root, f))]
        check(not absent, f"the package lacks {', '.join(absent)}")
        step(f"dpkg -x unpacks the programs in /{BINDIR}, the manual pages, the copyright and changelog, "
             f"and one id {app_id} for the desktop entry, the metadata and the icon at six sizes")

        home = os.path.join(session.scratch, "user")
        env = session.env(home=home)
        data = os.path.join(home, ".local", "share", "dodoru")
        versions = [subprocess.run([os.path.join(bindir, p), "--version"], env=env, capture_output=True,
                                   timeout=30).stdout.decode() for p in PROGRAMS]
        version = control_field(deb, "Version")
        check(versions == [f"{p} {version}\n" for p in PROGRAMS], f"the programs' versions are {versions}")
        help_text = subprocess.run([os.path.join(bindir, "dodoru"), "--help"], env=env, capture_output=True,
                                   timeout=30).stdout.decode()
        check(os.path.join(data, "Default.dat") in help_text, f"dodoru --help does not name {data}:\n{help_text}")
        step(f"both programs tell the package's version {version}; --help names the data folder")

        sheet = os.path.join(session.scratch, "sheet.pdf")
        made = subprocess.run([os.path.join(bindir, "dodoru-cli"), "manuscript", "--level", "1", "--count", "1",
                               "--seed", "3", "-o", sheet], env=env, capture_output=True, timeout=120)
        check(made.returncode == 0 and os.path.isfile(sheet) and open(sheet, "rb").read(5) == b"%PDF-",
              f"the installed dodoru-cli made no manuscript: {made.stderr.decode(errors='replace')}")
        step("the installed dodoru-cli writes a manuscript through its own manuscript program")

        not_image = os.path.join(session.scratch, "not-an-image.png")
        with open(not_image, "w") as f:
            f.write("no picture here\n")
        read = subprocess.run([os.path.join(bindir, "dodoru-cli"), "read", not_image], env=env, capture_output=True,
                              timeout=60)
        check(read.returncode == 2 and b"refused" in read.stdout,
              f"the installed dodoru-cli read did not refuse a text file ({read.returncode}): "
              f"{read.stdout.decode(errors='replace')} {read.stderr.decode(errors='replace')}")
        step("the installed dodoru-cli reads images through its own read program")

        for language, name in TRANSLATIONS.items():
            qm = os.path.join(root, TRANSLATIONS_DIR, f"dodoru_{language}.qm")
            check(os.path.isfile(qm) and os.path.getsize(qm) > 0, f"the package lacks /{TRANSLATIONS_DIR}/dodoru_{language}.qm")
            told = subprocess.run([os.path.join(bindir, "dodoru"), "--help"], env=dict(env, LANGUAGE=language),
                                  capture_output=True, timeout=30).stdout.decode()
            check(f"The window speaks {name}, following" in told,
                  f"with LANGUAGE={language} the installed program would not speak {name}:\n{told}")
        step(f"the package ships the translations in /{TRANSLATIONS_DIR}, and the installed program finds them")

        before = tree(root)
        os.chmod(bindir, 0o755)  # writable by whoever runs the test: the rule must not depend on it
        installed = Installed(session.start([os.path.join(bindir, "dodoru")], env, cwd=home))
        window = session.wait_window(installed.process, MAIN_TITLE)
        about = session.wait_window(installed.process, ABOUT_TITLE)
        step(f"the installed program shows its main window {window.title!r} and its About box")

        wm_class = subprocess.run(["xprop", "-id", str(window.wid), "WM_CLASS"], env=env, capture_output=True,
                                  timeout=10).stdout.decode()
        check(f'"{entry.get("StartupWMClass")}"' in wm_class,
              f"the window's {wm_class.strip()} does not match StartupWMClass={entry.get('StartupWMClass')}")
        step(f"the window's class matches the desktop entry's StartupWMClass={entry.get('StartupWMClass')}")

        wait_until(lambda: session.active_window() == about.wid, 10, "the About box to have the focus")
        session.key("Escape")
        session.wait_window_gone(about)
        wait_until(lambda: session.active_window() == window.wid, 10, "the main window to have the focus")
        main = MainWindow(session, installed, window)
        main.enter(40, ["7"])
        main.close_by_close_box()
        check(installed.process.returncode == 0, f"the installed program ended with status {installed.process.returncode}")
        changed = sorted(set(tree(root).items()) ^ set(before.items()))
        check(not changed, f"the installed program wrote into its tree: {changed}")
        saved = [os.path.join(d, "Default.dat") for d, _, files in os.walk(home) if "Default.dat" in files]
        check(saved == [os.path.join(data, "Default.dat")],
              f"the installed program saved its board as {saved}, not once in {data}")
        with open(saved[0], "rb") as f:
            content = f.read()
        check(content == bytes(40) + b"\x07" + bytes(40), f"{saved[0]} does not hold the one given entered")
        step(f"run by uid {os.geteuid()} from a tree it could write to, the installed program leaves the tree "
             f"as it was and saves a given entered in {os.path.relpath(saved[0], home)}")
    print(f"{step.passed} passed, 0 failed")


def main():
    def arguments(parser):
        parser.add_argument("--build-dir", required=True, help="the configured and built build tree")
    return test_main(__doc__, arguments, run)


if __name__ == "__main__":
    sys.exit(main())
