// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DiaryLocation.h"

#include "platform/UiText.h"

#include <system_error>

namespace fs = std::filesystem;

namespace DiaryLocation {

namespace {

constexpr std::string_view ChoiceFileName = "diary-folder";
// A path, not a document: anything longer is not ours.
constexpr std::uintmax_t MaxChoiceBytes = 64 * 1024;

std::string utf8(const fs::path &path)
{
    const std::u8string text = path.u8string();
    return {reinterpret_cast<const char *>(text.data()), text.size()};
}

fs::path fromUtf8(std::string_view text)
{
    return fs::path(std::u8string(reinterpret_cast<const char8_t *>(text.data()), text.size()));
}

bool isFolder(const fs::path &path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

fs::path absoluteOf(const fs::path &path)
{
    std::error_code error;
    fs::path result = fs::absolute(path, error);
    return error ? path : result.lexically_normal();
}

} // namespace

fs::path ChoiceFile(const DataFolders::Environment &environment)
{
    return DataFolders::PerUserConfig(environment) / std::string(ChoiceFileName);
}

Remembered ReadChoice(const DataFolders::Environment &environment)
{
    const fs::path file = ChoiceFile(environment);
    std::string bytes;
    const FileIo::Result read = FileIo::read(file, bytes, MaxChoiceBytes);
    if (read.problem == FileIo::Problem::Missing)
        return {{}, FileIo::Result::success(file)};
    if (!read.ok())
        return {{}, read};
    // The first line; a line break of either kind ends it.
    const std::size_t end = bytes.find_first_of("\r\n");
    if (end != std::string::npos)
        bytes.resize(end);
    if (bytes.empty())
        return {{}, FileIo::Result::success(file)};
    if (bytes.find('\0') != std::string::npos)
        return {{}, FileIo::Result::failure(file, FileIo::Problem::Unreadable)};
    return {fromUtf8(bytes), FileIo::Result::success(file)};
}

FileIo::Result Remember(const fs::path &folder, const DataFolders::Environment &environment)
{
    const fs::path file = ChoiceFile(environment);
    std::error_code error;
    fs::create_directories(file.parent_path(), error);
    return FileIo::writeAtomically(file, utf8(absoluteOf(folder)) + '\n');
}

FileIo::Result Forget(const DataFolders::Environment &environment)
{
    return FileIo::remove(ChoiceFile(environment));
}

namespace {

Resolved diaryLocationResolve(const fs::path &dataOption, const fs::path &executableFolder,
                              bool installed, const DataFolders::Environment &environment,
                              bool making)
{
    const auto prepare = [making](const fs::path &folder) {
        return making ? DataFolders::Prepare(folder) : DataFolders::Look(folder);
    };
    Resolved resolved;
    if (!dataOption.empty()) {
        resolved.source = Source::DataOption;
        const fs::path folder = absoluteOf(dataOption);
        if (!isFolder(folder)) {
            resolved.writable = FileIo::Result::failure(dataOption, FileIo::Problem::Missing);
            return resolved;
        }
        resolved.folder = folder;
        resolved.writable = prepare(folder);
        return resolved;
    }

    const std::optional<std::string> named = environment(EnvironmentVariable);
    const Remembered remembered = ReadChoice(environment);
    if (named && !named->empty()) {
        // Made when missing: setting the variable is how a new diary folder is started.
        const fs::path folder = absoluteOf(fromUtf8(*named));
        std::error_code error;
        if (making)
            fs::create_directories(folder, error);
        // Read before it is made, it is a diary without days yet.
        if (isFolder(folder) || (!making && !fs::exists(fs::symlink_status(folder, error)))) {
            resolved.source = Source::Environment;
            resolved.folder = folder;
            resolved.writable = prepare(folder);
            return resolved;
        }
        resolved.notice = CORVALO_UI_TEXT("DiaryLocation",
                                          "CORVALO_DATA names %1, which is not a folder and "
                                          "cannot be made one; the usual folder is used.");
        resolved.passedOver = folder;
        resolved.passedOverFrom = Source::Environment;
    }
    if (remembered.read.ok() && remembered.folder.is_absolute() && isFolder(remembered.folder)) {
        resolved.source = Source::Chosen;
        resolved.folder = absoluteOf(remembered.folder);
        resolved.writable = prepare(resolved.folder);
        return resolved;
    }
    if (resolved.notice != nullptr) {
        // What CORVALO_DATA named is said first.
    } else if (!remembered.read.ok()) {
        resolved.notice = CORVALO_UI_TEXT(
            "DiaryLocation",
            "The file that remembers your diary folder (%1) could not be read; the usual "
            "folder is used.");
        resolved.passedOver = remembered.read.file;
    } else if (!remembered.folder.empty()) {
        // A synced folder not yet there, a disk not plugged in: the choice stays for later.
        resolved.notice = CORVALO_UI_TEXT("DiaryLocation",
                                          "Your diary folder %1 is not there (is its disk "
                                          "connected?); the usual folder is used meanwhile.");
        resolved.passedOver = remembered.folder;
        resolved.passedOverFrom = Source::Chosen;
    }

    const fs::path perUser = DataFolders::PerUser(environment);
    const fs::path home = DataFolders::Home(executableFolder, installed, perUser);
    const DataFolders::Choice choice =
        making ? DataFolders::Choose(home, perUser) : DataFolders::ChooseToRead(home, perUser);
    resolved.folder = choice.folder;
    resolved.writable = choice.writable;
    std::error_code error;
    const bool beside = !installed && !executableFolder.empty() &&
        fs::equivalent(choice.folder, executableFolder, error);
    resolved.source = beside ? Source::BesideProgram : Source::PerUser;
    return resolved;
}

} // namespace

Resolved Resolve(const fs::path &dataOption, const fs::path &executableFolder, bool installed,
                 const DataFolders::Environment &environment)
{
    return diaryLocationResolve(dataOption, executableFolder, installed, environment, true);
}

Resolved ResolveToRead(const fs::path &dataOption, const fs::path &executableFolder, bool installed,
                       const DataFolders::Environment &environment)
{
    return diaryLocationResolve(dataOption, executableFolder, installed, environment, false);
}

std::string NoticeText(const Resolved &resolved)
{
    if (resolved.notice == nullptr)
        return {};
    std::string text = resolved.notice;
    const std::size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, utf8(resolved.passedOver));
    return text;
}

std::string_view SourceText(Source source)
{
    switch (source) {
    case Source::DataOption:
        return CORVALO_UI_TEXT("DiaryLocation", "given with --data");
    case Source::Environment:
        return CORVALO_UI_TEXT("DiaryLocation", "set by CORVALO_DATA");
    case Source::Chosen:
        return CORVALO_UI_TEXT("DiaryLocation", "chosen in Settings");
    case Source::BesideProgram:
        return CORVALO_UI_TEXT("DiaryLocation", "beside the program");
    case Source::PerUser:
        return CORVALO_UI_TEXT("DiaryLocation", "the per-user data folder");
    }
    return {};
}

} // namespace DiaryLocation
