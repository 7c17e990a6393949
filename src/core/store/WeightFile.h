// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileIo.h"

#include <filesystem>
#include <optional>
#include <string_view>

// A day's body weight: a file of exactly four bytes, one little-endian single-precision float,
// stored plain. No unit is kept. Only weights above zero are ever written.
namespace WeightFile {

// The most a user may type as a weight, in kilograms or pounds alike; stored files are read
// without this limit.
inline constexpr double MaxTyped = 1000.0;

// The weight the file's bytes hold: the first four, whatever follows; nothing when fewer.
std::optional<float> Decode(std::string_view bytes);

// The stored weight, its first four bytes however long the file is; nothing when it is missing,
// unreadable or holds fewer than 4 bytes.
std::optional<float> Read(const std::filesystem::path &path);

// Replaces the file with the weight, through a temporary file so a crash never leaves a part.
// Writes nothing and returns false for a weight that is not above zero (or not a number).
FileIo::Result Write(const std::filesystem::path &path, float weight);

} // namespace WeightFile
