# The Debian package, built by `cpack -G DEB` (see scripts/package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tierce)
set(CPACK_PACKAGE_VENDOR "The Tiercé à deux developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "horse race betting game for two players")
set(CPACK_PACKAGE_DESCRIPTION
    "Tiercé à deux is a small desktop game for two players who bet on a horse race.\n"
    "Each player picks three of the nine horses for the first three places, the\n"
    "starter fires, and the horses gallop across the track by random steps. Each bet\n"
    "is scored against the first three finishers, and the totals add up from race to\n"
    "race. The game is in French and played with the mouse.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_CONTACT "The Tiercé à deux developers <tiercea2@users.noreply.github.com>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Installs under DESTDIR with the real prefix, so that install-time code sees /usr.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TIERCE_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugin at run time, and the fonts are looked up by name: neither is a
# linked library that dpkg-shlibdeps could find.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_TIERCE_DEBIAN_CHANGELOG ${CMAKE_CURRENT_SOURCE_DIR}/changelog.Debian)
set(CPACK_TIERCE_PROGRAM ${TIERCE_INSTALL_BINDIR}/tierce)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/DebianStaging.cmake)

include(CPack)
