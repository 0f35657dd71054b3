# The icon's sizes joined into one .ico, the 256 px one kept as PNG as Windows Vista and later expect, and the
# program's version; both go into velmora.exe as resources.
find_program(VELMORA_ICOTOOL icotool REQUIRED)
set(VELMORA_WINDOWS_ICON ${VELMORA_PACKAGING_DIR}/velmora.ico)
list(FILTER VELMORA_ICONS EXCLUDE REGEX "/256x256/")
add_custom_command(
    OUTPUT ${VELMORA_WINDOWS_ICON}
    COMMAND ${VELMORA_ICOTOOL} -c -o ${VELMORA_WINDOWS_ICON} ${VELMORA_ICONS}
        -r ${VELMORA_ICON_DIR}/256x256/apps/${VELMORA_APP_ID}.png
    DEPENDS ${VELMORA_ICONS} ${VELMORA_ICON_DIR}/256x256/apps/${VELMORA_APP_ID}.png
    COMMENT "Joining the icon's sizes into velmora.ico")
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/velmora.rc.in ${VELMORA_PACKAGING_DIR}/velmora.rc @ONLY)
target_sources(velmora PRIVATE ${VELMORA_PACKAGING_DIR}/velmora.rc)
set_source_files_properties(${VELMORA_PACKAGING_DIR}/velmora.rc PROPERTIES OBJECT_DEPENDS ${VELMORA_WINDOWS_ICON})

install(TARGETS velmora RUNTIME DESTINATION .)
foreach(folder Config Shaders Textures SceneObjects Sounds)
    install(DIRECTORY ${VELMORA_OUTPUT_DIR}/${folder} DESTINATION .)
endforeach()
