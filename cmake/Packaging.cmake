# The Debian package: `cpack -G DEB` in the build folder makes zenkara_<version>_amd64.deb.
#
# A system-wide install cannot keep the player's files beside the executable, so the package
# follows Debian's layout for games: the executable in /usr/games, ReadMe.txt in
# /usr/share/games/zenkara, where the desktop entry starts the game so that Help finds it, and
# the game keeps settings and scores in the player's data folder. These files form the install
# component "deb", which a plain `cmake --install` leaves out: one build gives both the
# per-user install of app/CMakeLists.txt and the package.
set(ZENKARA_DEB_COMPONENT deb)
set(ZENKARA_DEB_PREFIX /usr)
set(ZENKARA_DEB_GAMES_DIR games)
set(ZENKARA_DEB_DATA_DIR share/games/zenkara)
set(ZENKARA_DEB_DOC_DIR share/doc/zenkara)
set(ZENKARA_METAINFO ${PROJECT_SOURCE_DIR}/app/example.zenkara.Zenkara.metainfo.xml)
set(ZENKARA_CHANGELOG ${PROJECT_SOURCE_DIR}/app/changelog)
set(ZENKARA_MANUAL_PAGE ${PROJECT_SOURCE_DIR}/app/zenkara.6)

set(ZENKARA_EXE ${ZENKARA_DEB_PREFIX}/${ZENKARA_DEB_GAMES_DIR}/zenkara)
set(ZENKARA_DIR ${ZENKARA_DEB_PREFIX}/${ZENKARA_DEB_DATA_DIR})
configure_file(${PROJECT_SOURCE_DIR}/app/zenkara.desktop.in ${CMAKE_BINARY_DIR}/deb/zenkara.desktop @ONLY)

install(TARGETS zenkara RUNTIME DESTINATION ${ZENKARA_DEB_GAMES_DIR}
        COMPONENT ${ZENKARA_DEB_COMPONENT} EXCLUDE_FROM_ALL)
# Stripped as Debian strips its packages: besides the symbols, the compiler's notes, which the
# program never reads.
install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ZENKARA_DEB_GAMES_DIR}/zenkara\"
                COMMAND_ERROR_IS_FATAL ANY)"
        COMPONENT ${ZENKARA_DEB_COMPONENT} EXCLUDE_FROM_ALL)
install(FILES ${ZENKARA_INSTRUCTIONS} DESTINATION ${ZENKARA_DEB_DATA_DIR}
        COMPONENT ${ZENKARA_DEB_COMPONENT} EXCLUDE_FROM_ALL)
install(FILES ${CMAKE_BINARY_DIR}/deb/zenkara.desktop DESTINATION share/applications
        COMPONENT ${ZENKARA_DEB_COMPONENT} EXCLUDE_FROM_ALL)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons/hicolor DESTINATION share/icons
        COMPONENT ${ZENKARA_DEB_COMPONENT} EXCLUDE_FROM_ALL)
install(FILES ${ZENKARA_METAINFO} DESTINATION share/metainfo
        COMPONENT ${ZENKARA_DEB_COMPONENT} EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/app/copyright DESTINATION ${ZENKARA_DEB_DOC_DIR}
        COMPONENT ${ZENKARA_DEB_COMPONENT} EXCLUDE_FROM_ALL)
# From Debian 13 on, lintian runs AppStream 1.0's validator, which fails a file without a home
# page; the override says why that stays. Debian 12's lintian has no such check and rejects an
# override of a tag it does not know. A package is made for the release it is built on (its
# library versions come from there), so the release it is built on decides.
cmake_host_system_information(RESULT host_distro QUERY DISTRIB_ID)
cmake_host_system_information(RESULT host_release QUERY DISTRIB_VERSION_ID)
if(host_distro STREQUAL "debian" AND host_release VERSION_GREATER_EQUAL 13)
  install(FILES ${PROJECT_SOURCE_DIR}/app/zenkara.lintian-overrides DESTINATION share/lintian/overrides
          RENAME zenkara COMPONENT ${ZENKARA_DEB_COMPONENT} EXCLUDE_FROM_ALL)
endif()

# Debian keeps changelogs and manual pages compressed, without a time stamp, so that the same
# sources give the same package. Compressed when configuring, and again when either changes.
function(zenkara_install_gzipped source destination)
  get_filename_component(name ${source} NAME)
  set(gzipped ${CMAKE_BINARY_DIR}/deb/${destination}/${name}.gz)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/deb/${destination})
  execute_process(COMMAND gzip -9 --no-name --stdout ${source} OUTPUT_FILE ${gzipped} COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  install(FILES ${gzipped} DESTINATION ${destination} COMPONENT ${ZENKARA_DEB_COMPONENT} EXCLUDE_FROM_ALL)
endfunction()
zenkara_install_gzipped(${ZENKARA_CHANGELOG} ${ZENKARA_DEB_DOC_DIR})
zenkara_install_gzipped(${ZENKARA_MANUAL_PAGE} share/man/man6)
# The translated manual pages, app/man/<language>/zenkara.6, each in its language's folder.
file(GLOB translated_manual_pages CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/app/man/*/zenkara.6)
foreach(page ${translated_manual_pages})
  get_filename_component(language_dir ${page} DIRECTORY)
  get_filename_component(language ${language_dir} NAME)
  zenkara_install_gzipped(${page} share/man/${language}/man6)
endforeach()

# The package's version comes from the project; its changelog must open with that version.
file(STRINGS ${ZENKARA_CHANGELOG} changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^zenkara \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "app/changelog opens with '${changelog_head}', not version ${PROJECT_VERSION}")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zenkara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pair-linking tile game")
set(CPACK_PACKAGE_DESCRIPTION [[
Zenkara之星 (Zenkara Star): click two identical picture tiles; when they can
be joined by a path of at most three straight lines through empty cells,
both vanish. Nine levels slide the remaining tiles in different ways, a
countdown bar limits each level, and the ten best scores of each of the
four difficulties are kept.]])
set(CPACK_PACKAGING_INSTALL_PREFIX ${ZENKARA_DEB_PREFIX})
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};${ZENKARA_DEB_COMPONENT};/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Zenkara maintainers <maintainers@users.noreply.c-seed-9e2e6bdf.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the packager; the font of the Chinese texts, Qt's translations of its
# own texts (the standard buttons), the opener of ReadMe.txt and the audio libraries the game
# loads once its window shows (SDL 2 and alsa-lib, whose error handler it sets) are not linked,
# so they are named here. The Wayland plugin is only recommended: an X11-only machine runs the
# game without it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, qt6-translations-l10n, libsdl2-2.0-0, libasound2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")
include(CPack)
