# Shared set-up for scripts/run, scripts/test and scripts/package. Source it from the repository root.
set -euo pipefail

DODORU_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
DODORU_BUILD=${DODORU_BUILD:-$DODORU_ROOT/build}

# Debian packages needed to build and run the program (dpkg-dev for Debian's hardening flags, help2man
# for dodoru-cli's manual page, Qt's Linguist tools to compile the translations, OpenCV to read puzzles
# from photos, a JSON library for the command line's output).
DODORU_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev libopencv-dev
                       libgtest-dev libgmock-dev libbenchmark-dev dpkg-dev help2man nlohmann-json3-dev
                       fonts-arphic-ukai fonts-arphic-uming qt6-translations-l10n
                       qt6-l10n-tools qt6-tools-dev)
# What makes and checks the Debian package.
DODORU_PACKAGE_PACKAGES=(dpkg-dev file lintian)
# Extra packages the tests use: a virtual X server with a window manager, a driver, the clipboard, PDF
# rendering, a print system with a PDF printer for printing end to end, the accessibility stack a
# screen reader listens on (a D-Bus session bus, the AT-SPI bus and pyatspi), the screen reader itself with
# its speech server (Orca, speech-dispatcher with its audio plugins, pgrep to find another Orca), and the
# package's checkers.
DODORU_TEST_PACKAGES=(xvfb xauth xdotool xclip x11-utils openbox poppler-utils imagemagick
                      wmctrl python3 appstream desktop-file-utils cups printer-driver-cups-pdf
                      dbus-x11 at-spi2-core python3-pyatspi
                      orca speech-dispatcher speech-dispatcher-audio-plugins procps
                      "${DODORU_PACKAGE_PACKAGES[@]}")

missing_packages() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
    done
}

ensure_packages() {
    local missing
    missing=$(missing_packages "$@" | tr '\n' ' ')
    missing=${missing% }
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Dodoru needs these Debian packages: $missing" >&2
        echo "Install them with:" >&2
        echo "  sudo apt-get install -y $missing" >&2
        exit 1
    fi
    echo "Installing: $missing"
    export DEBIAN_FRONTEND=noninteractive
    # Another apt run on the same machine holds the lock for a while: wait for it.
    apt-get -o DPkg::Lock::Timeout=600 update -qq
    # shellcheck disable=SC2086
    apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends $missing
}

# configure_and_build DIR [cmake options...]
configure_and_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$DODORU_ROOT" -B "$dir" -G Ninja "$@"
    else
        cmake "$dir" "$@" >/dev/null
    fi
    cmake --build "$dir" --parallel "$(nproc)"
}
