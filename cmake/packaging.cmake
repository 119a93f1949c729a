# `cmake --build --preset default --target package` builds the Debian package
# build/vantrel_<version>_<arch>.deb from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VENDOR "The Vantrel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
Each player types a name, the program picks who starts, and the players
take turns clicking one of the seven columns of a yellow board: a disc in
the mover's colour drops into the lowest free hole. The first to line up
four discs across, up and down or diagonally wins; a full board with no
such line is a tie.]])
set(CPACK_STRIP_FILES ON)

set(VANTREL_MAINTAINER "The Vantrel developers <maintainers@vantrel.invalid>" CACHE STRING
    "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VANTREL_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries come from dpkg-shlibdeps. Qt loads its display plug-ins
# at run time, out of the libraries' sight, and the layout's fonts are files,
# so those two packages are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")

include(CPack)
