# Installation and the Debian package. `cmake --install` lays the game out as a desktop
# application under the prefix; `cpack` wraps the same layout into a .deb (see the README).

include(GNUInstallDirs)

set(HARVESTA_APP_ID example.littleorchard.Harvesta)
# Debian keeps games in /usr/games and /usr/local/games; both are on its default PATH.
set(HARVESTA_INSTALL_GAMESDIR games CACHE STRING "Where the executable goes, under the prefix")
set(harvesta_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(harvesta_generated ${PROJECT_BINARY_DIR}/packaging)

install(TARGETS harvesta RUNTIME DESTINATION ${HARVESTA_INSTALL_GAMESDIR})

# The launcher names the executable by its full path, so it works whether or not the games
# folder of that prefix is on PATH. The prefix is only final at install time (--prefix,
# CPack's /usr), so the entry is written then.
set(harvesta_desktop ${harvesta_generated}/${HARVESTA_APP_ID}.desktop)
install(CODE "
  set(HARVESTA_EXEC \"\${CMAKE_INSTALL_PREFIX}/${HARVESTA_INSTALL_GAMESDIR}/harvesta\")
  configure_file(\"${harvesta_packaging}/${HARVESTA_APP_ID}.desktop.in\" \"${harvesta_desktop}\" @ONLY)
")
install(FILES ${harvesta_desktop} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The icons are rendered by assets/art at each size, not scaled from one bitmap.
foreach(size IN ITEMS 16 32 48 64 128 256)
  install(FILES ${harvesta_packaging}/icons/harvesta-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${HARVESTA_APP_ID}.png)
endforeach()

configure_file(${harvesta_packaging}/${HARVESTA_APP_ID}.metainfo.xml.in
               ${harvesta_generated}/${HARVESTA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${harvesta_generated}/${HARVESTA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Man pages ship compressed on Debian; -n leaves the name and time out, so the file is the
# same on every build.
configure_file(${harvesta_packaging}/harvesta.6.in ${harvesta_generated}/harvesta.6 @ONLY)
find_program(HARVESTA_GZIP gzip)
if(HARVESTA_GZIP)
  execute_process(COMMAND ${HARVESTA_GZIP} -9 -n -c ${harvesta_generated}/harvesta.6
                  OUTPUT_FILE ${harvesta_generated}/harvesta.6.gz COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${harvesta_generated}/harvesta.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
else()
  install(FILES ${harvesta_generated}/harvesta.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endif()

install(FILES ${harvesta_packaging}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/harvesta)
# Debian wants the package's history beside its copyright, compressed like the man page. Its
# newest entry names the version being packaged (checked below, with the package's version).
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${harvesta_packaging}/changelog)
if(HARVESTA_GZIP)
  execute_process(COMMAND ${HARVESTA_GZIP} -9 -n -c ${harvesta_packaging}/changelog
                  OUTPUT_FILE ${harvesta_generated}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${harvesta_generated}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/harvesta)
else()
  install(FILES ${harvesta_packaging}/changelog DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/harvesta)
endif()

# The launcher and the metadata are checked by the validators software centres use, where
# they are installed (Debian's desktop-file-utils and appstream).
if(HARVESTA_BUILD_TESTS)
  find_program(HARVESTA_DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(HARVESTA_APPSTREAMCLI appstreamcli)
  if(HARVESTA_DESKTOP_FILE_VALIDATE)
    set(HARVESTA_EXEC ${CMAKE_INSTALL_PREFIX}/${HARVESTA_INSTALL_GAMESDIR}/harvesta)
    configure_file(${harvesta_packaging}/${HARVESTA_APP_ID}.desktop.in
                   ${harvesta_generated}/check/${HARVESTA_APP_ID}.desktop @ONLY)
    add_test(NAME Packaging.DesktopEntryIsValid
             COMMAND ${HARVESTA_DESKTOP_FILE_VALIDATE}
                     ${harvesta_generated}/check/${HARVESTA_APP_ID}.desktop)
    # Warnings and hints (a missing main category hides the game in a catch-all menu) leave
    # the validator's exit status at 0.
    set_tests_properties(Packaging.DesktopEntryIsValid PROPERTIES FAIL_REGULAR_EXPRESSION
                                                                  "error:|warning:|hint:")
  endif()
  if(HARVESTA_APPSTREAMCLI)
    add_test(NAME Packaging.MetainfoIsValid
             COMMAND ${HARVESTA_APPSTREAMCLI} validate --no-net
                     ${harvesta_generated}/${HARVESTA_APP_ID}.metainfo.xml)
  endif()
endif()

# ---- The Debian package -------------------------------------------------------------------

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME harvesta)
set(CPACK_PACKAGE_VENDOR "Little Orchard Studio")
set(CPACK_PACKAGE_CONTACT "Little Orchard Studio <games@littleorchard.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "falling fruit boxes game for young children")
# The lines of the long description stay within 80 columns once dpkg indents them.
set(CPACK_PACKAGE_DESCRIPTION
    "Pieces of three or four fruit boxes fall into a field nine boxes wide and
sixteen high; move and turn them so that they fill whole rows. Every full row
goes to the fruit factory, and each box in it adds one to the count of its
fruit. The best result is kept for each user.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# A native package: the studio is both the program's author and its packager, so the version
# carries no Debian revision and the history is the program's own changelog.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # harvesta_<version>_<arch>.deb
file(STRINGS ${harvesta_packaging}/changelog harvesta_changelog_top LIMIT_COUNT 1)
string(REPLACE "." "\\." harvesta_version_pattern "${PROJECT_VERSION}")
if(NOT harvesta_changelog_top MATCHES "^harvesta \\(${harvesta_version_pattern}\\) ")
  message(FATAL_ERROR "packaging/changelog: the newest entry is not for version "
                      "${PROJECT_VERSION}: ${harvesta_changelog_top}")
endif()
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.littleorchard.example/")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The Qt runtime and the rest are read off the executable's libraries by dpkg-shlibdeps
# (dpkg-dev); without it, the libraries the game links, named by hand.
find_program(HARVESTA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(HARVESTA_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), zlib1g, libc6, libstdc++6")
endif()
# Free faces with the metrics of those the layouts were drawn with; the game registers them
# at start-up where the real faces are missing (src/adapters/DesignedFonts.h).
if(CPACK_DEBIAN_PACKAGE_DEPENDS)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ")
endif()
string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, fonts-arkpandora")
# SDL, for sound and game controllers, is loaded at run time rather than linked
# (src/adapters/SdlLibrary.h), so the library scan cannot see it.
string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libsdl2-2.0-0")
# Qt's Wayland plugin: without it the game runs through XWayland on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
