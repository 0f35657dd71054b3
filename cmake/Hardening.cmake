# Two hardening builds, each configured in a folder of its own (scripts/harden.sh runs both):
# VELMORA_SANITIZE builds everything with AddressSanitizer and UndefinedBehaviorSanitizer, so that every test
# fails on a memory error, a leak or undefined behaviour; VELMORA_FUZZ (clang only) builds the libFuzzer
# targets of tests/fuzz.
option(VELMORA_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VELMORA_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

set(VELMORA_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
if(VELMORA_SANITIZE)
    add_compile_options(${VELMORA_SANITIZER_FLAGS})
    add_link_options(-fsanitize=address,undefined)
    # GCC's flow analysis misreads the instrumented std::regex of the test support as uninitialised.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        add_compile_options(-Wno-maybe-uninitialized)
    endif()
    add_library(velmora_keep_modules_loaded OBJECT ${PROJECT_SOURCE_DIR}/tests/support/keep_modules_loaded.cpp)
    link_libraries(velmora_keep_modules_loaded)
endif()
if(VELMORA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "VELMORA_FUZZ needs clang: configure with CC=clang CXX=clang++")
    endif()
    add_compile_options(${VELMORA_SANITIZER_FLAGS} -fsanitize=fuzzer-no-link)
    add_link_options(-fsanitize=address,undefined)
endif()

# Every test of the calling folder, the end-to-end runs of the game included, runs with the sanitizers' options:
# any report ends the program with status 1, which no test expects.
function(velmora_sanitizer_test_environment)
    if(NOT VELMORA_SANITIZE)
        return()
    endif()
    get_property(tests DIRECTORY PROPERTY TESTS)
    set_tests_properties(${tests} PROPERTIES ENVIRONMENT
        "ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:exitcode=1;UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
endfunction()

# Release builds of the game get the hardening that Debian's dpkg-buildflags gives its packages, with immediate
# binding: fortified C library calls, a stack protector, format-string checks, and full RELRO. The sanitizer and
# fuzzing builds go without: the fortified calls would keep AddressSanitizer from seeing the accesses they make.
add_library(velmora_release_hardening INTERFACE)
if(NOT VELMORA_SANITIZE AND NOT VELMORA_FUZZ)
    set(release_build $<NOT:$<CONFIG:Debug>>)
    target_compile_definitions(velmora_release_hardening INTERFACE $<${release_build}:_FORTIFY_SOURCE=2>)
    target_compile_options(velmora_release_hardening INTERFACE
        "$<${release_build}:-fstack-protector-strong;-Wformat;-Werror=format-security>")
    target_link_options(velmora_release_hardening INTERFACE "$<${release_build}:-Wl,-z,relro;-Wl,-z,now>")
endif()
