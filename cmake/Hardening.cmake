# Two hardening builds, each configured by a preset of CMakePresets.json in a folder of its own (scripts/harden.sh
# runs both): `sanitize` builds everything with AddressSanitizer and UndefinedBehaviorSanitizer, so that every test
# fails on a memory error, a leak or undefined behaviour; `fuzz` (clang only) builds the libFuzzer targets of
# tests/fuzz. Both add their flags to velmora_build_options, which every target links.
option(VELMORA_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VELMORA_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

set(VELMORA_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
if(VELMORA_SANITIZE)
    target_compile_options(velmora_build_options INTERFACE ${VELMORA_SANITIZER_FLAGS})
    target_link_options(velmora_build_options INTERFACE -fsanitize=address,undefined)
    # GCC's flow analysis misreads the instrumented std::regex of the test support as uninitialised.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(velmora_build_options INTERFACE -Wno-maybe-uninitialized)
    endif()
    # Every program, however it is started, reports with the sanitizers' options of the hardening runs and keeps
    # its shared libraries loaded; the objects go into programs only, where the sanitizers' runtime finds them.
    add_library(velmora_sanitized_program OBJECT ${PROJECT_SOURCE_DIR}/tests/support/keep_modules_loaded.cpp
        ${PROJECT_SOURCE_DIR}/tests/support/sanitizer_options.cpp)
    target_compile_options(velmora_sanitized_program PRIVATE
        $<TARGET_PROPERTY:velmora_build_options,INTERFACE_COMPILE_OPTIONS>)
    target_link_libraries(velmora_build_options INTERFACE
        $<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:$<TARGET_OBJECTS:velmora_sanitized_program>>)
    # Naming the objects does not order their build before the programs that link them; every target that
    # links the options waits for them instead, so that a build of one program alone finds them made.
    add_dependencies(velmora_build_options velmora_sanitized_program)
endif()
if(VELMORA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "VELMORA_FUZZ needs clang: configure with the fuzz preset or CXX=clang++")
    endif()
    target_compile_options(velmora_build_options INTERFACE ${VELMORA_SANITIZER_FLAGS} -fsanitize=fuzzer-no-link)
    target_link_options(velmora_build_options INTERFACE -fsanitize=address,undefined)
endif()

# Release builds of the game get the hardening that Debian's dpkg-buildflags gives its packages, with immediate
# binding: fortified C library calls, a stack protector, format-string checks, and full RELRO. The sanitizer and
# fuzzing builds go without: the fortified calls would keep AddressSanitizer from seeing the accesses they make.
# VELMORA_RELEASE_HARDENING says whether a build carries it (1 or 0, maybe through a generator expression), for
# the package checks, which judge the hardening only there.
set(VELMORA_RELEASE_HARDENING 0)
if(NOT VELMORA_SANITIZE AND NOT VELMORA_FUZZ)
    set(release_build $<NOT:$<CONFIG:Debug>>)
    set(VELMORA_RELEASE_HARDENING ${release_build})
    target_compile_definitions(velmora_build_options INTERFACE $<${release_build}:_FORTIFY_SOURCE=2>)
    target_compile_options(velmora_build_options INTERFACE
        "$<${release_build}:-fstack-protector-strong;-Wformat;-Werror=format-security>")
    if(WIN32)
        # A Windows program's counterparts of RELRO: a randomised address and no executable data. The stack
        # protector's functions come from GCC's libssp, which the flag at link time brings in.
        target_link_options(velmora_build_options INTERFACE
            "$<${release_build}:-fstack-protector-strong;-Wl,--dynamicbase,--nxcompat,--high-entropy-va>")
    else()
        target_link_options(velmora_build_options INTERFACE "$<${release_build}:-Wl,-z,relro;-Wl,-z,now>")
    endif()
endif()
