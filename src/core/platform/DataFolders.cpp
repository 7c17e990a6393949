// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataFolders.h"

#include <cstdlib>
#include <system_error>

#if defined(__linux__)
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace DataFolders {

namespace {

fs::path nonEmpty(const Environment &environment, const char *name)
{
    const std::optional<std::string> value = environment(name);
    return value && !value->empty() ? fs::path(*value) : fs::path();
}

#if !defined(_WIN32)
fs::path homeFolder(const Environment &environment)
{
    fs::path home = nonEmpty(environment, "HOME");
    if (home.empty())
        return fs::path("/");
    // "/home/me/" and "/home/me" are one folder.
    home = home.lexically_normal();
    if (!home.has_filename() && home.has_relative_path())
        home = home.parent_path();
    return home;
}
#endif

void createBoth(const fs::path &folder)
{
    std::error_code ignored;
    fs::create_directory(folder / "db", ignored);
    fs::create_directory(folder / "note", ignored);
}

FileIo::Result canWriteBoth(const fs::path &folder)
{
    const FileIo::Result data = FileIo::canWriteInto(folder / "db");
    return data.ok() ? FileIo::canWriteInto(folder / "note") : data;
}

// Any file the user may have written: a folder with them is somebody's diary.
bool holdsDiary(const fs::path &folder)
{
    for (const char *sub : {"db", "note"}) {
        std::error_code error;
        for (fs::directory_iterator it(folder / sub, error), end; !error && it != end;
             it.increment(error)) {
            if (it->path().filename().string().front() != '.')
                return true;
        }
    }
    return false;
}

} // namespace

FileIo::Result Prepare(const fs::path &folder)
{
    createBoth(folder);
    return canWriteBoth(folder);
}

std::optional<std::string> SystemEnvironment(const char *name)
{
    if (const char *value = std::getenv(name))
        return std::string(value);
    return std::nullopt;
}

#if defined(_WIN32)
namespace {
fs::path roaming(const Environment &environment)
{
    const fs::path base = nonEmpty(environment, "APPDATA");
    if (!base.empty())
        return base;
    const fs::path profile = nonEmpty(environment, "USERPROFILE");
    return profile.empty() ? fs::path() : profile / "AppData" / "Roaming";
}
} // namespace
#endif

fs::path PerUserConfig(const Environment &environment)
{
    fs::path base;
#if defined(_WIN32)
    base = roaming(environment);
#elif defined(__APPLE__)
    base = homeFolder(environment) / "Library" / "Preferences";
#else
    base = nonEmpty(environment, "XDG_CONFIG_HOME");
    if (base.empty())
        base = homeFolder(environment) / ".config";
#endif
    return base / std::string(Organization);
}

fs::path PerUser(const Environment &environment)
{
    fs::path base;
#if defined(_WIN32)
    base = roaming(environment);
#elif defined(__APPLE__)
    base = homeFolder(environment) / "Library" / "Application Support";
#else
    base = nonEmpty(environment, "XDG_DATA_HOME");
    if (base.empty())
        base = homeFolder(environment) / ".local" / "share";
#endif
    return base / std::string(Organization) / std::string(Application);
}

fs::path ExecutableFolder(const char *argv0)
{
    std::error_code error;
#if defined(__linux__)
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (!error && !self.empty())
        return self.parent_path();
#endif
    if (argv0 == nullptr || *argv0 == '\0')
        return {};
    const fs::path given(argv0);
    if (!given.has_parent_path())
        return {}; // found on the PATH: no folder to go by
    const fs::path absolute = fs::absolute(given, error);
    return error ? fs::path() : absolute.parent_path();
}

Choice Choose(const fs::path &home, const fs::path &perUser)
{
    if (home.empty())
        return {home, FileIo::Result::failure(home, FileIo::Problem::Missing)};
    std::error_code error;
    fs::path folder = fs::absolute(home, error);
    if (error)
        return {home, FileIo::Result::failure(home, error.value())};
    createBoth(folder);
    FileIo::Result writable = canWriteBoth(folder);
    if (!writable.ok() && !holdsDiary(folder) && !perUser.empty()) {
        const fs::path fallback = fs::absolute(perUser, error);
        if (!error) {
            fs::create_directories(fallback, error);
            createBoth(fallback);
            folder = fallback;
            writable = canWriteBoth(folder);
        }
    }
    return {folder, writable};
}

FileIo::Result Look(const fs::path &folder)
{
    std::error_code error;
    if (fs::is_directory(folder / "db", error) && fs::is_directory(folder / "note", error))
        return canWriteBoth(folder);
    if (fs::is_directory(folder, error))
        return FileIo::canWriteInto(folder);
    return FileIo::Result::success(folder);
}

Choice ChooseToRead(const fs::path &home, const fs::path &perUser)
{
    if (home.empty())
        return {home, FileIo::Result::failure(home, FileIo::Problem::Missing)};
    std::error_code error;
    const fs::path folder = fs::absolute(home, error);
    if (error)
        return {home, FileIo::Result::failure(home, error.value())};
    const auto hasFolders = [](const fs::path &root) {
        std::error_code ignored;
        return fs::is_directory(root / "db", ignored) || fs::is_directory(root / "note", ignored);
    };
    const fs::path fallback = perUser.empty() ? fs::path() : fs::absolute(perUser, error);
    if (hasFolders(folder) || fallback.empty() || error)
        return {folder, Look(folder)};
    if (hasFolders(fallback))
        return {fallback, Look(fallback)};
    FileIo::Result writable = Look(folder);
    if (writable.ok() && fs::is_directory(folder, error))
        return {folder, writable};
    return {fallback, Look(fallback)};
}

} // namespace DataFolders
