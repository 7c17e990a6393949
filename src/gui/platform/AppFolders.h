// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DataFolders.h"

#include <filesystem>

// Where the program lives and where the user's data may go instead when that folder is closed.
namespace AppFolders {

// The executable's folder (tests may point it elsewhere).
std::filesystem::path executableFolder();

// The per-user data folder, used when the executable's folder cannot be written.
std::filesystem::path perUserDataFolder();

// True in a build made for installing (CORVALO_INSTALLED): such a copy keeps its data in the
// per-user folder only, even when run as root, and never writes beside itself.
bool installedCopy();

// The folder whose db/ and note/ are tried first: beside the executable, or the per-user folder
// for an installed copy.
std::filesystem::path dataHomeFolder();

// The environment the diary's folder is looked up in (DiaryLocation): the process's own, but
// under test one where CORVALO_DATA is unset and the remembered choice lies in the test folder.
DataFolders::Environment diaryEnvironment();

void setExecutableFolderForTesting(const std::filesystem::path &folder);

} // namespace AppFolders
