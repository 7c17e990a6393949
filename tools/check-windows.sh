#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles the core's Windows code paths with MinGW, syntax only, so that they are not dead text
# on a Linux machine: FileIo with its Windows half, and the core files that have #ifdef _WIN32
# branches. Needs x86_64-w64-mingw32-g++ (Debian: g++-mingw-w64-x86-64-posix).
set -euo pipefail
cd "$(dirname "$0")/.."

compiler=${MINGW_CXX:-x86_64-w64-mingw32-g++-posix}
command -v "$compiler" >/dev/null || compiler=x86_64-w64-mingw32-g++
if ! command -v "$compiler" >/dev/null; then
    echo "check-windows: no MinGW compiler; install g++-mingw-w64-x86-64-posix" >&2
    exit 2
fi

sources=(
    src/core/platform/FileIo.cpp
    src/core/platform/FileIoWindows.cpp
    src/core/platform/DataFolders.cpp
    src/core/calendar/DayFiles.cpp
)
for source in "${sources[@]}"; do
    "$compiler" -std=c++20 -fsyntax-only -Wall -Wextra -Werror -Isrc/core "$source"
done
echo "check-windows: ${#sources[@]} files compile for Windows"
