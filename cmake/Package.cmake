# The Debian package, built by CPack (scripts/package.sh). Its dependencies
# are the shared libraries the program links, found by dpkg-shlibdeps, and
# what it loads without linking: the metric-compatible fonts the text widths
# depend on, DejaVu for the glyphs of the output area, Qt's German
# translations, Qt's platform plugins and Qt's SVG plugin for the icon.
set(SPATIUM_MAINTAINER "The Spatium authors <spatium@example.org>"
    CACHE STRING "Maintainer field of the Debian package")

# Installing and packaging take what is built and never build themselves:
# scripts/package.sh builds first, and the package test packs the tested build.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME spatium)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Spatium authors")
set(CPACK_PACKAGE_CONTACT ${SPATIUM_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "analytic geometry of three-dimensional space for the classroom")
set(CPACK_PACKAGE_DESCRIPTION
  "Spatium draws points, vectors, lines, a family of lines, planes and simple
bodies in an oblique projection of three-dimensional space, and calculates
incidences, intersection angles, distances, areas, volumes and coplanarity
with German result texts. Teachers prepare worksheets with it, pupils check
their results. The program speaks German.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
# The debug information of the program goes into a package of its own,
# spatium-dbgsym (found by the program's build id). CPack splits it off only
# from a program it has not stripped itself, and strips it then.
set(CPACK_STRIP_FILES OFF)
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/FixDebugPackage.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-liberation2, fonts-dejavu-core, qt6-translations-l10n, qt6-qpa-plugins, libqt6svg6")

include(CPack)
