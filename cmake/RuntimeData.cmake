# Lays Config, Shaders, Textures, SceneObjects and Sounds beside the executable. The first two are copied from
# data/, the other three are written by our asset generator.
file(GLOB_RECURSE VELMORA_DATA_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)
set(VELMORA_DATA_STAMP ${CMAKE_BINARY_DIR}/data.stamp)
add_custom_command(
    OUTPUT ${VELMORA_DATA_STAMP}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data ${VELMORA_OUTPUT_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${VELMORA_DATA_STAMP}
    DEPENDS ${VELMORA_DATA_FILES}
    COMMENT "Copying run-time data beside the executable")

set(VELMORA_ASSET_STAMP ${CMAKE_BINARY_DIR}/assets.stamp)
add_custom_command(
    OUTPUT ${VELMORA_ASSET_STAMP}
    COMMAND velmora_asset_generator ${VELMORA_OUTPUT_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${VELMORA_ASSET_STAMP}
    DEPENDS velmora_asset_generator
    COMMENT "Generating meshes, textures and sounds")

add_custom_target(velmora_runtime_data ALL DEPENDS ${VELMORA_DATA_STAMP} ${VELMORA_ASSET_STAMP})
