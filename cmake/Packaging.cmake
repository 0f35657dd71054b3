# `cpack -G DEB` builds a Debian package of what `cmake --install` lays, under /usr, with the program in
# /usr/games.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Velmora developers <velmora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small cel-shaded 3D action game on a tiny planet")
# Debian shows the description as it stands: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "A little one-eyed character walks on a tiny grass planet while asteroids
rain down from the sky. Eight houses and four lanterns stand in the way, the
lanterns glow at night, and the sun circles the planet, so day and night sweep
across the world. Speed, life and shield power-ups help through the shower.
The picture is cel-shaded, with soft shadows, dark outlines and a glow.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Debian puts games in /usr/games (policy 11.11), where an installation into a prefix has bin.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianGamesFolder.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELMORA_HOMEPAGE})
# gzip packs the package several times faster than xz, for a slightly larger file.
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
# The package depends on the packages of the libraries the program loads, as dpkg-shlibdeps finds them, so the
# list follows the build (a sanitizer build's program also loads the sanitizers' run-time libraries).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
