// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileIo.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// How the user's own tables (own foods, recipes) are read and written: the file whole or not at
// all, every line kept as it was read so that a rewrite loses nothing typed by hand, a line that
// cannot be read skipped and said with its number, and a file that is there but could not be
// read never saved over.
//
//   std::string bytes;
//   FileIo::Result read = TableFile::Read(file, bytes, MaxBytes);   // then parse the lines
//   for (std::string_view line : TableFile::Lines(bytes)) ...
//   TableFile::Save(file, text, read.ok() ? FileIo::Problem::None : read.problem);
namespace TableFile {

struct SkippedLine
{
    int line = 0; // from 1
    std::string reason; // "it has 9 fields, not 12 or more"
};

// Reads a file of at most maxBytes. A missing one is no text and a success.
FileIo::Result Read(const std::filesystem::path &file, std::string &bytes, std::uintmax_t maxBytes);
// Writes the text through FileIo (a whole-file rewrite); refused with `unreadable` when the
// file was there but could not be read, as writing what little was read would lose the rest.
FileIo::Result Save(const std::filesystem::path &file, std::string_view text,
                    FileIo::Problem unreadable);

// The lines of a text, each without its line break and every carriage return at its end (one
// kept would be eaten at the next reading); a last line without a break is a line too.
std::vector<std::string_view> Lines(std::string_view text);

// For the notice bar: "Skipped line 7 of myfoods.tsv: it has 9 fields, not 12 or more", with
// " (and 2 more lines)" when there were more; empty when none was skipped.
std::string SkippedNotice(std::string_view fileName, const std::vector<SkippedLine> &skipped);

} // namespace TableFile
