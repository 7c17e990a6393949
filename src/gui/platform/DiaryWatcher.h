// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <filesystem>
#include <map>
#include <set>
#include <tuple>
#include <vector>

// Notices when the diary's files change under the window: the command line, a second window or
// a sync engine writing the same folder. The folders are watched by the system where it can
// (a change is seen at once), and every file and folder of interest is also looked at once a
// second, for the file systems whose changes the system does not report. Only a change of a
// file's size or time stamp, or of a folder's list of names, counts; the window's own writes
// count too, and are told apart by what the files hold.
class DiaryWatcher : public QObject
{
    Q_OBJECT

public:
    explicit DiaryWatcher(QObject *parent = nullptr);

    // The folders whose names are watched (the diary's root, db/ and note/), and the files whose
    // content is: replaces the earlier choice, and takes their state as the one to compare with.
    void watch(const std::vector<std::filesystem::path> &folders,
               const std::vector<std::filesystem::path> &files);
    // Looks now rather than at the next tick.
    void check();

signals:
    // The files and folders that changed since the last look.
    void changed(const std::set<std::filesystem::path> &paths);

private:
    using Signature = std::tuple<bool, std::uintmax_t, std::filesystem::file_time_type>;
    static Signature signatureOf(const std::filesystem::path &path);

    QFileSystemWatcher m_system;
    QTimer m_poll;
    QTimer m_settle; // a burst of system reports is looked at once
    std::map<std::filesystem::path, Signature> m_seen;
};
