#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Airvane Lite needs.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkg-config ccache
    qtbase5-dev qttools5-dev qttools5-dev-tools libqt5svg5-dev qttranslations5-l10n
    # sanitizer runtimes and the fuzzer (clang's libFuzzer)
    clang libclang-rt-14-dev
    # Windows build and its run under Wine
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools wine64 wine
    # a display for the program and its screenshots
    xvfb xauth x11-utils imagemagick
    # local test servers
    openssl python3 python3-pyftpdlib
    # NetworkManager's D-Bus API for the Linux backend's tests: a private bus and a mock service
    python3-dbusmock dbus
    # freely licensed fonts for the program's font choices
    fonts-roboto fonts-liberation2 fonts-open-sans fonts-noto-core
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
