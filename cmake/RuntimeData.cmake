# Lays Config, Shaders, Textures, SceneObjects and Sounds beside the executable. The first two are copied from
# data/, the other three are written by our asset generator. data/ShaderSources is no run-time folder: the shaders
# that share their text with others are written from it below.
set(VELMORA_DATA_STAMP ${CMAKE_BINARY_DIR}/data.stamp)
set(VELMORA_DATA_COMMANDS)
set(VELMORA_DATA_FILES)
foreach(folder Config Shaders)
    file(GLOB_RECURSE files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/${folder}/*)
    list(APPEND VELMORA_DATA_FILES ${files})
    list(APPEND VELMORA_DATA_COMMANDS
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data/${folder} ${VELMORA_OUTPUT_DIR}/${folder})
endforeach()
add_custom_command(
    OUTPUT ${VELMORA_DATA_STAMP}
    ${VELMORA_DATA_COMMANDS}
    COMMAND ${CMAKE_COMMAND} -E touch ${VELMORA_DATA_STAMP}
    DEPENDS ${VELMORA_DATA_FILES}
    COMMENT "Copying run-time data beside the executable")

# The three cel fragment programs share their lighting: each is joined from the one shared part in
# data/ShaderSources and the part its kind of model adds, so a change of the lighting reaches all three.
set(VELMORA_SHADER_SOURCES ${CMAKE_SOURCE_DIR}/data/ShaderSources)
set(VELMORA_CEL_PROGRAMS)
foreach(program celShader celShaderAsteroid celShaderPowerUp)
    set(output ${VELMORA_OUTPUT_DIR}/Shaders/${program}.frag)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DSHARED=${VELMORA_SHADER_SOURCES}/celLighting.glsl
            -DOWN=${VELMORA_SHADER_SOURCES}/${program}.glsl -DOUTPUT=${output}
            -P ${CMAKE_SOURCE_DIR}/cmake/JoinShaderSources.cmake
        DEPENDS ${VELMORA_SHADER_SOURCES}/celLighting.glsl ${VELMORA_SHADER_SOURCES}/${program}.glsl
            ${CMAKE_SOURCE_DIR}/cmake/JoinShaderSources.cmake
        COMMENT "Joining Shaders/${program}.frag"
        VERBATIM)
    list(APPEND VELMORA_CEL_PROGRAMS ${output})
endforeach()

set(VELMORA_ASSET_STAMP ${CMAKE_BINARY_DIR}/assets.stamp)
add_custom_command(
    OUTPUT ${VELMORA_ASSET_STAMP}
    COMMAND velmora_asset_generator ${VELMORA_OUTPUT_DIR} ${VELMORA_FONT_FILE}
    COMMAND ${CMAKE_COMMAND} -E touch ${VELMORA_ASSET_STAMP}
    DEPENDS velmora_asset_generator ${VELMORA_FONT_FILE}
    COMMENT "Generating meshes, textures, sounds and the text's glyphs")

# Vertex stages that are the same for several programs, or differ in a number only, each come from one source:
# every full-screen pass, both passes of the shadow blur, and the three hearts, each with its place in the row.
set(VELMORA_SHADER_VARIANTS)
function(velmora_shader_variant source program)
    set(output ${VELMORA_OUTPUT_DIR}/Shaders/${program})
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} ${ARGN} -DINPUT=${VELMORA_SHADER_SOURCES}/${source} -DOUTPUT=${output}
            -P ${CMAKE_SOURCE_DIR}/cmake/WriteShaderVariant.cmake
        DEPENDS ${VELMORA_SHADER_SOURCES}/${source} ${CMAKE_SOURCE_DIR}/cmake/WriteShaderVariant.cmake
        COMMENT "Writing Shaders/${program}"
        VERBATIM)
    set(VELMORA_SHADER_VARIANTS ${VELMORA_SHADER_VARIANTS} ${output} PARENT_SCOPE)
endfunction()
foreach(program AddEdgesShader BloomShader BrightPassShader EdgeDetectionShader GaussHorizontalBloom
        GaussVerticalBloom ScreenQuadShader)
    velmora_shader_variant(fullScreen.vert ${program}.vert)
endforeach()
foreach(program GaussHorizontalShadowShader GaussVerticalShadowShader)
    velmora_shader_variant(shadowBlur.vert ${program}.vert)
endforeach()
foreach(heart 1 2 3)
    math(EXPR index "${heart} - 1")
    velmora_shader_variant(heart.vert Heart${heart}_Shader.vert -DHEART_INDEX=${index}.0)
endforeach()

add_custom_target(velmora_runtime_data ALL
    DEPENDS ${VELMORA_DATA_STAMP} ${VELMORA_CEL_PROGRAMS} ${VELMORA_SHADER_VARIANTS} ${VELMORA_ASSET_STAMP})
