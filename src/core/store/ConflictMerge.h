// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileIo.h"
#include "store/ConflictCopies.h"

#include <filesystem>
#include <string>
#include <vector>

// The conflict copies in a diary folder and what becomes of them: merged into the file they are
// a copy of, kept instead of it, or dropped. The copy is removed only after the file it was
// merged into is safely written.
namespace ConflictMerge {

struct Found
{
    ConflictCopies::Copy copy;
    std::filesystem::path path; // the copy
    std::filesystem::path original; // the file it is a copy of
};

// Every copy in the diary folder `root` (its db/, note/ and own-food table), by day, then name.
std::vector<Found> List(const std::filesystem::path &root);

// Both sides as their files hold them; a missing original is empty.
struct Sides
{
    std::string ours;
    std::string theirs;
    bool theirsNewer = false; // the copy was written after the original
    FileIo::Result read; // why one side could not be read
};
Sides Read(const Found &found);

// Writes `merged` as the original, unless the original no longer holds `oursRead` (then
// Problem::Changed: another writer changed it since the sides were read), and then removes the
// copy. An empty merged meal file removes the original.
FileIo::Result Resolve(const Found &found, std::string_view oursRead, std::string_view merged);
// The conflict copies of "recipes.tsv" in the diary folder `root`, by name. They are no Found:
// joining them loses nothing (RecipeBook::join keeps every definition of both), so there is
// nothing to choose.
std::vector<std::filesystem::path> RecipeCopies(const std::filesystem::path &root);
// Joins each of them into "recipes.tsv" and removes it once the joined file is safely written
// (as Resolve does): the copies joined, and what failed.
struct RecipesJoined
{
    std::vector<std::filesystem::path> copies;
    std::vector<FileIo::Result> problems;
};
RecipesJoined JoinRecipeCopies(const std::filesystem::path &root);

// Drops the copy, keeping the original as it is.
FileIo::Result KeepOurs(const Found &found);

// The merge made without asking: meals joined (DayMerge::Meals), the newer weight, both notes,
// own foods joined with the newer table's values where they differ.
std::string AutoMerge(const Found &found, const Sides &sides);

} // namespace ConflictMerge
