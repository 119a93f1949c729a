# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by CPack in a build tree of its own: the
# `package` preset configures build-package/ with VANTREL_DEBIAN_PACKAGE on
# (and the program in games/), and `cmake --build --preset package` writes
# build-package/vantrel_<version>_<arch>.deb. Other trees have no `package`
# target, so that no package is made without what follows.
#
# Included before the program's folders, since the compiler and linker flags
# set here must reach every target.
option(VANTREL_DEBIAN_PACKAGE
    "Build this tree for the Debian package: Debian's flags and stripping, its changelog, a package target"
    OFF)
if(NOT VANTREL_DEBIAN_PACKAGE)
    return()
endif()

# Compiled and linked with the flags Debian builds its packages with, every
# hardening feature on (among them bindnow, PIE and _FORTIFY_SOURCE from the
# preprocessor flags), as dpkg-buildflags gives them for this source tree.
find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
foreach(flags IN ITEMS CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env
                "DEB_BUILD_MAINT_OPTIONS=hardening=+all $ENV{DEB_BUILD_MAINT_OPTIONS}"
                ${DPKG_BUILDFLAGS} --get ${flags}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE debian_${flags}
        OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
string(APPEND CMAKE_CXX_FLAGS " ${debian_CPPFLAGS} ${debian_CXXFLAGS}")
string(APPEND CMAKE_EXE_LINKER_FLAGS " ${debian_LDFLAGS}")

# Stripped as dh_strip strips, .comment and .note sections included.
set(CMAKE_STRIP ${CMAKE_CURRENT_LIST_DIR}/debian-strip)
set(CPACK_STRIP_FILES ON)

set(VANTREL_MAINTAINER "The Vantrel developers <maintainers@vantrel.invalid>" CACHE STRING
    "Maintainer field of the Debian package and its changelog")

# The changelog of a native package, made from NEWS, compressed as Debian
# wants it (gzip -9n: the same bytes on every build).
find_program(GZIP gzip REQUIRED)
set(changelog ${PROJECT_BINARY_DIR}/debian/changelog)
add_custom_command(OUTPUT ${changelog}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/debian
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/news-to-changelog ${PROJECT_SOURCE_DIR}/NEWS
            vantrel ${PROJECT_VERSION} ${VANTREL_MAINTAINER} ${changelog}
    COMMAND ${GZIP} -9nf ${changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/NEWS ${CMAKE_CURRENT_LIST_DIR}/news-to-changelog
    VERBATIM)
add_custom_target(changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${changelog}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VENDOR "The Vantrel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "board game for two players: line up four discs")
set(CPACK_PACKAGE_DESCRIPTION [[
Two people sharing one computer take turns dropping discs into a board of
seven columns and six rows. The first to line up four discs across, up and
down or diagonally wins; a full board with no such line is a tie. One
player can also play against the computer, at three levels, the hardest of
which plays perfectly.

Each player types a name and the program picks who starts. The game is
played with the mouse or the keyboard, moves can be taken back and hints
asked for, and it can be played with a screen reader. Besides English, it
speaks German, French, Spanish, Italian, Dutch, Polish, Brazilian
Portuguese, Russian, Japanese and Simplified Chinese.]])

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VANTREL_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries come from dpkg-shlibdeps. Qt loads its display plug-ins
# at run time, out of the libraries' sight, and the layout's fonts are files,
# so those two packages are named here. Wayland sessions run the game
# natively with Qt's Wayland plug-in, and through XWayland without it. The
# game's own texts are built in; Qt's, such as the prompt's buttons, come in
# the user's language from Qt's translations.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

include(CPack)
