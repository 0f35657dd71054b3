# `cpack -G DEB` builds a Debian package of what `cmake --install` lays, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION 0.1.0)
set(CPACK_PACKAGE_CONTACT "Velmora developers <velmora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Small cel-shaded 3D action game on a tiny planet")
set(CPACK_PACKAGE_DESCRIPTION
    "A little one-eyed character walks on a tiny grass planet while asteroids rain down from the sky.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
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
