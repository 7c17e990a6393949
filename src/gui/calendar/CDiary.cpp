// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/CDiary.h"

#include "layout/DialogLayout.h"
#include "platform/SkinFont.h"
#include "platform/Text8.h"
#include "skin/SkinColors.h"
#include "store/DayStore.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <algorithm>
#include <cstdio>

namespace {

// The note box in the page's dialog units.
constexpr DialogLayout::Rect kNoteBox = DialogLayout::toPixels({77, 7, 267, 176});
// The frosted panel reaches a little beyond the text.
constexpr int kPanelMargin = 6;
constexpr qreal kPanelRadius = 8;

QString css(std::uint32_t argb)
{
    const QColor c = QColor::fromRgba(argb);
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(c.red())
        .arg(c.green())
        .arg(c.blue())
        .arg(c.alpha());
}

// Dark blue ink on light blue paper, with a slim scroll bar to match.
QString noteStyle()
{
    return QStringLiteral(R"(
QPlainTextEdit {
    background: %1;
    border: none;
    color: %2;
    selection-background-color: %3;
    selection-color: %4;
}
QScrollBar:vertical { background: transparent; width: 10px; margin: 2px 0px 2px 2px; }
QScrollBar::handle:vertical { background: %5; border-radius: 4px; min-height: 24px; }
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }
QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }
)")
        .arg(css(SkinColors::DiaryPaper), css(SkinColors::DiaryText), css(SkinColors::LightBlue),
             css(SkinColors::Text), css(SkinColors::DiaryScrollHandle));
}

// The editor's raw text as the program keeps text: 8-bit, one LF between lines. The raw text
// keeps no-break spaces; only the break characters need mapping. Line by line, so that a long
// note is never copied whole on its way.
std::string noteText(const QString &raw)
{
    std::string text;
    text.reserve(std::size_t(raw.size()));
    qsizetype start = 0;
    for (qsizetype i = 0;; ++i) {
        const bool end = i == raw.size();
        if (!end && raw[i] != QChar::ParagraphSeparator && raw[i] != QChar::LineSeparator)
            continue;
        text += Text8::fromQString(QStringView(raw).sliced(start, i - start));
        if (end)
            return text;
        text += '\n';
        start = i + 1;
    }
}

} // namespace

CDiary::CDiary(QWidget *parent) : QWidget(parent)
{
    m_edit = new QPlainTextEdit(this);
    m_edit->setObjectName(QStringLiteral("control%1").arg(NoteEditId));
    m_edit->setGeometry(kNoteBox.x, kNoteBox.y, kNoteBox.width, kNoteBox.height);
    m_edit->setStyleSheet(noteStyle());
    // A 28-pixel character cell.
    m_edit->setFont(skinFont(QStringLiteral("Comic Sans MS"), 15));
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // As in a dialog: Tab moves on, Enter starts a new line.
    m_edit->setTabChangesFocus(true);
    m_edit->setAccessibleName(tr("Diary note of the day"));
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(SaveDelay);
    connect(&m_saveTimer, &QTimer::timeout, this, &CDiary::SaveNote);
    connect(m_edit, &QPlainTextEdit::textChanged, this, &CDiary::noteEdited);
}

void CDiary::noteEdited()
{
    if (!m_store || m_edit->isReadOnly())
        return;
    m_pending = true;
    // Armed by the first unsaved key only: steady typing still reaches the file in time.
    if (!m_saveTimer.isActive())
        m_saveTimer.start();
}

void CDiary::FlushNote()
{
    if (m_pending)
        SaveNote();
    m_writer.flush();
    // The outcomes are posted already; told now, before whatever made us wait goes on.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void CDiary::hideEvent(QHideEvent *event)
{
    FlushNote();
    QWidget::hideEvent(event);
}

void CDiary::SetNoteDay(const DayFiles::LocalDate &day)
{
    // The typing belongs to the day it was typed on.
    FlushNote();
    m_day = day;
    m_notePath = m_store ? m_store->NoteFile(day) : std::filesystem::path();
    LoadNote();
}

void CDiary::LoadNote()
{
    FlushNote();
    const QSignalBlocker notAnEdit(m_edit);
    if (const std::string *unsaved = m_unsaved.find(m_day)) {
        m_edit->setPlainText(Text8::toQString(*unsaved));
        m_edit->setReadOnly(false);
        return;
    }
    const NoteFile::Note note = m_store ? m_store->LoadNote(m_day) : NoteFile::Note();
    m_known[m_notePath] = note.fingerprint;
    m_edit->setPlainText(Text8::toQString(note.text));
    // A file that could not be read shows empty; typing into it would replace it.
    const bool unreadable = note.state == NoteFile::Note::State::Unreadable;
    m_edit->setReadOnly(unreadable);
    if (m_store) {
        emit opened(unreadable ? FileIo::Result::failure(m_notePath, FileIo::Problem::Unreadable)
                               : FileIo::Result::success(m_notePath));
    }
}

void CDiary::SaveNote()
{
    m_saveTimer.stop();
    m_pending = false;
    if (!m_store || m_edit->isReadOnly())
        return;
    // Only the copy is made here; the bytes are made where they are written.
    queueSave(m_day, [raw = m_edit->document()->toRawText()] { return noteText(raw); });
}

std::string CDiary::unsavedText() const
{
    std::string out;
    m_unsaved.forEach([&out](const DayFiles::LocalDate &day, const std::string &text) {
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", day.year, day.month, day.day);
        out += std::string("Note of ") + date + ":\n" + text + "\n\n";
    });
    return out;
}

void CDiary::RetryUnsaved()
{
    if (!m_store)
        return;
    m_unsaved.forEach([this](const DayFiles::LocalDate &day, const std::string &text) {
        // A save on its way for the day carries newer typing than the kept text.
        if (!m_saving.contains(m_store->NoteFile(day)))
            queueSave(day, [text] { return text; });
    });
}

void CDiary::queueSave(const DayFiles::LocalDate &day, std::function<std::string()> text)
{
    const std::filesystem::path file = m_store->NoteFile(day);
    const std::uint64_t ticket = ++m_lastTicket;
    m_saving[file] = ticket;
    // On the writer's thread: only its own copies, and `this` only to post the outcome to.
    std::vector<std::uint64_t> accepted;
    if (const auto known = m_known.find(file); known != m_known.end())
        accepted.push_back(known->second);
    m_writer.put(
        file,
        [this, day, ticket, file, text = std::move(text), accepted, written = m_written]() mutable {
            std::string kept = text();
            // A save of this page that went before is no change by anyone else.
            if (const auto own = written->find(file); own != written->end())
                accepted.push_back(own->second);
            DayStore::NoteWrite write = DayStore::WriteNote(file, kept, accepted);
            if (write.result.ok())
                (*written)[file] = write.fingerprint;
            // Only a text that failed is kept; a saved one is let go here, not on the window's
            // thread.
            if (write.result.ok())
                kept = std::string();
            QMetaObject::invokeMethod(
                this,
                [this, day, ticket, write = std::move(write), kept = std::move(kept)] {
                    noteWritten(day, ticket, write, kept);
                },
                Qt::QueuedConnection);
        });
}

void CDiary::noteWritten(const DayFiles::LocalDate &day, std::uint64_t ticket,
                         const DayStore::NoteWrite &write, const std::string &text)
{
    const auto saving = m_saving.find(write.file);
    if (saving != m_saving.end() && saving->second == ticket)
        m_saving.erase(saving);
    if (m_store)
        m_store->NoteWritten(write);
    if (write.result.ok())
        m_known[write.file] = write.fingerprint;
    emit saved(m_unsaved.record(day, text, write.result));
    if (!write.keptAside.empty())
        emit keptAside(day, write.keptAside);
}

void CDiary::RefreshFromFile()
{
    if (!m_store || m_pending || m_saving.contains(m_notePath) || m_unsaved.find(m_day))
        return;
    const NoteFile::Note note = m_store->LoadNote(m_day);
    if (const auto known = m_known.find(m_notePath);
        known != m_known.end() && known->second == note.fingerprint)
        return;
    m_known[m_notePath] = note.fingerprint;
    const QSignalBlocker notAnEdit(m_edit);
    const int cursor = m_edit->textCursor().position();
    m_edit->setPlainText(Text8::toQString(note.text));
    QTextCursor moved = m_edit->textCursor();
    moved.setPosition(std::min(cursor, m_edit->document()->characterCount() - 1));
    m_edit->setTextCursor(moved);
    m_edit->setReadOnly(note.state == NoteFile::Note::State::Unreadable);
}

void CDiary::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_background.paint(painter, this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromRgba(SkinColors::PanelFrostEdge), 1));
    painter.setBrush(QColor::fromRgba(SkinColors::PanelFrost));
    const QRectF panel = QRectF(m_edit->geometry())
                             .adjusted(-kPanelMargin, -kPanelMargin, kPanelMargin, kPanelMargin)
                             .adjusted(0.5, 0.5, -0.5, -0.5);
    painter.drawRoundedRect(panel, kPanelRadius, kPanelRadius);
}

void CDiary::keyPressEvent(QKeyEvent *event)
{
    // The page is no dialog of its own: Enter and Escape must not reach the main window and
    // close it.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

#include "moc_CDiary.cpp"
