# One interface target carries the language level, warnings and the sanitizer switches.
option(CORVALO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(CORVALO_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
option(CORVALO_INSTALLED "A build for installing: data only in the per-user folder" OFF)
option(CORVALO_WERROR "Treat compiler warnings as errors (CI turns this on)" OFF)

add_library(corvalo_options INTERFACE)
target_compile_features(corvalo_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)

if(MSVC)
    target_compile_options(corvalo_options INTERFACE /W4 /permissive- /utf-8)
    if(CORVALO_WERROR)
        target_compile_options(corvalo_options INTERFACE /WX)
    endif()
else()
    target_compile_options(corvalo_options INTERFACE -Wall -Wextra)
    if(CORVALO_WERROR)
        target_compile_options(corvalo_options INTERFACE -Werror)
    endif()
endif()
# GCC 12 reports overlapping memcpy inside std::string's own inlined code at -O2
# (GCC bug 105329); the warning says nothing about ours.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(corvalo_options INTERFACE -Wno-restrict)
endif()
target_compile_definitions(corvalo_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_CONTEXTLESS_CONNECT
    QT_USE_QSTRINGBUILDER)

if(CORVALO_SANITIZE)
    target_compile_options(corvalo_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(corvalo_options INTERFACE -fsanitize=address,undefined)
endif()

# Fuzzing: every target is instrumented for coverage and checked by the sanitizers; only the
# fuzz targets themselves link libFuzzer's main.
if(CORVALO_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "CORVALO_FUZZ needs clang: CC=clang CXX=clang++ cmake ...")
    endif()
    target_compile_options(corvalo_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    target_link_options(corvalo_options INTERFACE -fsanitize=address,undefined)
endif()

# A fuzz target: one source, linked with libFuzzer's main and the given libraries.
function(corvalo_fuzz_target name source)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE ${ARGN} corvalo_options)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endfunction()
