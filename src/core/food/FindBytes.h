// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

// The first place `needle` occurs in [from, to), or null: the search copy's one scan per word.
inline const char *FindBytes(const char *from, const char *to, std::string_view needle)
{
#if defined(__GLIBC__)
    return static_cast<const char *>(
        memmem(from, std::size_t(to - from), needle.data(), needle.size()));
#else
    const std::string_view haystack(from, std::size_t(to - from));
    const std::size_t found = haystack.find(needle);
    return found == std::string_view::npos ? nullptr : from + found;
#endif
}
