# The asset generator writes the game's meshes, textures and sounds at build time.
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBPNG REQUIRED IMPORTED_TARGET libpng)
find_package(Freetype REQUIRED)

add_library(velmora_asset_generator_core STATIC
    asset_generator/asset_folder.cpp
    asset_generator/building_assets.cpp
    asset_generator/font_assets.cpp
    asset_generator/image.cpp
    asset_generator/item_assets.cpp
    asset_generator/mesh_builder.cpp
    asset_generator/noise.cpp
    asset_generator/obj_writer.cpp
    asset_generator/player_assets.cpp
    asset_generator/png_writer.cpp
    asset_generator/rng.cpp
    asset_generator/sound_assets.cpp
    asset_generator/wav_writer.cpp
    asset_generator/world_assets.cpp)
target_include_directories(velmora_asset_generator_core PUBLIC asset_generator)
# Public, so that every program built on the generator is built as the game is.
target_link_libraries(velmora_asset_generator_core PUBLIC PkgConfig::LIBPNG PkgConfig::GLM Freetype::Freetype
    velmora_build_options)

add_executable(velmora_asset_generator asset_generator/main.cpp)
target_link_libraries(velmora_asset_generator PRIVATE velmora_asset_generator_core)
set_target_properties(velmora_asset_generator PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

# The manual page takes its table of controls from the game's own.
add_executable(velmora_manual_page game_tools/manual_page_main.cpp)
target_link_libraries(velmora_manual_page PRIVATE velmora_app)
set_target_properties(velmora_manual_page PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
