// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WeightField.h"

#include "controls/CNoticeBar.h"
#include "export/DiaryExport.h"
#include "platform/CoreText.h"
#include "platform/NumberText.h"
#include "platform/ShownNumber.h"
#include "platform/Text8.h"
#include "platform/TypedNumber.h"
#include "store/DayStore.h"
#include "store/WeightFile.h"

#include <QLineEdit>
#include <QSignalBlocker>

WeightField::WeightField(QLineEdit *box, DayStore &store, CNoticeBar *notice, QObject *parent)
    : QObject(parent), m_box(box), m_store(store), m_notice(notice)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(SaveDelay);
    connect(&m_timer, &QTimer::timeout, this, &WeightField::save);
    connect(m_box, &QLineEdit::textChanged, this, [this] {
        if (!m_timer.isActive())
            m_timer.start();
    });
}

void WeightField::show(const DayFiles::LocalDate &day)
{
    // Typing not saved yet belongs to the day it was typed for.
    flush();
    m_day = day;
    const std::optional<float> weight = m_store.LoadWeight(day);
    m_shown = weight;
    // A weight that could not be saved yet is shown as typed, not the stored one.
    const std::string *unsaved = m_unsaved.find(day);
    // In the window's decimal mark, which the box reads back as well.
    const QString text = unsaved ? Text8::toQString(*unsaved)
                                 : (weight ? ShownNumber::fixed(*weight, 1) : QString());
    const QSignalBlocker quiet(m_box);
    m_box->setText(text);
}

void WeightField::flush()
{
    if (m_timer.isActive())
        save();
}

void WeightField::save()
{
    m_timer.stop();
    const std::string typed = Text8::fromQString(m_box->text());
    const TypedNumber number = TypedNumber::read(typed);
    const QString key = QStringLiteral("weight-typed");
    if (number.kind == TypedNumber::Kind::NotANumber) {
        m_notice->showNotice(key,
                             tr("Weight not saved: %1")
                                 .arg(CoreText::numberProblem(number, m_box->text().trimmed())));
        return;
    }
    if (number.kind == TypedNumber::Kind::Number && number.value > WeightFile::MaxTyped) {
        m_notice->showNotice(key,
                             tr("Weight not saved: \u201c%1\u201d is more than any body weight "
                                "(at most 1000)")
                                 .arg(m_box->text().trimmed()));
        return;
    }
    m_notice->clearNotice(key);
    // Stored with the point whatever the user's language.
    const std::string text =
        number.kind == TypedNumber::Kind::Number ? TypedNumber::withPoint(typed) : typed;
    const FileIo::Result result = m_store.SaveShownWeight(m_day, text, m_shown);
    if (result.problem == FileIo::Problem::Changed) {
        // Another writer stored a weight meanwhile: it is shown, and the one typed is said.
        (void)m_unsaved.record(m_day, text, FileIo::Result::success(result.file));
        m_notice->showNotice(QString::fromStdString(result.file.string()),
                             tr("Not saved: the weight %1 was typed over one stored elsewhere "
                                "meanwhile, which is shown now")
                                 .arg(Text8::toQString(text)));
        show(m_day);
        return;
    }
    if (result.ok())
        m_shown = m_store.LoadWeight(m_day);
    emit saved(m_unsaved.record(m_day, text, result));
}

void WeightField::refreshFromFile()
{
    if (m_timer.isActive() || m_unsaved.find(m_day))
        return;
    m_store.Forget(m_store.WeightFile(m_day));
    if (m_store.LoadWeight(m_day) != m_shown)
        show(m_day);
}

std::vector<FileIo::Result> WeightField::retry()
{
    return m_unsaved.retry([this](const DayFiles::LocalDate &day, const std::string &text) {
        return m_store.SaveWeight(day, text);
    });
}

std::string WeightField::unsavedText() const
{
    std::string texts;
    m_unsaved.forEach([&texts](const DayFiles::LocalDate &day, const std::string &text) {
        texts += "Weight of " + DiaryExport::IsoDate(day) + ": " + text + "\n";
    });
    return texts;
}

#include "moc_WeightField.cpp"
