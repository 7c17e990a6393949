// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/WeightFile.h"

#include "platform/FileIo.h"

#include <bit>
#include <cstdint>
#include <string>

namespace WeightFile {

namespace {

constexpr std::size_t Size = 4;

} // namespace

std::optional<float> Decode(std::string_view bytes)
{
    if (bytes.size() < Size)
        return std::nullopt;
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < Size; ++i)
        bits |= std::uint32_t(std::uint8_t(bytes[i])) << (8 * i);
    return std::bit_cast<float>(bits);
}

std::optional<float> Read(const std::filesystem::path &path)
{
    // The weight is the first four bytes, whatever follows them.
    std::string bytes;
    if (!FileIo::readStart(path, bytes, Size).ok())
        return std::nullopt;
    return Decode(bytes);
}

FileIo::Result Write(const std::filesystem::path &path, float weight)
{
    if (!(weight > 0.0f))
        return FileIo::Result::failure(path, FileIo::Problem::Other);
    const auto bits = std::bit_cast<std::uint32_t>(weight);
    char bytes[Size];
    for (std::size_t i = 0; i < Size; ++i)
        bytes[i] = char(bits >> (8 * i) & 0xFF);
    return FileIo::writeAtomically(path, std::string_view(bytes, Size));
}

} // namespace WeightFile
