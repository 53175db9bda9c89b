#!/usr/bin/env bash
# Sets up a Debian 12 machine for Tavimor and builds it.
#   scripts/setup.sh run       install what is missing, build (release) and start the program
#   scripts/setup.sh test      install what is missing, build (release) and run every test headless
#   scripts/setup.sh sanitize  the same tests built with AddressSanitizer and UBSan
set -euo pipefail

cd "$(dirname "$0")/.."

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang clang-format libclang-rt-14-dev desktop-file-utils appstream dpkg-dev
)

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

jobs=$(nproc)
mode=${1:-run}
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
        echo "usage: $0 run|test|sanitize" >&2
        exit 2
        ;;
esac
