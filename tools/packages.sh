# Sourced by run.sh and test.sh: the Debian packages the build needs, and a
# function that installs only the ones that are missing. One list, so the two
# scripts never disagree about what a fresh machine must have.

QUELTA_PACKAGES=(
    cmake
    ninja-build
    g++
    pkg-config
    qt6-base-dev
    qt6-charts-dev
    libqt6opengl6-dev
    libgl-dev
    googletest
    libgtest-dev
    libbenchmark-dev
    fonts-liberation
    fonts-liberation2
    # the picture reader's fuzzer
    clang
    libclang-rt-14-dev
    # the Debian package and the checks of its desktop entry and metainfo
    dpkg-dev
    file
    desktop-file-utils
    appstream
    lintian
    # system files and the command-line analyser
    libtomlplusplus-dev
    libcli11-dev
    # the screen-reader test: a private X server and D-Bus session with the
    # accessibility bus, driven through AT-SPI from Python
    xvfb
    xauth
    dbus-x11
    at-spi2-core
    python3-pyatspi
    python3-gi
    gir1.2-atspi-2.0
)

# Installs the packages that dpkg does not report as installed. Does nothing,
# and needs no network, when everything is already there.
quelta_install_missing_packages() {
    local missing=()
    local package
    for package in "${QUELTA_PACKAGES[@]}"; do
        if ! dpkg -s "$package" >/dev/null 2>&1; then
            missing+=("$package")
        fi
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi

    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            as_root=(sudo)
        else
            echo "These packages are missing and I am not root (and there is no sudo):" >&2
            echo "  ${missing[*]}" >&2
            echo "Install them as root with: apt-get install ${missing[*]}" >&2
            return 1
        fi
    fi

    echo "Installing missing packages: ${missing[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}
