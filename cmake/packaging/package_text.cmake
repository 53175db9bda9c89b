# SPDX-License-Identifier: GPL-3.0-or-later
# The texts the packages carry, each kept in one place: the description (description.txt) and
# the list of releases (releases.txt). From them this writes, into the build tree, the AppStream
# metainfo (its description and <releases>), the Debian changelog and copyright file; and it
# sets TAVIMOR_DESCRIPTION, the description in its lines of at most 79 columns, for the Debian
# package.

set(packaging_dir ${CMAKE_CURRENT_LIST_DIR})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${packaging_dir}/description.txt ${packaging_dir}/releases.txt
             ${PROJECT_SOURCE_DIR}/resources/desktop/org.tavimor.Tavimor.metainfo.xml.in)

file(READ ${packaging_dir}/description.txt description)
string(STRIP "${description}" description)
set(TAVIMOR_DESCRIPTION "${description}")
string(REPLACE "\n" "\n      " TAVIMOR_DESCRIPTION_XML "${description}")

# The weekday of a date, for the changelog's RFC 2822 dates (Zeller's congruence).
function(tavimor_weekday year month day out)
    if(month LESS 3)
        math(EXPR month "${month} + 12")
        math(EXPR year "${year} - 1")
    endif()
    math(EXPR k "${year} % 100")
    math(EXPR j "${year} / 100")
    math(EXPR h "(${day} + (13 * (${month} + 1)) / 5 + ${k} + ${k} / 4 + ${j} / 4 + 5 * ${j}) % 7")
    set(days Sat Sun Mon Tue Wed Thu Fri)
    list(GET days ${h} name)
    set(${out} ${name} PARENT_SCOPE)
endfunction()

set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(releases_xml "")
set(changelog "")
set(version "")
file(STRINGS ${packaging_dir}/releases.txt lines ENCODING UTF-8)
list(APPEND lines "")  # the end of the last release
foreach(line IN LISTS lines)
    if(line MATCHES "^#")
        continue()
    endif()
    if(line MATCHES "^  (.*)$" AND version)
        string(APPEND notes " ${CMAKE_MATCH_1}")
        continue()
    endif()
    if(version)
        string(STRIP "${notes}" notes)
        string(APPEND releases_xml
               "    <release version=\"${version}\" date=\"${date}\">\n"
               "      <description>\n        <p>${notes}</p>\n      </description>\n"
               "    </release>\n")
        # The notes as one changelog item, wrapped below 80 columns.
        set(item "  *")
        set(width 3)
        string(REPLACE " " ";" words "${notes}")
        foreach(word IN LISTS words)
            string(LENGTH "${word}" length)
            math(EXPR after "${width} + 1 + ${length}")
            if(after GREATER 78)
                string(APPEND item "\n   ")
                set(width 3)
                math(EXPR after "${width} + 1 + ${length}")
            endif()
            string(APPEND item " ${word}")
            set(width ${after})
        endforeach()
        string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" ymd "${date}")
        math(EXPR y "${CMAKE_MATCH_1}")
        math(EXPR m "${CMAKE_MATCH_2}")
        math(EXPR d "${CMAKE_MATCH_3}")
        tavimor_weekday(${y} ${m} ${d} weekday)
        math(EXPR month_index "${m} - 1")
        list(GET months ${month_index} month_name)
        string(APPEND changelog
               "tavimor (${version}) unstable; urgency=medium\n\n${item}\n\n"
               " -- ${CPACK_PACKAGE_CONTACT}  ${weekday}, ${CMAKE_MATCH_3} ${month_name} ${y}"
               " 00:00:00 +0000\n\n")
        set(version "")
    endif()
    if(line MATCHES "^([0-9][^ ]*) ([0-9]+-[0-9]+-[0-9]+)$")
        set(version ${CMAKE_MATCH_1})
        set(date ${CMAKE_MATCH_2})
        set(notes "")
    elseif(NOT line STREQUAL "")
        message(FATAL_ERROR "releases.txt: cannot read the line \"${line}\"")
    endif()
endforeach()
string(STRIP "${releases_xml}" TAVIMOR_RELEASES_XML)
string(STRIP "${changelog}" changelog)

set(TAVIMOR_METAINFO ${PROJECT_BINARY_DIR}/packaging/org.tavimor.Tavimor.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/resources/desktop/org.tavimor.Tavimor.metainfo.xml.in
               ${TAVIMOR_METAINFO} @ONLY)
set(TAVIMOR_CHANGELOG ${PROJECT_BINARY_DIR}/packaging/changelog)
file(WRITE ${TAVIMOR_CHANGELOG} "${changelog}\n")

# The Debian copyright file, in Debian's machine-readable format: the program under
# GPL-3.0-or-later, the embedded font under the SIL Open Font Licence, whose text is taken from
# the font's own licence file.
file(STRINGS ${PROJECT_SOURCE_DIR}/resources/fonts/OFL.txt ofl_lines ENCODING UTF-8)
list(GET ofl_lines 1 font_copyright)
string(REGEX REPLACE "^Copyright " "" font_copyright "${font_copyright}")
list(SUBLIST ofl_lines 3 -1 ofl_lines)
set(ofl_text "")
foreach(line IN LISTS ofl_lines)
    if(line STREQUAL "")
        string(APPEND ofl_text " .\n")
    else()
        string(APPEND ofl_text " ${line}\n")
    endif()
endforeach()
set(TAVIMOR_COPYRIGHT ${PROJECT_BINARY_DIR}/packaging/copyright)
file(WRITE ${TAVIMOR_COPYRIGHT}
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Tavimor
Upstream-Contact: ${CPACK_PACKAGE_CONTACT}

Files: *
Copyright: 2026 Tavimor developers
License: GPL-3.0+

Files: resources/fonts/*
Copyright: ${font_copyright}
Comment: Tavimor Sans JP, embedded in the program, is cut from Noto Sans CJK JP.
License: OFL-1.1

License: GPL-3.0+
 This program is free software: you can redistribute it and/or modify it under
 the terms of the GNU General Public License as published by the Free Software
 Foundation, either version 3 of the License, or (at your option) any later
 version.
 .
 This program is distributed in the hope that it will be useful, but WITHOUT ANY
 WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A
 PARTICULAR PURPOSE. See the GNU General Public License for more details.
 .
 On Debian systems, the complete text of the GNU General Public License version 3
 can be found in /usr/share/common-licenses/GPL-3.

License: OFL-1.1
${ofl_text}")
