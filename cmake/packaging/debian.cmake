# SPDX-License-Identifier: GPL-3.0-or-later
# Installation as a desktop program, and a Debian package of it.
include(GNUInstallDirs)
install(TARGETS tavimor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/desktop/org.tavimor.Tavimor.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TAVIMOR_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
    install(FILES resources/icons/hicolor/${size}x${size}/apps/org.tavimor.Tavimor.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
# The manual page and the changelog, compressed as Debian has them, and the copyright file, which
# holds both licences.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/tavimor.1)
foreach(text docs/tavimor.1 ${TAVIMOR_CHANGELOG})
    get_filename_component(name ${text} NAME)
    execute_process(COMMAND gzip -9n -c ${text} WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_FILE ${PROJECT_BINARY_DIR}/packaging/${name}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${PROJECT_BINARY_DIR}/packaging/tavimor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz ${TAVIMOR_COPYRIGHT}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavimor)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavimor)
set(CPACK_PACKAGE_VENDOR "Tavimor developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Desktop drill for learning the amino acids (Japanese interface)")
set(CPACK_PACKAGE_DESCRIPTION "${TAVIMOR_DESCRIPTION}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
