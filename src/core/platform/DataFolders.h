// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileIo.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Where the diary may live: beside the program, or in the per-user data folder that the
// desktop's conventions give the program. The window and the command line choose alike.
namespace DataFolders {

inline constexpr std::string_view Organization = "Corvalo";
inline constexpr std::string_view Application = "Corvalo";

// The value of an environment variable; nothing when it is unset.
using Environment = std::function<std::optional<std::string>(const char *name)>;
// The process's own environment.
std::optional<std::string> SystemEnvironment(const char *name);

// The per-user data folder, <base>/Corvalo/Corvalo, where <base> is
//   Linux and other Unix: $XDG_DATA_HOME when set and not empty, else $HOME/.local/share
//   macOS:                $HOME/Library/Application Support
//   Windows:              %APPDATA%, else %USERPROFILE%\AppData\Roaming
// A missing $HOME counts as the root folder.
std::filesystem::path PerUser(const Environment &environment = SystemEnvironment);

// This computer's settings folder for the user, <base>/Corvalo, where <base> is
//   Linux and other Unix: $XDG_CONFIG_HOME when set and not empty, else $HOME/.config
//   macOS:                $HOME/Library/Preferences
//   Windows:              %APPDATA%, else %USERPROFILE%\AppData\Roaming
std::filesystem::path PerUserConfig(const Environment &environment = SystemEnvironment);

// The folder of the running executable, from the system; `argv0`'s folder when the system does
// not say. Empty when neither is known.
std::filesystem::path ExecutableFolder(const char *argv0);

// The folder whose db/ and note/ are tried first: the per-user folder for an installed copy,
// which never writes beside itself, else the executable's folder.
inline std::filesystem::path Home(const std::filesystem::path &executableFolder, bool installed,
                                  const std::filesystem::path &perUser)
{
    return installed ? perUser : executableFolder;
}

struct Choice
{
    std::filesystem::path folder; // holds db/ and note/
    FileIo::Result writable; // why the folder cannot be written; ok when it can
};

// Makes db/ and note/ in `folder` when missing; whether files can be written into both.
FileIo::Result Prepare(const std::filesystem::path &folder);

// The folder a diary is kept in, without touching anything but the two folders: db/ and note/
// in `home` (created when missing) when both can be written; else the per-user folder (created)
// while `home` holds no diary; else `home`, so that existing days never seem to vanish.
Choice Choose(const std::filesystem::path &home, const std::filesystem::path &perUser);

// For reading only, making nothing: whether files could be written into db/ and note/ of
// `folder`, or into the folder while they are missing (a probe file, removed at once); ok
// while the folder is not there either.
FileIo::Result Look(const std::filesystem::path &folder);
// The folder Choose would choose, without making anything: `home` when it holds db/ or note/,
// else the per-user folder when that does, else `home` when it could be written, else the
// per-user folder.
Choice ChooseToRead(const std::filesystem::path &home, const std::filesystem::path &perUser);

} // namespace DataFolders
