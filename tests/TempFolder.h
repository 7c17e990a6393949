// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A throw-away folder for the file tests, removed with everything in it when the test ends.
#include <QTemporaryDir>
#include <filesystem>
#include <string_view>

class TempFolder
{
public:
    bool isValid() const { return m_dir.isValid(); }
    std::filesystem::path path() const { return m_dir.path().toStdString(); }
    std::filesystem::path operator/(std::string_view name) const { return path() / name; }

    // A folder inside, created on request ("db", "note").
    std::filesystem::path make(std::string_view name) const
    {
        std::filesystem::create_directories(path() / name);
        return path() / name;
    }

private:
    QTemporaryDir m_dir;
};
