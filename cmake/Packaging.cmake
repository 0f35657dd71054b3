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
# The packages of the libraries the game loads, found with objdump -p and dpkg -S; GL comes through the vendor
# neutral libOpenGL and libGLX. The sound layer plays through OpenAL and reads its files with libsndfile.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libglfw3 (>= 3.3), libglew2.2, libassimp5, libdevil1c2, libopenal1, libsndfile1, libopengl0, libglx0, \
libstdc++6, libgcc-s1, libc6")
# A sanitizer build's game also loads the sanitizers' run-time libraries.
if(VELMORA_SANITIZE)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libasan8, libubsan1")
endif()

include(CPack)
