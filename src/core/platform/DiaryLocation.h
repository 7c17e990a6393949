// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DataFolders.h"
#include "platform/FileIo.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Which folder holds the diary, and why. In order: the command line's --data; CORVALO_DATA when
// set and not empty; the folder the user chose in Settings, while it is still a folder; else the
// rule of DataFolders (beside the program, or the per-user data folder). The window and
// corvalo-cli both ask here, so they always open the same diary.
//
// The choice is remembered for this computer's user in one line of UTF-8 in
//   Linux and other Unix: $XDG_CONFIG_HOME/Corvalo/diary-folder (else $HOME/.config/...)
//   macOS:                $HOME/Library/Preferences/Corvalo/diary-folder
//   Windows:              %APPDATA%\Corvalo\diary-folder
// not in the diary folder, which may be synced to computers where it lies elsewhere.
namespace DiaryLocation {

inline constexpr const char *EnvironmentVariable = "CORVALO_DATA";

enum class Source {
    DataOption, // corvalo-cli --data
    Environment, // CORVALO_DATA
    Chosen, // the folder chosen in Settings
    BesideProgram, // db/ and note/ beside the executable
    PerUser, // the per-user data folder
};

// The file that remembers the choice.
std::filesystem::path
ChoiceFile(const DataFolders::Environment &environment = DataFolders::SystemEnvironment);

struct Remembered
{
    std::filesystem::path folder; // empty when none is remembered
    FileIo::Result read; // why the file could not be read (a missing file is no choice, and ok)
};
Remembered ReadChoice(const DataFolders::Environment &environment = DataFolders::SystemEnvironment);

// Remembers `folder` (made absolute) as the diary folder, replacing the file atomically.
FileIo::Result
Remember(const std::filesystem::path &folder,
         const DataFolders::Environment &environment = DataFolders::SystemEnvironment);
// Back to the usual rule.
FileIo::Result Forget(const DataFolders::Environment &environment = DataFolders::SystemEnvironment);

struct Resolved
{
    std::filesystem::path folder; // holds db/ and note/; empty when no diary can be opened
    Source source = Source::BesideProgram;
    FileIo::Result writable; // why the diary cannot be written; ok when it can
    // Why a remembered folder was passed over: a CORVALO_UI_TEXT phrase whose "%1" stands for
    // `passedOver` (the folder, or the file that remembers it when that cannot be read); null
    // when nothing was. NoticeText() fills it in.
    const char *notice = nullptr;
    std::filesystem::path passedOver;
    // Whose folder was passed over: Environment (CORVALO_DATA names something that cannot be a
    // folder; corvalo-cli refuses to work on another diary then) or Chosen.
    std::optional<Source> passedOverFrom;
};

// The notice in English with the folder filled in; empty when there is none.
std::string NoticeText(const Resolved &resolved);

// The diary folder, with db/ and note/ made in it when missing. `dataOption` is corvalo-cli's
// --data (empty otherwise): it must name an existing folder, else `folder` is empty. The folder
// CORVALO_DATA names is made when missing. When that is not a folder and cannot be one, or a
// remembered folder is gone, the usual rule decides and `notice` says why.
Resolved Resolve(const std::filesystem::path &dataOption,
                 const std::filesystem::path &executableFolder, bool installed,
                 const DataFolders::Environment &environment = DataFolders::SystemEnvironment);

// The folder Resolve would give, for commands that only read: nothing is made, not even the
// folder CORVALO_DATA names (a diary without days until the first write makes it).
Resolved
ResolveToRead(const std::filesystem::path &dataOption,
              const std::filesystem::path &executableFolder, bool installed,
              const DataFolders::Environment &environment = DataFolders::SystemEnvironment);

// Why the folder was chosen, e.g. "chosen in Settings", "set by CORVALO_DATA".
std::string_view SourceText(Source source);

} // namespace DiaryLocation
