// SPDX-License-Identifier: GPL-3.0-or-later
#include "activity/ActivityList.h"

#include "activity/ActivityForm.h"
#include "controls/CNoticeBar.h"
#include "controls/SkinButton.h"
#include "platform/TextCodec.h"
#include "store/DayStore.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

ActivityList::ActivityList(DayStore &store, CNoticeBar *notice, QWidget *follow, QPoint at,
                           int room)
    : QObject(follow), m_store(store), m_notice(notice), m_follow(follow), m_at(at), m_room(room)
{
    m_button = new SkinButton(tr("Activity\u2026"), follow->parentWidget());
    m_button->setObjectName(QStringLiteral("activityButton"));
    m_button->setAccessibleName(tr("Activity"));
    m_button->setCaptionPoints(8);
    // Reached by Tab after the page's own controls, as Quick Add is.
    m_button->setFocusPolicy(Qt::TabFocus);
    m_button->setVisible(follow->isVisible());
    follow->installEventFilter(this);
    connect(m_button, &QAbstractButton::clicked, this, &ActivityList::openForm);
}

bool ActivityList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_follow && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        m_button->setVisible(event->type() == QEvent::Show);
    return QObject::eventFilter(watched, event);
}

std::filesystem::path ActivityList::file() const
{
    return m_store.DataFilePath(m_date, ActivityDay::Extension);
}

void ActivityList::show(const DayFiles::LocalDate &day)
{
    m_date = day;
    reload();
}

QString ActivityList::rowText(const Activity &activity)
{
    return tr("%1, %2 min, %3 kcal")
        .arg(QString::fromStdString(TextCodec::ToUtf8(activity.name)),
             QString::fromStdString(ActivityDay::Figure(activity.minutes)),
             QString::fromStdString(ActivityDay::Figure(activity.calories)));
}

void ActivityList::reload()
{
    const FileIo::Result read = ActivityDay::Load(file(), m_day);
    emit opened(read);
    const QString key = QStringLiteral("activities");
    if (m_day.skippedLines() > 0)
        m_notice->showNotice(key,
                             tr("%1 of the day's activity lines could not be read; they "
                                "are kept as they are")
                                 .arg(m_day.skippedLines()));
    else
        m_notice->clearNotice(key);

    QStringList rows;
    for (const Activity &activity : m_day.activities())
        rows.append(rowText(activity));
    const QString burned = QString::fromStdString(ActivityDay::Figure(m_day.burned()));
    m_button->setText(rows.isEmpty() ? tr("Activity\u2026") : tr("Burned %1 kcal").arg(burned));
    const QString tip = rows.isEmpty() ? tr("Log what you did and the calories it burned")
                                       : rows.join(QLatin1Char('\n'));
    m_button->setToolTip(tip);
    m_button->setAccessibleDescription(tip);
    fitButton();
    emit changed();
}

void ActivityList::fitButton()
{
    // A long total, or a longer language, in a smaller caption rather than over Delete Selected.
    for (const double points : {8.0, 7.5, 7.0, 6.5}) {
        m_button->setCaptionPoints(points);
        if (m_button->sizeHint().width() <= m_room)
            break;
    }
    m_button->resize(std::min(m_button->sizeHint().width(), m_room), 16);
    m_button->move(m_at);
}

FileIo::Result ActivityList::written(const FileIo::Result &result)
{
    reload();
    // After the reading's notices: a failed write is what the bar says last.
    emit saved(result);
    return result;
}

FileIo::Result ActivityList::add(const Activity &activity)
{
    return written(ActivityDay::Append(file(), activity));
}

FileIo::Result ActivityList::remove(const Activity &activity)
{
    return written(ActivityDay::Remove(file(), activity));
}

void ActivityList::openForm()
{
    ActivityForm form(*this, m_button->window());
    form.exec();
}

#include "moc_ActivityList.cpp"
