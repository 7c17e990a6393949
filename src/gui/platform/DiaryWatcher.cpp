// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DiaryWatcher.h"

#include <QStringList>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr int PollInterval = 1000; // ms
constexpr int SettleDelay = 50; // ms

QString qPath(const fs::path &path)
{
    return QString::fromStdString(path.string());
}

} // namespace

DiaryWatcher::DiaryWatcher(QObject *parent) : QObject(parent)
{
    m_poll.setInterval(PollInterval);
    connect(&m_poll, &QTimer::timeout, this, &DiaryWatcher::check);
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleDelay);
    connect(&m_settle, &QTimer::timeout, this, &DiaryWatcher::check);
    const auto reported = [this] {
        if (!m_settle.isActive())
            m_settle.start();
    };
    connect(&m_system, &QFileSystemWatcher::directoryChanged, this, reported);
    connect(&m_system, &QFileSystemWatcher::fileChanged, this, reported);
}

DiaryWatcher::Signature DiaryWatcher::signatureOf(const fs::path &path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status))
        return {false, 0, {}};
    const fs::file_time_type time = fs::last_write_time(path, error);
    const std::uintmax_t size = fs::is_regular_file(status) ? fs::file_size(path, error) : 0;
    return {true, error ? 0 : size, time};
}

void DiaryWatcher::watch(const std::vector<fs::path> &folders, const std::vector<fs::path> &files)
{
    if (!m_system.directories().isEmpty())
        m_system.removePaths(m_system.directories());
    if (!m_system.files().isEmpty())
        m_system.removePaths(m_system.files());
    QStringList watched;
    m_seen.clear();
    for (const fs::path &folder : folders) {
        watched << qPath(folder);
        m_seen[folder] = signatureOf(folder);
    }
    for (const fs::path &file : files) {
        // Appends in place change no folder: the shown files are watched one by one.
        if (std::get<0>(m_seen[file] = signatureOf(file)))
            watched << qPath(file);
    }
    if (!watched.isEmpty())
        m_system.addPaths(watched);
    m_poll.start();
}

void DiaryWatcher::check()
{
    std::set<fs::path> paths;
    for (auto &[path, seen] : m_seen) {
        const Signature now = signatureOf(path);
        if (now != seen) {
            seen = now;
            paths.insert(path);
            // A file replaced by a rename is a new file to the system's watch.
            if (std::get<0>(now) && !m_system.files().contains(qPath(path)) &&
                !m_system.directories().contains(qPath(path)))
                m_system.addPath(qPath(path));
        }
    }
    if (!paths.empty())
        emit changed(paths);
}

#include "moc_DiaryWatcher.cpp"
