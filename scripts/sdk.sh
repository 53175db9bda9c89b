#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libraries of a cross build once: a static Qt from Debian's own qt6-base source, of
# the same version as the build machine's Qt (whose moc, rcc and uic the cross build uses), and
# GoogleTest from Debian's googletest source. They go into a cache outside the source tree; a
# later run finds them there and only prints the folder.
#   scripts/sdk.sh windows|web          build what the cache lacks, print the folder
#   scripts/sdk.sh windows|web --check  only say whether the cache has them (exit 0) or not (1)
# windows: 64-bit Windows with MinGW-w64 (some 30 minutes on 2 cores).
# web:     WebAssembly with Debian's emscripten, in the browser (some 15 minutes on 2 cores).
# The cache is $TAVIMOR_CACHE (default ~/.cache/tavimor). Qt's build tree (2 GB) is removed
# afterwards; the install keeps about 100 MB.
set -euo pipefail
cd "$(dirname "$0")/.."
source_tree=$PWD

target=${1:-}
check=${2:-}
debian_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
version=${debian_version%%[-+]*}
cache=${TAVIMOR_CACHE:-$HOME/.cache/tavimor}
case "$target" in
    windows) prefix=$cache/win64-$version ;;
    web) prefix=$cache/wasm-$version ;;
    *)
        echo "usage: $0 windows|web [--check]" >&2
        exit 2
        ;;
esac
# Core, Gui, Widgets and Test, and nothing else, with the libraries Qt bundles. Debian's source
# leaves out the tablet headers, so tablet events are off.
options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_xml=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_icu=OFF -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF
    -DFEATURE_fontconfig=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_jpeg=OFF)
if [ "$target" = web ]; then
    # The browser's platform, without threads (a page needs no special headers then) and with the
    # host's moc, rcc and uic. Test is left out: the browser build runs no Qt tests.
    options+=(-DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten -DQT_HOST_PATH=/usr
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DFEATURE_thread=OFF
        -DFEATURE_testlib=OFF)
    # The page is a download: Qt is compiled for size, and without what the program's widgets
    # never use there: style sheets and their CSS parser (no widget has a style sheet), the HTML
    # parser (every text is plain), What's This, status tips, the fading effects and animations,
    # the input dialog, combo boxes, completers and the item views (which Windows's style plugin
    # needs, the browser's platform not). Regular expressions stay: Qt 6.4 does not configure
    # without them.
    options+=(-DFEATURE_optimize_size=ON -DFEATURE_style_stylesheet=OFF -DFEATURE_cssparser=OFF
        -DFEATURE_texthtmlparser=OFF -DFEATURE_whatsthis=OFF -DFEATURE_statustip=OFF
        -DFEATURE_effects=OFF -DFEATURE_inputdialog=OFF
        -DFEATURE_combobox=OFF -DFEATURE_completer=OFF -DFEATURE_listview=OFF
        -DFEATURE_listwidget=OFF -DFEATURE_treeview=OFF -DFEATURE_tableview=OFF
        -DFEATURE_animation=OFF)
else
    # The windows and offscreen platforms (offscreen needs Qt's own FreeType there), the MinGW
    # runtime linked in, no OpenGL.
    options+=(-DFEATURE_static_runtime=ON -DINPUT_opengl=no -DFEATURE_opengl=OFF
        -DFEATURE_vulkan=OFF)
    # The Direct2D platform plugin is not built (Direct2D itself stays: the windows platform's
    # DirectWrite fonts need it), nor the MIME database (the browser's drag and drop needs it).
    options+=(-DFEATURE_direct2d1_1=OFF -DFEATURE_mimetype=OFF)
fi
# Nor the parts of Gui and Widgets the program never uses: they would be a seventh of the build.
# Qt 6.4 still needs some features even where they are off: drag and drop needs the XPM format,
# the Windows style plugin QInputDialog, and the QtWidgets header QFileSystemModel, so those stay.
unused=(graphicsview filedialog fontdialog colordialog progressdialog errormessage wizard mdiarea
    dockwidget calendarwidget datetimeedit textbrowser undoview columnview treewidget tablewidget
    datawidgetmapper fontcombobox keysequenceedit commandlinkbutton toolbox dial lcdnumber
    splashscreen syntaxhighlighter fscompleter textodfwriter textmarkdownreader
    textmarkdownwriter pdf movie sessionmanager undogroup undostack timezone sharedmemory
    systemsemaphore imageformat_ppm imageformat_xbm gif)
for feature in "${unused[@]}"; do
    options+=("-DFEATURE_$feature=OFF")
done
# GoogleTest for the test suite, from the source Debian's googletest package installs: in the
# browser without threads, and with WebAssembly's own exceptions, as the program catches them.
gtest_options=(-DCMAKE_BUILD_TYPE=Release)
if [ "$target" = web ]; then
    gtest_options+=(-Dgtest_disable_pthreads=ON -DCMAKE_CXX_FLAGS=-fwasm-exceptions)
fi
# A cache built with other options is built again: Qt and GoogleTest each by their own.
recipe=$(printf '%s\n' "${options[@]}" | sha256sum | cut -d ' ' -f 1)
gtest_recipe=$(printf '%s\n' "${gtest_options[@]}" | sha256sum | cut -d ' ' -f 1)
qt_done=no
if [ "$(cat "$prefix/.complete" 2> /dev/null)" = "$recipe" ]; then
    qt_done=yes
    if [ "$(cat "$prefix/.complete-googletest" 2> /dev/null)" = "$gtest_recipe" ]; then
        echo "$prefix"
        exit 0
    fi
fi
if [ "$check" = --check ]; then
    exit 1
fi

work=$prefix-build
rm -rf "$work"
if [ "$qt_done" = no ]; then
    rm -rf "$prefix"
fi
mkdir -p "$work/apt/lists/partial" "$work/apt/archives/partial" "$work/src"
# The Qt and GoogleTest builds run with no cross libraries of ours yet.
export TAVIMOR_WINDOWS_SDK='' TAVIMOR_WEB_SDK=''
if [ "$target" = web ]; then
    # Qt's WebAssembly scripts look for an emsdk: a folder named by EMSDK whose .emscripten file
    # names the emscripten root. Debian's emscripten is laid out so, through links.
    export EMSDK=$prefix/emsdk
    mkdir -p "$EMSDK/root"
    echo "EMSCRIPTEN_ROOT = 'root'" > "$EMSDK/.emscripten"
    ln -sfn /usr/bin/emcc /usr/bin/em++ /usr/bin/emar /usr/bin/emranlib "$EMSDK/root/"
    ln -sfn /usr/share/emscripten/cmake "$EMSDK/root/cmake"
    # emcc's optimiser takes Debian's acorn from Node's global modules. emcc is a Python
    # program, run once for every file: Debian's own Python starts it without any shim.
    export NODE_PATH=/usr/share/nodejs EMSDK_PYTHON=/usr/bin/python3
    toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
else
    toolchain=$source_tree/cmake/mingw-w64-x86_64.cmake
fi
if [ "$qt_done" = no ]; then
    echo "sdk: building Qt $version for $target into $prefix (logs in $work)" >&2

    # Debian's source of the installed Qt, through a private apt configuration with the deb-src
    # entry of the machine's own Debian release, so the system's sources stay as they are.
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

    cmake -G Ninja -S "$qtsrc" -B "$work/qt" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" > "$work/qt-configure.log" 2>&1
    cmake --build "$work/qt" -j "$(nproc)" > "$work/qt-build.log" 2>&1
    cmake --install "$work/qt" > "$work/qt-install.log" 2>&1
    # Qt's licence texts (its own and those of the libraries it bundles), which the program's
    # packages carry.
    mkdir -p "$prefix/licenses"
    cp "$qtsrc"/LICENSES/*.txt "$prefix/licenses/"
    rm -f "$prefix"/licenses/LicenseRef-Qt-Commercial.txt
    echo "$recipe" > "$prefix/.complete"
fi

echo "sdk: building GoogleTest for $target into $prefix (logs in $work)" >&2
cmake -G Ninja -S /usr/src/googletest -B "$work/googletest" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${gtest_options[@]}" > "$work/googletest.log" 2>&1
cmake --build "$work/googletest" -j "$(nproc)" >> "$work/googletest.log" 2>&1
cmake --install "$work/googletest" >> "$work/googletest.log" 2>&1
echo "$gtest_recipe" > "$prefix/.complete-googletest"

rm -rf "$work"
echo "$prefix"
