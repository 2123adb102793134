# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by `cpack` in the build folder from the install rules above. Its
# run-time dependencies are computed from the executable by dpkg-shlibdeps; only what the
# executable loads by name at run time is added by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zintra-win)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${ZINTRA_DEVELOPER}")
set(CPACK_PACKAGE_CONTACT "${ZINTRA_DEVELOPER} <zintra-win@example.org>"
    CACHE STRING "The package's maintainer")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "card-collecting game for 2 to 5 players at one screen")
# The extended description, as dpkg shows it: lines of at most 80 columns, one paragraph.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Zintra_win is a hot-seat card game: 2 to 5 players take turns at the same"
    "screen and share one mouse. Cards are drawn one at a time from a deck of 76"
    "and laid out in rows, one for each player. On your turn you either place the"
    "top card of the deck on a row that is not full, or take a whole row into your"
    "collection and sit out the rest of the round. At the end, the three colours of"
    "which you hold the most cards score for you and the other four against you;"
    "wild cards count as any colour, and every +2 card adds two points.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories in the package are 0755 whatever the umask of the machine that builds it.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZINTRA_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its X11 platform plugin at run time, so shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The board is drawn in the desktop's general font; any font will do, DejaVu is the usual one.
# On a Wayland desktop Qt shows the program natively with its Wayland platform plugin, and
# through the desktop's X server without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-wayland")

# The first packaging of this version; a Debian revision also tells lintian that the package is
# not Debian's own, so that its changelog is changelog.Debian.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)

# The documents Debian asks of every package: the machine-readable copyright and the changelog,
# whose entry is this version's release. dist/DebianLayout.cmake adds them to the staged install.
set(ZINTRA_PACKAGE_VERSION ${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
string(SUBSTRING ${ZINTRA_RELEASE_DATE} 0 4 ZINTRA_RELEASE_YEAR)
execute_process(
    COMMAND date --utc --rfc-email --date "${ZINTRA_RELEASE_DATE} 12:00 UTC"
    OUTPUT_VARIABLE ZINTRA_RELEASE_TIME OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
configure_file(copyright.in copyright @ONLY)
configure_file(changelog.Debian.in changelog.Debian @ONLY)
add_custom_command(
    OUTPUT changelog.Debian.gz
    COMMAND gzip -9 -n -c changelog.Debian > changelog.Debian.gz
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian
    VERBATIM)
add_custom_target(zintra_package_changelog ALL DEPENDS changelog.Debian.gz)
set(CPACK_ZINTRA_DEBIAN_DOCS
    ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)
set(CPACK_ZINTRA_LINTIAN_OVERRIDES ${CMAKE_CURRENT_SOURCE_DIR}/lintian-overrides)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/DebianLayout.cmake)

include(CPack)
