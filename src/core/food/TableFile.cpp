// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/TableFile.h"

namespace TableFile {

FileIo::Result Read(const std::filesystem::path &file, std::string &bytes, std::uintmax_t maxBytes)
{
    bytes.clear();
    const FileIo::Result result = FileIo::read(file, bytes, maxBytes);
    if (result.problem == FileIo::Problem::Missing)
        return FileIo::Result::success(file);
    if (!result.ok())
        bytes.clear();
    return result;
}

FileIo::Result Save(const std::filesystem::path &file, std::string_view text,
                    FileIo::Problem unreadable)
{
    if (unreadable != FileIo::Problem::None)
        return FileIo::Result::failure(file, unreadable);
    return FileIo::writeAtomically(file, text);
}

std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
    }
    return lines;
}

std::string SkippedNotice(std::string_view fileName, const std::vector<SkippedLine> &skipped)
{
    if (skipped.empty())
        return {};
    std::string text = "Skipped line " + std::to_string(skipped.front().line) + " of " +
        std::string(fileName) + ": " + skipped.front().reason;
    if (skipped.size() == 2)
        text += " (and 1 more line)";
    else if (skipped.size() > 2)
        text += " (and " + std::to_string(skipped.size() - 1) + " more lines)";
    return text;
}

} // namespace TableFile
