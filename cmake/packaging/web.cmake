# SPDX-License-Identifier: GPL-3.0-or-later
# The page: Qt's loader and the program, with a page of the program's own in place of Qt's,
# its icon and its font, and a zip of what a web server needs.
qt_finalize_target(tavimor)
configure_file(resources/web/index.html index.html COPYONLY)
foreach(size 32 64)
    configure_file(resources/icons/hicolor/${size}x${size}/apps/org.tavimor.Tavimor.png
                   icon-${size}.png COPYONLY)
endforeach()
configure_file(resources/fonts/TavimorSansJP-Regular.ttf TavimorSansJP-Regular.ttf COPYONLY)
set(page_files index.html icon-32.png icon-64.png TavimorSansJP-Regular.ttf qtloader.js
               tavimor.js tavimor.wasm)
add_custom_command(OUTPUT Tavimor-${PROJECT_VERSION}-web.zip
    COMMAND ${CMAKE_COMMAND} -E tar cf Tavimor-${PROJECT_VERSION}-web.zip --format=zip ${page_files}
    DEPENDS tavimor ${CMAKE_CURRENT_BINARY_DIR}/index.html
            ${CMAKE_CURRENT_BINARY_DIR}/TavimorSansJP-Regular.ttf
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
add_custom_target(web_zip ALL DEPENDS Tavimor-${PROJECT_VERSION}-web.zip)
