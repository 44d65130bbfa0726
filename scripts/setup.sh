#!/bin/sh
# Installs, from Debian's packages, whatever Brindlex needs to build and test
# that this machine does not have yet. Run as root. Pass --fuzz to add clang
# for the fuzz targets.
set -eu

# dpkg-dev brings dpkg-shlibdeps, which the Debian package needs; groff checks the manual pages;
# xvfb, xauth, xclip, xdotool and x11-utils run the tests on an X display.
# qt6-tools-dev and qt6-l10n-tools bring lupdate and lrelease with their CMake functions;
# qt6-translations-l10n holds Qt's own texts (message box buttons, the file chooser).
packages="cmake ninja-build g++ pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools
qt6-translations-l10n libgtest-dev libbenchmark-dev
nlohmann-json3-dev libcli11-dev fonts-dejavu-core desktop-file-utils appstream dpkg-dev
groff-base xvfb xauth xclip xdotool x11-utils"
# The web edition: emscripten compiles the core, node and npm build the site, Chromium runs
# its browser tests.
packages="$packages emscripten chromium"
# Any node will do (nodesource's too, which brings its own npm; Debian's npm beside it
# would conflict with it).
if ! command -v node >/dev/null 2>&1; then
    packages="$packages nodejs"
fi
if ! command -v npm >/dev/null 2>&1; then
    packages="$packages npm"
fi
if [ "${1:-}" = "--fuzz" ]; then
    packages="$packages clang libclang-rt-14-dev"
fi

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi
