#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine for Tavimor and builds it.
#   scripts/setup.sh run       install what is missing, build (release) and start the program
#   scripts/setup.sh test      install what is missing, build (release) and run every test headless
#   scripts/setup.sh sanitize  the same tests built with AddressSanitizer and UBSan
#   scripts/setup.sh windows   the Windows program: Qt for Windows built once into a cache
#                              (scripts/sdk.sh windows), the cross build, every test under Wine,
#                              and build/windows/Tavimor-*-win64.zip and -setup.exe
#   scripts/setup.sh packages  only install what every mode needs
#   scripts/setup.sh web       the browser's program: Qt for WebAssembly built once into the cache
#                              (scripts/sdk.sh web), the cross build, the plain C++ tests under
#                              Node, the page checked in headless Chromium, and
#                              build/web/Tavimor-*-web.zip
set -euo pipefail

cd "$(dirname "$0")/.."
mode=${1:-run}

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang clang-format clang-tidy libclang-rt-14-dev desktop-file-utils appstream dpkg-dev
    lintian man-db libfast-float-dev
)
if [ "$mode" = windows ] || [ "$mode" = packages ]; then
    packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix googletest
        wine wine64 fonts-wine nsis xz-utils)
fi
if [ "$mode" = web ] || [ "$mode" = packages ]; then
    packages+=(emscripten googletest chromium python3 brotli)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if ((${#missing[@]})); then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

if [ "$mode" = packages ]; then
    exit 0
fi

jobs=$(nproc)
if [ "$mode" = windows ]; then
    TAVIMOR_WINDOWS_SDK=$(bash scripts/sdk.sh windows)
    export TAVIMOR_WINDOWS_SDK
    # Wine in a prefix of its own beside the cache, headless, without offering to install Mono
    # or Gecko. One server and Wine's own services are kept up for the whole run, started here
    # apart from the tests' output: a service started by a test would hold its output open, and
    # ctest would wait for it.
    export WINEPREFIX=${TAVIMOR_CACHE:-$HOME/.cache/tavimor}/wine
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot --init > /dev/null 2>&1
        wineserver -w  # the new prefix written out, and its server gone
    fi
    wineserver -p || true  # a server already running serves as well
    trap 'wineserver -k > /dev/null 2>&1 || true' EXIT
    wine cmd.exe /c exit < /dev/null > /dev/null 2>&1
    cmake --preset windows
    cmake --build --preset windows -j "$jobs"
    export QT_QPA_PLATFORM=offscreen
    export TAVIMOR_SOAK_STEPS=10000
    # Wine now and then keeps a test program from ending after its last line (seen once in three
    # runs, in the listing of a suite's tests): the whole suite runs once more before that counts
    # as a failure. A test that fails fails both times.
    if ! ctest --preset windows -j "$jobs"; then
        echo "windows: the suite once more, as Wine may have kept a program from ending" >&2
        ctest --preset windows -j "$jobs"
    fi
    (cd build/windows && cpack > cpack.log)
    # The installer, tried as a learner's machine would run it: silently into Program Files, with
    # its Start-menu entry and uninstaller, and out again.
    installed="$WINEPREFIX/drive_c/Program Files/Tavimor"
    menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tavimor"
    waitFor() {  # a test, tried for up to 30 seconds
        for _ in $(seq 60); do
            if "$@"; then
                return 0
            fi
            sleep 0.5
        done
        return 1
    }
    wine build/windows/Tavimor-*-win64-setup.exe /S
    if ! waitFor test -f "$installed/tavimor.exe" -a -f "$installed/Uninstall.exe" \
        -a -f "$menu/Tavimor.lnk"; then
        echo "windows: the installer did not install the program, its uninstaller and its menu entry" >&2
        exit 1
    fi
    wine "$installed/Uninstall.exe" /S
    if ! waitFor test ! -e "$installed/tavimor.exe"; then
        echo "windows: the uninstaller left the program behind" >&2
        exit 1
    fi
    echo "windows: the installer installs and uninstalls silently"
    ls -l build/windows/Tavimor-*-win64.zip build/windows/Tavimor-*-win64-setup.exe
    exit 0
fi
if [ "$mode" = web ]; then
    TAVIMOR_WEB_SDK=$(bash scripts/sdk.sh web)
    export TAVIMOR_WEB_SDK
    # Qt's scripts find emscripten through the emsdk layout the SDK script made; emcc's optimiser
    # takes Debian's acorn from Node's modules, and runs on Debian's own Python.
    export EMSDK=$TAVIMOR_WEB_SDK/emsdk NODE_PATH=/usr/share/nodejs EMSDK_PYTHON=/usr/bin/python3
    cmake --preset web
    cmake --build --preset web -j "$jobs"
    ctest --preset web -j "$jobs"
    python3 tests/web/browser_test.py build/web --screenshot build/web/screenshot.png
    ls -l build/web/Tavimor-*-web.zip
    exit 0
fi
if [ "$mode" = sanitize ]; then
    cmake --preset asan
    cmake --build --preset asan -j "$jobs"
    export QT_QPA_PLATFORM=offscreen
    export TAVIMOR_SOAK_STEPS=10000
    exec ctest --preset asan -j "$jobs"
fi
cmake --preset release
cmake --build --preset release -j "$jobs"

case "$mode" in
    run)
        exec build/release/tavimor
        ;;
    test)
        export QT_QPA_PLATFORM=offscreen
        ctest --preset release -j "$jobs"
        ;;
    *)
        echo "usage: $0 run|test|sanitize|windows|web" >&2
        exit 2
        ;;
esac
