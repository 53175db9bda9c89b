# SPDX-License-Identifier: GPL-3.0-or-later
# Read by CPack for each generator: the installer is named apart from the zip.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
