// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The copies a sync engine makes of a file that two computers changed before they met, named
// after the file they stand beside. For "12-05-2026.db" (the same shapes for ".wth", ".txt" and
// "myfoods.tsv"):
//   Syncthing             12-05-2026.sync-conflict-20261205-143022-ABCDEF1.db
//   Nextcloud, ownCloud   12-05-2026 (conflicted copy 2026-12-05 143022).db
//   ownCloud before 2.5   12-05-2026_conflict-20261205-143022.db
//   Dropbox               12-05-2026 (Jane's conflicted copy 2026-12-05).db, also with " (1)"
//   Seafile               12-05-2026.db (SFConflict jane@example.org 2026-12-05-14-30-22)
//   OneDrive              12-05-2026-DESKTOP-4F2K9QX.db
// Corvalo keeps what a merge would lose in a copy of the Nextcloud shape, so that it is
// recognised and offered like the others.
namespace ConflictCopies {

enum class Kind { Meals, Weight, Note, OwnFoods };

struct Copy
{
    Kind kind = Kind::Meals;
    // The file it is a copy of: a day key "%m-%d-%Y" plus extension, or "myfoods.tsv".
    std::string original;
    // The day it belongs to, for the day files.
    std::optional<std::int64_t> day;
};

// What a file name in the diary's folders stands for, when it is a conflict copy of one of the
// diary's files; nothing for the files themselves and for anything else.
std::optional<Copy> Recognise(std::string_view name);

// Whether a file name is a copy of that file, in any of the shapes above ("recipes.tsv": the
// recipes, which are joined without asking and so have no Kind).
bool CopyOf(std::string_view name, std::string_view original);

// The name of a copy of `original` that Corvalo keeps itself, made at the local time given as
// "YYYY-MM-DD HHMMSS".
std::string CopyName(std::string_view original, std::string_view stamp);

// The name shown to the user for a kind: "meals", "weight", "note", "own-foods" (also the
// command line's word).
std::string_view KindWord(Kind kind);

} // namespace ConflictCopies
