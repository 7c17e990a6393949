# SPDX-License-Identifier: GPL-3.0-or-later
# Install rules and the Debian package (cpack -G DEB, or ./build.sh package).
include(GNUInstallDirs)

set(CORVALO_HOMEPAGE "https://corvalo.org" CACHE STRING "Project home page, for the metainfo")
set(CORVALO_MAINTAINER_EMAIL "packages@corvalo.org")
set(CORVALO_DEB_RELEASE 1)
set(CORVALO_DEB_VERSION "${PROJECT_VERSION}-${CORVALO_DEB_RELEASE}")
set(CORVALO_APP_ID org.corvalo.Corvalo)

set(pkg_src ${PROJECT_SOURCE_DIR}/packaging)
set(pkg_out ${PROJECT_BINARY_DIR}/packaging)
configure_file(${pkg_src}/${CORVALO_APP_ID}.metainfo.xml.in
               ${pkg_out}/${CORVALO_APP_ID}.metainfo.xml @ONLY)
configure_file(${pkg_src}/corvalo.1 ${pkg_out}/corvalo.1 @ONLY)
configure_file(${pkg_src}/corvalo-cli.1 ${pkg_out}/corvalo-cli.1 @ONLY)
configure_file(${pkg_src}/de/corvalo.1 ${pkg_out}/de/corvalo.1 @ONLY)
configure_file(${pkg_src}/copyright ${pkg_out}/copyright @ONLY)
configure_file(${pkg_src}/changelog.Debian ${pkg_out}/changelog.Debian @ONLY)

# Debian wants manual pages and changelogs compressed, reproducibly (-n: no name or time).
find_program(GZIP_EXECUTABLE gzip REQUIRED)
foreach(file corvalo.1 corvalo-cli.1 de/corvalo.1 changelog.Debian)
    add_custom_command(OUTPUT ${pkg_out}/${file}.gz
        COMMAND ${GZIP_EXECUTABLE} -9nf -k ${pkg_out}/${file}
        DEPENDS ${pkg_out}/${file}
        VERBATIM)
endforeach()
add_custom_target(corvalo_package_files ALL
    DEPENDS ${pkg_out}/corvalo.1.gz ${pkg_out}/corvalo-cli.1.gz ${pkg_out}/de/corvalo.1.gz
            ${pkg_out}/changelog.Debian.gz)

install(TARGETS corvalo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET corvalo-cli)
    install(TARGETS corvalo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${pkg_src}/corvalo-cli.bash-completion
            DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME corvalo-cli)
endif()
install(FILES ${pkg_src}/${CORVALO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pkg_out}/${CORVALO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/res/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${pkg_out}/corvalo.1.gz ${pkg_out}/corvalo-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${pkg_out}/de/corvalo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)
install(FILES ${pkg_out}/copyright ${pkg_out}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corvalo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvalo)
set(CPACK_PACKAGE_VENDOR "The Corvalo developers")
set(CPACK_PACKAGE_CONTACT "The Corvalo developers <${CORVALO_MAINTAINER_EMAIL}>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "food diary with nutrient totals, weight and notes")
# Debian wants the lines of the long description under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Corvalo is a small desktop food diary. Pick a day, search the food database
that comes with the program, log portions in the food's own units and see the
day's totals of ten nutrients. Each day also keeps a body weight and a diary
note, and a chart page shows weight and daily calories. Data is kept in the
per-user data folder. The command corvalo-cli searches foods, shows and logs
days and exports them as CSV files from the shell.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CORVALO_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${CORVALO_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the skin asks for by name (Arial, Comic Sans MS) are matched to these; without them
# the layout crowds. The libraries' packages are added to these.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-comic-neue")
# Qt's own German texts (standard context menus); the program's own are built in.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
