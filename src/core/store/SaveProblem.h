// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileIo.h"

#include <filesystem>
#include <functional>
#include <string>

// A failed save, load or removal in words for the window: what was not done, why, and which
// file, e.g. "Not saved: the disk is full (db/12-07-2026.wth)".
namespace SaveProblem {

enum class Action {
    Save,
    Load,
    Remove,
};

// Puts one of the English phrases below into the user's language ("%1" stays a placeholder);
// without it the phrases stay English.
using Translate = std::function<std::string(const char *phrase)>;

// The sentence for a failed result; empty for a success. The file is shown relative to the data
// folder when it lies inside it, in full otherwise.
std::string Describe(const FileIo::Result &result, const std::filesystem::path &dataRoot,
                     Action action = Action::Save, const Translate &translate = {});

// The reason alone, e.g. "the disk is full".
std::string Reason(const FileIo::Result &result, Action action = Action::Save,
                   const Translate &translate = {});

} // namespace SaveProblem
