# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads, for std::thread).
# Used both for the static Qt for Windows that scripts/sdk.sh windows builds and for the program
# built on it. The Qt (with GoogleTest beside it) is taken from $TAVIMOR_WINDOWS_SDK, else from
# the newest win64-* folder of the cache (~/.cache/tavimor, or $TAVIMOR_CACHE).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

include(${CMAKE_CURRENT_LIST_DIR}/cross_sdk.cmake)
tavimor_find_cross_sdk(TAVIMOR_WINDOWS_SDK win64 tavimor_windows_sdk)

# The Qt for Windows is searched like the MinGW sysroot; host programs (moc, rcc, uic) come from
# the build machine's Qt of the same version.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${tavimor_windows_sdk})
set(CMAKE_PREFIX_PATH ${tavimor_windows_sdk})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# No MinGW runtime DLL beside the executables: libgcc, libstdc++ and winpthread linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Tests and test discovery run the executables under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
