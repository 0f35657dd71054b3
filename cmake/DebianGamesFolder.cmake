# Run by cpack on the staged tree before it is packed: the program moves from /usr/bin to /usr/games. The
# run-time folders are found from either, both being one level below /usr.
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(RENAME ${usr}/bin ${usr}/games)
