// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for note text: any file bytes become valid UTF-8 editor text without line
// feeds of the other kinds, no byte of a non-UTF-8 file is lost, and the text written back reads
// back the same.
#include "platform/TextCodec.h"
#include "store/NoteFile.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>

namespace {

// What each single byte decodes to; all 256 differ, so no two files read the same.
const std::array<std::string, 256> &byteTexts()
{
    static const std::array<std::string, 256> texts = [] {
        std::array<std::string, 256> all;
        std::set<std::string> distinct;
        for (int b = 0; b < 256; ++b) {
            const char c = char(b);
            all[std::size_t(b)] = TextCodec::ToUtf8(std::string_view(&c, 1));
            distinct.insert(all[std::size_t(b)]);
        }
        if (distinct.size() != 256)
            std::abort();
        return all;
    }();
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto copy = std::make_unique<char[]>(size);
    if (size > 0)
        std::memcpy(copy.get(), data, size);
    const std::string_view bytes(copy.get(), size);

    const std::string decoded = TextCodec::ToUtf8(bytes);
    if (!TextCodec::IsValidUtf8(decoded) || TextCodec::ToUtf8(decoded) != decoded)
        std::abort();
    if (TextCodec::IsValidUtf8(bytes)) {
        if (decoded != bytes)
            std::abort();
    } else {
        // Byte by byte, each the same way whatever surrounds it.
        std::string joined;
        for (const char c : bytes)
            joined += byteTexts()[std::uint8_t(c)];
        if (joined != decoded)
            std::abort();
    }

    const std::string text = NoteFile::FromFileBytes(decoded);
    if (text.find('\r') != std::string::npos || text.find('\0') != std::string::npos)
        std::abort();
    const std::string file = NoteFile::ToFileBytes(text);
    for (std::size_t i = 0; i < file.size(); ++i) {
        const bool lf = file[i] == '\n';
        const bool cr = file[i] == '\r';
        if ((lf && (i == 0 || file[i - 1] != '\r')) ||
            (cr && (i + 1 == file.size() || file[i + 1] != '\n')))
            std::abort();
    }
    if (NoteFile::FromFileBytes(file) != text || !TextCodec::IsValidUtf8(file))
        std::abort();
    return 0;
}
