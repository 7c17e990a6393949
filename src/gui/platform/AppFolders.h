#pragma once

#include <filesystem>

// Where the program lives and where the user's data may go instead when that folder is closed.
namespace AppFolders {

// The executable's folder (tests may point it elsewhere).
std::filesystem::path executableFolder();

// The per-user data folder, used when the executable's folder cannot be written.
std::filesystem::path perUserDataFolder();

void setExecutableFolderForTesting(const std::filesystem::path &folder);

} // namespace AppFolders
