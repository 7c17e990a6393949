# SPDX-License-Identifier: GPL-3.0-or-later
# One interface target carries the language level, warnings and the sanitizer switches.
option(CORVALO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(CORVALO_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
option(CORVALO_INSTALLED "A build for installing: data only in the per-user folder" OFF)
option(CORVALO_WERROR "Treat compiler warnings as errors (CI turns this on)" OFF)

# Unity builds: each target's sources compiled a few at a time, so that the Qt and standard
# headers are read once per batch rather than once per file. Most of a file's compile time is
# those headers. The mutation run turns it off to rebuild one file at a time.
option(CORVALO_UNITY "Compile the sources of each target in batches" ON)
if(CORVALO_UNITY)
    set(CMAKE_UNITY_BUILD ON)
    set(CMAKE_UNITY_BUILD_BATCH_SIZE 16)
endif()

# Precompiled Qt headers for the tests, one set for the core tests and one for the widget ones.
# GCC only: it accepts a header precompiled by another target as long as the macros the header
# reads agree, where clang wants every definition to match.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    option(CORVALO_PCH "Precompile the Qt headers" ON)
else()
    set(CORVALO_PCH OFF)
endif()

# GNU ld takes seconds for each test executable; lld or gold (binutils has it) a fraction.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND NOT WIN32 AND NOT APPLE)
    include(CheckLinkerFlag)
    foreach(linker lld gold)
        check_linker_flag(CXX -fuse-ld=${linker} CORVALO_HAVE_LD_${linker})
        if(CORVALO_HAVE_LD_${linker})
            add_link_options(-fuse-ld=${linker})
            break()
        endif()
    endforeach()
endif()

# ccache when it is there, unless a launcher was given (-DCMAKE_CXX_COMPILER_LAUNCHER=, even
# empty, or the environment's). It reuses compilations that include a precompiled header only
# with this sloppiness; ccache's own configuration can say the same for a launcher given by hand.
if(NOT DEFINED CMAKE_CXX_COMPILER_LAUNCHER)
    find_program(CORVALO_CCACHE ccache)
    mark_as_advanced(CORVALO_CCACHE)
    if(CORVALO_CCACHE)
        set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
            CCACHE_SLOPPINESS=pch_defines,time_macros ${CORVALO_CCACHE})
    endif()
endif()

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
