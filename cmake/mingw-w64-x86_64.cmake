# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads, for std::thread).
# Used both for the static Qt for Windows that scripts/windows-sdk.sh builds and for the program
# built on it. The Qt (with GoogleTest beside it) is taken from $TAVIMOR_WINDOWS_SDK, else from
# the newest win64-* folder of the cache (~/.cache/tavimor, or $TAVIMOR_CACHE).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(DEFINED ENV{TAVIMOR_WINDOWS_SDK})
    set(tavimor_windows_sdk "$ENV{TAVIMOR_WINDOWS_SDK}")
else()
    if(DEFINED ENV{TAVIMOR_CACHE})
        set(tavimor_cache "$ENV{TAVIMOR_CACHE}")
    else()
        set(tavimor_cache "$ENV{HOME}/.cache/tavimor")
    endif()
    file(GLOB tavimor_windows_sdk LIST_DIRECTORIES true "${tavimor_cache}/win64-*/.complete")
    list(SORT tavimor_windows_sdk)
    list(POP_BACK tavimor_windows_sdk tavimor_windows_sdk)
    if(tavimor_windows_sdk)
        get_filename_component(tavimor_windows_sdk "${tavimor_windows_sdk}" DIRECTORY)
    endif()
endif()

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
