// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileIo.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Moving a diary to another folder, or opening the diary already in one, and remembering it as
// the diary folder (DiaryLocation).
//
// A move copies every file of the old folder's db/ and note/, its own-food table, its recipes
// and its settings into the new folder. A file the new folder lacks is copied; the same bytes
// are skipped; a day both folders hold is joined as a conflict copy would be (ConflictMerge::
// AutoMerge: each meal once, the newer weight, both notes, both tables of own foods), the
// recipes with every definition of both (RecipeBook::join), the settings by keeping the new
// folder's and adding the keys only the old one has. Conflict copies
// and files the diary does not know are copied as they are, under a new name when theirs is
// taken. Nothing in the new folder is ever overwritten with less than it held.
//
// The old folder's files are removed only after every one is safely in the new folder and the
// new folder is remembered; if anything fails, the old folder stays as it was (the new one may
// then hold copies, which a second move joins again without doubling anything).
namespace DiaryMove {

struct Summary
{
    int daysCopied = 0; // days whose files the new folder lacked
    int daysMerged = 0; // days both folders held, joined
    int filesSkipped = 0; // already in the new folder with the same bytes
    int othersCopied = 0; // conflict copies, own foods, settings, files the diary does not know
    std::vector<std::string> problems; // what failed, in words, with the file
    std::vector<std::string> notes; // what stayed behind and why, though nothing failed
    bool remembered = false; // the new folder is now the diary folder
    bool removedOld = false; // the old folder's diary files are gone

    bool ok() const { return problems.empty(); }
};

// Stores the choice of diary folder; DiaryLocation::Remember unless a test says otherwise.
using Remember = std::function<FileIo::Result(const std::filesystem::path &folder)>;

Summary Move(const std::filesystem::path &from, const std::filesystem::path &to,
             const Remember &remember = {});

// Opens the diary that is in `to` (or starts an empty one there): db/ and note/ are made, nothing
// is moved, and the folder is remembered.
Summary Open(const std::filesystem::path &to, const Remember &remember = {});

} // namespace DiaryMove
