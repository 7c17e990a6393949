#include "calendar/CDiary.h"

#include "layout/DialogLayout.h"
#include "platform/SkinFont.h"
#include "platform/Text8.h"
#include "skin/SkinColors.h"
#include "store/DayStore.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSignalBlocker>

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

// The editor's text as the program keeps text: 8-bit, one LF between lines.
std::string editorText(const QPlainTextEdit &edit)
{
    // The raw text keeps no-break spaces; only the break characters need mapping.
    QString text = edit.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return Text8::fromQString(text);
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
    connect(&m_saveTimer, &QTimer::timeout, this, &CDiary::FlushNote);
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
    const std::string text = editorText(*m_edit);
    emit saved(m_unsaved.record(m_day, text, m_store->SaveNote(m_day, text)));
}

void CDiary::RetryUnsaved()
{
    if (!m_store)
        return;
    const auto results =
        m_unsaved.retry([this](const DayFiles::LocalDate &day, const std::string &text) {
            return m_store->SaveNote(day, text);
        });
    for (const FileIo::Result &result : results)
        emit saved(result);
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
