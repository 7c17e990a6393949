// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

// corvalo-cli conflicts and merge: the sync engines' conflict copies in a diary folder.
namespace ConflictCommands {

struct Streams
{
    std::ostream &out;
    std::ostream &err;
};

// One line per copy: the day (YYYY-MM-DD, "-" for own foods and recipes), what it holds, its
// file name.
int List(const std::filesystem::path &root, const Streams &streams);

// Joins the copies of `day` (own foods when nothing) into their files; `keep` "ours" drops them,
// "theirs" puts each in place of its file. A dry run prints the result and writes nothing.
int Merge(const std::filesystem::path &root, const std::optional<DayFiles::LocalDate> &day,
          bool dryRun, const std::string &keep, const Streams &streams);

// Joins the copies of the recipes into recipes.tsv, every definition of both kept; a dry run
// prints what the file would hold.
int MergeRecipes(const std::filesystem::path &root, bool dryRun, const Streams &streams);

} // namespace ConflictCommands
