// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileIo.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>

// What FileIo.cpp shares with its system halves, FileIoPosix.cpp and FileIoWindows.cpp (one of
// them is built); nothing else includes it.
namespace FileIo::Native {

// The test seams' state (see FileIo.h).
bool writesFail();
int openError();
// A number for a fresh file name; each thread draws from a generator of its own.
std::uint_fast32_t draw();
// "<name>.tmp<digits>" beside the file: where a rewrite goes before it is renamed into place.
std::filesystem::path temporarySibling(const std::filesystem::path &path);

using Keep = std::function<void(const char *data, std::size_t size)>;
// Reads the file through in chunks, handing each to keep(data, size); read() and readable().
Result readThrough(const std::filesystem::path &path, std::uintmax_t maxBytes, const Keep &keep);

} // namespace FileIo::Native
