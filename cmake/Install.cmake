# `cmake --install` lays the program in <prefix>/bin and its run-time folders in <prefix>/share/games/velmora,
# where the program looks for them, and puts what desktops, software centres, man and Debian's tools look for
# where they look: the desktop entry, the icons, the AppStream metadata, the manual page, the copyright file and
# the changelog. Tests and the game tools stay in the build.
include(GNUInstallDirs)
# One reverse-DNS id names the desktop entry, the metainfo file and the icons alike.
set(VELMORA_APP_ID org.example.velmora)
set(VELMORA_HOMEPAGE https://velmora.example.org)
set(VELMORA_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/games/velmora)
set(VELMORA_DOC_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/doc/velmora)
set(VELMORA_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)

# The installed program finds its run-time folders by this path from its own folder.
file(RELATIVE_PATH VELMORA_DATA_FROM_PROGRAM /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${VELMORA_DATA_INSTALL_DIR})
target_compile_definitions(velmora_app PRIVATE VELMORA_DATA_FROM_PROGRAM="${VELMORA_DATA_FROM_PROGRAM}")

# The icon is drawn by our own generator at build time, in the layout of an icon theme.
if(NOT CMAKE_CROSSCOMPILING)
    add_executable(velmora_icon_generator ${PROJECT_SOURCE_DIR}/tools/asset_generator/icon_main.cpp
        ${PROJECT_SOURCE_DIR}/tools/asset_generator/icon_assets.cpp)
    target_link_libraries(velmora_icon_generator PRIVATE velmora_asset_generator_core)
    set_target_properties(velmora_icon_generator PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
endif()
# The sizes desktops look for; each is drawn on its own pixel grid.
set(VELMORA_ICON_SIZES 16 32 48 64 128 256)
set(VELMORA_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(VELMORA_ICONS ${VELMORA_ICON_SIZES})
list(TRANSFORM VELMORA_ICONS REPLACE "(.+)" "${VELMORA_ICON_DIR}/\\1x\\1/apps/${VELMORA_APP_ID}.png")
add_custom_command(
    OUTPUT ${VELMORA_ICONS}
    COMMAND velmora_icon_generator ${VELMORA_ICON_DIR} ${VELMORA_APP_ID} ${VELMORA_ICON_SIZES}
    DEPENDS velmora_icon_generator
    COMMENT "Drawing the desktop icon")
add_custom_target(velmora_icons ALL DEPENDS ${VELMORA_ICONS})

# The window shows the same icon, in the sizes of title bars, docks and task switchers; the game loads them beside
# its textures, so they travel and install with that folder.
set(VELMORA_WINDOW_ICON_SIZES 16 32 48 64)
set(VELMORA_WINDOW_ICONS)
foreach(size ${VELMORA_WINDOW_ICON_SIZES})
    set(icon ${VELMORA_OUTPUT_DIR}/Textures/Icon${size}.png)
    add_custom_command(
        OUTPUT ${icon}
        COMMAND ${CMAKE_COMMAND} -E copy ${VELMORA_ICON_DIR}/${size}x${size}/apps/${VELMORA_APP_ID}.png ${icon}
        DEPENDS ${VELMORA_ICON_DIR}/${size}x${size}/apps/${VELMORA_APP_ID}.png)
    list(APPEND VELMORA_WINDOW_ICONS ${icon})
endforeach()
add_custom_target(velmora_window_icons ALL DEPENDS ${VELMORA_WINDOW_ICONS})
add_dependencies(velmora velmora_window_icons)
string(REPLACE ";" "," window_icon_sizes "${VELMORA_WINDOW_ICON_SIZES}")
target_compile_definitions(velmora_app PRIVATE VELMORA_WINDOW_ICON_SIZES=${window_icon_sizes})

# The holder of the copyright, as LICENSE names it.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" copyright_line "${license}")
set(VELMORA_COPYRIGHT ${CMAKE_MATCH_1})

# Windows takes the icon into the program itself (cmake/WindowsResources.cmake); what follows is for Linux desktops and
# Debian's package.
if(WIN32)
    include(cmake/WindowsResources.cmake)
    return()
endif()

# Debian's copyright file in its machine-readable form, its licence paragraph taken from LICENSE.
string(FIND "${license}" "Permission" terms_start)
string(SUBSTRING "${license}" ${terms_start} -1 license_terms)
string(STRIP "${license_terms}" license_terms)
string(REPLACE "\n\n" "\n.\n" license_terms "${license_terms}")
string(REPLACE "\n" "\n " VELMORA_LICENSE_TERMS "${license_terms}")
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${VELMORA_PACKAGING_DIR}/copyright @ONLY)

configure_file(${PROJECT_SOURCE_DIR}/packaging/${VELMORA_APP_ID}.metainfo.xml.in
    ${VELMORA_PACKAGING_DIR}/${VELMORA_APP_ID}.metainfo.xml @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/velmora.6.in ${VELMORA_PACKAGING_DIR}/velmora.6.template @ONLY)
add_custom_command(
    OUTPUT ${VELMORA_PACKAGING_DIR}/velmora.6
    COMMAND velmora_manual_page ${VELMORA_PACKAGING_DIR}/velmora.6.template ${VELMORA_PACKAGING_DIR}/velmora.6
    DEPENDS velmora_manual_page ${VELMORA_PACKAGING_DIR}/velmora.6.template
    COMMENT "Writing the manual page with the table of controls")
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog ${VELMORA_PACKAGING_DIR}/changelog COPYONLY)
# Debian wants manual pages and changelogs compressed to the maximum and without a time stamp, so that a rebuild
# gives the same bytes.
set(VELMORA_COMPRESSED_DOCUMENTS)
foreach(document velmora.6 changelog)
    set(compressed ${VELMORA_PACKAGING_DIR}/${document}.gz)
    add_custom_command(
        OUTPUT ${compressed}
        COMMAND gzip -9 -n -k -f ${VELMORA_PACKAGING_DIR}/${document}
        DEPENDS ${VELMORA_PACKAGING_DIR}/${document}
        COMMENT "Compressing ${document}"
        VERBATIM)
    list(APPEND VELMORA_COMPRESSED_DOCUMENTS ${compressed})
endforeach()
add_custom_target(velmora_documents ALL DEPENDS ${VELMORA_COMPRESSED_DOCUMENTS})

install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Whole folders, so that data written into the output folder at build time travels with them.
foreach(folder Config Shaders Textures SceneObjects Sounds)
    install(DIRECTORY ${VELMORA_OUTPUT_DIR}/${folder} DESTINATION ${VELMORA_DATA_INSTALL_DIR})
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${VELMORA_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# Icon by icon: a folder would also carry icons of an earlier name left in the build.
foreach(size ${VELMORA_ICON_SIZES})
    install(FILES ${VELMORA_ICON_DIR}/${size}x${size}/apps/${VELMORA_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${VELMORA_PACKAGING_DIR}/${VELMORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VELMORA_PACKAGING_DIR}/velmora.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${VELMORA_PACKAGING_DIR}/copyright ${VELMORA_PACKAGING_DIR}/changelog.gz
    DESTINATION ${VELMORA_DOC_INSTALL_DIR})
