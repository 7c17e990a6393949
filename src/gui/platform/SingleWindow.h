// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <filesystem>
#include <memory>

// One window per diary: a second start on the same diary folder hands its request to the
// window already running (which comes to the front and shows the day asked for) instead of
// opening a second writer. Another diary folder may have a window of its own.
class SingleWindow : public QObject
{
    Q_OBJECT

public:
    explicit SingleWindow(QObject *parent = nullptr);
    ~SingleWindow() override;

    // True when this process is the diary's window from now on. False when another window has
    // the diary: `day` (YYYY-MM-DD, or empty) was handed to it, and this process should end.
    bool claim(const std::filesystem::path &diaryFolder, const QString &day);

signals:
    // A second start asked for this window, and for `day` when it gave one.
    void asked(const QString &day);

private:
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};
