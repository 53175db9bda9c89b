# SPDX-License-Identifier: GPL-3.0-or-later
# The page: Qt's loader and the program, with a page of the program's own in place of Qt's, its
# icons, its font, its web app manifest and its service worker (so that it installs and works
# offline), precompressed copies of its large files (.br and .gz, for servers that serve them),
# and a zip of what a web server needs.
qt_finalize_target(tavimor)
configure_file(resources/web/index.html index.html COPYONLY)
configure_file(resources/web/manifest.webmanifest.in manifest.webmanifest COPYONLY)
foreach(size 32 64 192 512)
    configure_file(resources/icons/hicolor/${size}x${size}/apps/org.tavimor.Tavimor.png
                   icon-${size}.png COPYONLY)
endforeach()
configure_file(resources/fonts/TavimorSansJP-Regular.ttf TavimorSansJP-Regular.ttf COPYONLY)
set(page_files index.html manifest.webmanifest icon-32.png icon-64.png icon-192.png icon-512.png
               TavimorSansJP-Regular.ttf qtloader.js tavimor.js tavimor.wasm)
set(packed_files tavimor.wasm tavimor.js qtloader.js TavimorSansJP-Regular.ttf index.html)
find_program(TAVIMOR_BROTLI brotli REQUIRED)
find_program(TAVIMOR_GZIP gzip REQUIRED)
string(REPLACE ";" "|" page_list "${page_files}")
set(packed "")
foreach(name ${packed_files})
    list(APPEND packed ${name}.br ${name}.gz)
endforeach()
add_custom_command(OUTPUT sw.js ${packed} Tavimor-${PROJECT_VERSION}-web.zip
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}/resources/web/sw.js.in -DOUTPUT=sw.js
            -DRELEASES=${PROJECT_SOURCE_DIR}/cmake/packaging/releases.txt
            -DDIR=${CMAKE_CURRENT_BINARY_DIR} "-DFILES=${page_list}"
            -P ${PROJECT_SOURCE_DIR}/cmake/packaging/web_version.cmake
    COMMAND ${TAVIMOR_BROTLI} -f -q 11 ${packed_files}
    COMMAND ${TAVIMOR_GZIP} -f -k -9 -n ${packed_files}
    COMMAND ${CMAKE_COMMAND} -E tar cf Tavimor-${PROJECT_VERSION}-web.zip --format=zip
            ${page_files} sw.js ${packed}
    DEPENDS tavimor ${CMAKE_CURRENT_BINARY_DIR}/index.html
            ${CMAKE_CURRENT_BINARY_DIR}/manifest.webmanifest
            ${CMAKE_CURRENT_BINARY_DIR}/TavimorSansJP-Regular.ttf
            ${PROJECT_SOURCE_DIR}/resources/web/sw.js.in
            ${PROJECT_SOURCE_DIR}/cmake/packaging/web_version.cmake
            ${PROJECT_SOURCE_DIR}/cmake/packaging/releases.txt
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} VERBATIM)
add_custom_target(web_zip ALL DEPENDS Tavimor-${PROJECT_VERSION}-web.zip)

# The floor that bench/web_start.py measures the page's start against.
add_subdirectory(bench/web_floor)
