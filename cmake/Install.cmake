# `cmake --install` lays the game under <prefix>/lib/velmora beside its run-time folders, as it runs from the
# build, and puts <prefix>/bin/velmora on the PATH, a desktop entry and an icon where desktops look for them.
# Tests and the game tools stay in the build.
set(VELMORA_INSTALL_DIR lib/velmora)

# The icon is drawn by our own generator at build time, in the layout of an icon theme.
add_executable(velmora_icon_generator ${PROJECT_SOURCE_DIR}/tools/asset_generator/icon_main.cpp
    ${PROJECT_SOURCE_DIR}/tools/asset_generator/icon_assets.cpp)
target_link_libraries(velmora_icon_generator PRIVATE velmora_asset_generator_core)
set_target_properties(velmora_icon_generator PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
# The sizes desktops look for; each is drawn on its own pixel grid.
set(VELMORA_ICON_SIZES 16 32 48 64 128 256)
set(VELMORA_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(VELMORA_ICONS ${VELMORA_ICON_SIZES})
list(TRANSFORM VELMORA_ICONS REPLACE "(.+)" "${VELMORA_ICON_DIR}/\\1x\\1/apps/velmora.png")
add_custom_command(
    OUTPUT ${VELMORA_ICONS}
    COMMAND velmora_icon_generator ${VELMORA_ICON_DIR} ${VELMORA_ICON_SIZES}
    DEPENDS velmora_icon_generator
    COMMENT "Drawing the desktop icon")
add_custom_target(velmora_icons ALL DEPENDS ${VELMORA_ICONS})

install(TARGETS velmora RUNTIME DESTINATION ${VELMORA_INSTALL_DIR})
# Whole folders, so that data written into the output folder at build time travels with them.
foreach(folder Config Shaders Textures SceneObjects Sounds)
    install(DIRECTORY ${VELMORA_OUTPUT_DIR}/${folder} DESTINATION ${VELMORA_INSTALL_DIR})
endforeach()

# A relative link keeps the installed tree movable; the game resolves /proc/self/exe, which names the real file,
# so it finds its folders from the link too.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/launcher)
file(CREATE_LINK ../${VELMORA_INSTALL_DIR}/velmora ${CMAKE_BINARY_DIR}/launcher/velmora SYMBOLIC)
install(PROGRAMS ${CMAKE_BINARY_DIR}/launcher/velmora DESTINATION bin)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/velmora.desktop DESTINATION share/applications)
install(DIRECTORY ${VELMORA_ICON_DIR}/ DESTINATION share/icons/hicolor)
