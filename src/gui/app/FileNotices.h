// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileIo.h"
#include "store/SaveProblem.h"

#include <QObject>
#include <QTimer>
#include <functional>

class CNoticeBar;
class DayStore;

// Every write's and read's outcome in the window: a failure is said in the notice bar until the
// same file is saved or read again, and what could not be saved is tried again every few
// seconds, so a passing problem (a full disk that was cleared) ends by itself.
class FileNotices : public QObject
{
    Q_OBJECT

public:
    struct Retry
    {
        std::function<void()> saveAgain;
        std::function<bool()> pending;
    };

    FileNotices(CNoticeBar *notice, const DayStore &store, Retry retry, QObject *parent = nullptr);

    void reportSave(const FileIo::Result &result);
    void reportOpen(const FileIo::Result &result);
    // The diary's folder when it cannot be written: it stays where it is, shown as it is.
    void reportFolder(const FileIo::Result &result);
    // Shows a failure, or clears the file's notice on success.
    void tell(const FileIo::Result &result, SaveProblem::Action action);

private:
    static constexpr int RetryInterval = 3000; // ms

    CNoticeBar *m_notice;
    const DayStore &m_store;
    Retry m_retry;
    QTimer m_timer;
};
