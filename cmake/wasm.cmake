# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for the browser: WebAssembly with Debian's emscripten, on the static Qt that
# `scripts/sdk.sh web` builds, taken from $TAVIMOR_WEB_SDK, else from the newest wasm-* folder of
# the cache. Qt's own toolchain file sets up emscripten's and the search for Qt; host programs
# (moc, rcc, uic) come from the build machine's Qt of the same version.
include(${CMAKE_CURRENT_LIST_DIR}/cross_sdk.cmake)
tavimor_find_cross_sdk(TAVIMOR_WEB_SDK wasm tavimor_web_sdk)
if(NOT tavimor_web_sdk)
    message(FATAL_ERROR "No Qt for WebAssembly: run scripts/sdk.sh web")
endif()

# The tests run under Node. Emscripten 3.1.6's output loads its .wasm with fetch where there is
# one, and Node 20's reads no file names: Node without it, then.
find_program(TAVIMOR_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TAVIMOR_NODE} --no-experimental-fetch)

set(QT_CHAINLOAD_TOOLCHAIN_FILE /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
include(${tavimor_web_sdk}/lib/cmake/Qt6/qt.toolchain.cmake)
list(APPEND CMAKE_FIND_ROOT_PATH ${tavimor_web_sdk})
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
