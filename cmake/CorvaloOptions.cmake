# One interface target carries the language level, warnings and the sanitizer switch.
option(CORVALO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(CORVALO_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

add_library(corvalo_options INTERFACE)
target_compile_features(corvalo_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(corvalo_options INTERFACE -Wall -Wextra)
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
