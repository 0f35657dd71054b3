# The Windows build, cross-compiled with mingw-w64 (scripts/windows.sh): the libraries linked statically from the
# folder the script builds them into, so that velmora.exe needs only Windows' own DLLs; images through WIC and
# sounds through PlaySoundW.
enable_language(RC)
set(GLEW_USE_STATIC_LIBS ON)
find_package(GLEW REQUIRED)
pkg_check_modules(ASSIMP_PC REQUIRED assimp zlib minizip)
add_library(velmora_assimp INTERFACE)
find_library(VELMORA_ASSIMP_LIBRARY assimp REQUIRED)
find_library(VELMORA_MINIZIP_LIBRARY minizip REQUIRED)
find_library(VELMORA_ZLIB_LIBRARY z REQUIRED)
target_include_directories(velmora_assimp INTERFACE ${ASSIMP_PC_INCLUDE_DIRS})
target_link_libraries(velmora_assimp INTERFACE ${VELMORA_ASSIMP_LIBRARY} ${VELMORA_MINIZIP_LIBRARY}
    ${VELMORA_ZLIB_LIBRARY})
add_library(PkgConfig::ASSIMP ALIAS velmora_assimp)

set(VELMORA_OTHER_SYSTEMS_SOURCES ".*/src/platform/(audio_output|.*_posix|.*_openal|.*_devil|.*_x11)\\.cpp$")
set(VELMORA_SYSTEM_LIBRARIES windowscodecs ole32 winmm)
# The C and C++ run-times go into the program, so that no mingw-w64 DLL has to travel with it.
target_link_options(velmora_build_options INTERFACE -static -static-libgcc -static-libstdc++)

# The programs that run at build time (the asset, icon and manual page generators) are built for the machine that
# builds, in the native build folder given here.
set(VELMORA_HOST_TOOLS "" CACHE PATH "Folder of the native build's generators")
foreach(tool velmora_asset_generator velmora_icon_generator velmora_manual_page)
    add_executable(${tool} IMPORTED)
    set_target_properties(${tool} PROPERTIES IMPORTED_LOCATION ${VELMORA_HOST_TOOLS}/${tool})
endforeach()
