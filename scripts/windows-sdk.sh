#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libraries of the Windows build once: a static Qt for 64-bit Windows from Debian's
# own qt6-base source, of the same version as the build machine's Qt (whose moc, rcc and uic the
# cross build uses), and GoogleTest from Debian's googletest source. They go into a cache outside
# the source tree; a later run finds them there and only prints the folder.
#   scripts/windows-sdk.sh          build what the cache lacks, print the folder
#   scripts/windows-sdk.sh --check  only say whether the cache has them (exit 0) or not (exit 1)
# The cache is $TAVIMOR_CACHE (default ~/.cache/tavimor). Qt's build takes some 20 minutes on 2
# cores; its build tree (2 GB) is removed afterwards, the install keeps about 100 MB.
set -euo pipefail
cd "$(dirname "$0")/.."
source_tree=$PWD

debian_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
version=${debian_version%%[-+]*}
cache=${TAVIMOR_CACHE:-$HOME/.cache/tavimor}
prefix=$cache/win64-$version
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi
if [ "${1:-}" = --check ]; then
    exit 1
fi

work=$cache/win64-build
rm -rf "$work" "$prefix"
mkdir -p "$work/apt/lists/partial" "$work/apt/archives/partial" "$work/src"
# The Qt and GoogleTest builds run with no Windows libraries of ours yet.
export TAVIMOR_WINDOWS_SDK=
toolchain=$source_tree/cmake/mingw-w64-x86_64.cmake
echo "windows-sdk: building Qt $version for Windows into $prefix (logs in $work)" >&2

# Debian's source of the installed Qt, through a private apt configuration with the deb-src entry
# of the machine's own Debian release, so the system's sources stay as they are.
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
printf 'deb-src http://deb.debian.org/debian %s main\ndeb-src http://deb.debian.org/debian %s-updates main\ndeb-src http://deb.debian.org/debian-security %s-security main\n' \
    "$codename" "$codename" "$codename" > "$work/apt/sources.list"
apt_private=(-o "Dir::Etc::SourceList=$work/apt/sources.list" -o "Dir::Etc::SourceParts=-"
    -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache::Archives=$work/apt/archives"
    -o "Debug::NoLocking=1" -o "APT::Sandbox::User=root")
apt-get "${apt_private[@]}" update > "$work/apt.log" 2>&1
(cd "$work/src" && apt-get "${apt_private[@]}" source "qt6-base=$debian_version") \
    >> "$work/apt.log" 2>&1
qtsrc=$(find "$work/src" -maxdepth 1 -mindepth 1 -type d -name 'qt6-base-*' | head -n 1)

# Core, Gui, Widgets and Test, with the windows and offscreen platforms (offscreen needs Qt's own
# FreeType there), the MinGW runtime linked in, and nothing else. Debian's source leaves out the
# tablet headers, so tablet events are off.
cmake -G Ninja -S "$qtsrc" -B "$work/qt" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_tabletevent=OFF -DFEATURE_icu=OFF \
    -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF -DFEATURE_fontconfig=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_jpeg=OFF \
    > "$work/qt-configure.log" 2>&1
cmake --build "$work/qt" -j "$(nproc)" > "$work/qt-build.log" 2>&1
cmake --install "$work/qt" > "$work/qt-install.log" 2>&1
# Qt's licence texts (its own and those of the libraries it bundles), which the program's
# packages carry.
mkdir -p "$prefix/licenses"
cp "$qtsrc"/LICENSES/*.txt "$prefix/licenses/"
rm -f "$prefix"/licenses/LicenseRef-Qt-Commercial.txt

# GoogleTest for the test suite, from the source Debian's googletest package installs.
cmake -G Ninja -S /usr/src/googletest -B "$work/googletest" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" > "$work/googletest.log" 2>&1
cmake --build "$work/googletest" -j "$(nproc)" >> "$work/googletest.log" 2>&1
cmake --install "$work/googletest" >> "$work/googletest.log" 2>&1

touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
