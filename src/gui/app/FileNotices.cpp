// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FileNotices.h"

#include "controls/CNoticeBar.h"
#include "platform/CoreText.h"
#include "store/DayStore.h"

FileNotices::FileNotices(CNoticeBar *notice, const DayStore &store, Retry retry, QObject *parent)
    : QObject(parent), m_notice(notice), m_store(store), m_retry(std::move(retry))
{
    m_timer.setInterval(RetryInterval);
    connect(&m_timer, &QTimer::timeout, this, [this] { m_retry.saveAgain(); });
}

void FileNotices::tell(const FileIo::Result &result, SaveProblem::Action action)
{
    const QString key = QString::fromStdString(result.file.string());
    if (result.ok())
        m_notice->clearNotice(key);
    else
        m_notice->showNotice(key,
                             QString::fromStdString(SaveProblem::Describe(
                                 result, m_store.rootDirectory(), action, CoreText::problem)));
}

void FileNotices::reportSave(const FileIo::Result &result)
{
    tell(result, SaveProblem::Action::Save);
    if (m_retry.pending())
        m_timer.start();
    else
        m_timer.stop();
}

void FileNotices::reportOpen(const FileIo::Result &result)
{
    // A file read without trouble does not end a notice that its failed save left.
    if (!result.ok())
        tell(result, SaveProblem::Action::Load);
}

void FileNotices::reportFolder(const FileIo::Result &result)
{
    if (result.ok())
        return;
    const QString folder = QString::fromStdString(m_store.rootDirectory().string());
    m_notice->showNotice(QStringLiteral("folder"),
                         tr("Nothing can be saved in %1: %2")
                             .arg(folder,
                                  QString::fromStdString(SaveProblem::Reason(
                                      result, SaveProblem::Action::Save, CoreText::problem))));
}

#include "moc_FileNotices.cpp"
