// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/SkinForm.h"

#include "controls/SkinButton.h"
#include "platform/SkinFont.h"
#include "skin/SkinColors.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

constexpr int TitleHeight = 30;
constexpr int FormMargin = 14;

QString formHex(std::uint32_t argb)
{
    return QStringLiteral("#%1").arg(argb & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

} // namespace

SkinForm::SkinForm(const QString &title, const QString &commitCaption, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_title(title)
{
    setWindowTitle(title);
    setAccessibleName(title);
    setModal(true);
    // Labels are white on the blue; the problem line sits on the notice bar's amber plate.
    setStyleSheet(QStringLiteral("QLabel { color: %1; }\n"
                                 "QLabel#formProblem { background: %2; color: %3;"
                                 " border: 1px solid %4; border-radius: 3px; padding: 2px 6px; }")
                      .arg(formHex(SkinColors::Text), formHex(SkinColors::NoticePlate),
                           formHex(SkinColors::NoticeText), formHex(SkinColors::NoticeEdge)));

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(FormMargin, TitleHeight + 8, FormMargin, FormMargin - 2);
    outer->setSpacing(8);
    m_body = new QGridLayout;
    m_body->setHorizontalSpacing(6);
    m_body->setVerticalSpacing(5);
    outer->addLayout(m_body);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("formProblem"));
    m_problem->setFont(skinFont(QStringLiteral("Arial"), 9, QFont::Bold));
    m_problem->setWordWrap(true);
    m_problem->setAccessibleName(tr("Problem"));
    m_problem->hide();
    outer->addWidget(m_problem);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    m_cancel = new SkinButton(tr("Cancel"), this);
    m_commit = new SkinButton(commitCaption, this, SkinButton::Look::Green);
    for (SkinButton *button : {m_cancel, m_commit}) {
        button->setCaptionPoints(10);
        button->setMinimumWidth(84);
        buttons->addWidget(button);
    }
    outer->addLayout(buttons);
    connect(m_cancel, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(m_commit, &QAbstractButton::clicked, this, &SkinForm::tryCommit);
}

QString SkinForm::problem() const
{
    return m_problem->isHidden() ? QString() : m_problem->text();
}

void SkinForm::tryCommit()
{
    if (commit())
        accept();
}

QLabel *SkinForm::makeLabel(const QString &text, bool bold)
{
    auto *label = new QLabel(text, this);
    label->setFont(skinFont(QStringLiteral("Arial"), 10, bold ? QFont::Bold : QFont::Normal));
    return label;
}

QLineEdit *SkinForm::makeNumberBox()
{
    auto *box = new QLineEdit(this);
    box->setFixedWidth(64);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QComboBox *SkinForm::makeChoice(const QStringList &items)
{
    auto *box = new QComboBox(this);
    box->addItems(items);
    return box;
}

void SkinForm::showProblem(const QString &text, QWidget *box)
{
    m_problem->setText(text);
    m_problem->setVisible(!text.isEmpty());
    if (box)
        box->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(box))
        edit->selectAll();
    fitToContents();
}

void SkinForm::fitToContents()
{
    const QPoint centre = geometry().center();
    const bool placed = isVisible();
    layout()->activate();
    const QFontMetrics title(skinFont(QStringLiteral("Arial"), 13, QFont::Bold));
    setFixedSize(layout()->totalSizeHint().expandedTo(
        {title.horizontalAdvance(m_title) + 2 * FormMargin, 0}));
    if (placed) {
        move(centre - rect().center());
    } else if (QWidget *window = parentWidget() ? parentWidget()->window() : nullptr) {
        move(window->geometry().center() - rect().center());
    }
}

void SkinForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient page(0, 0, 0, height());
    page.setColorAt(0, QColor::fromRgba(SkinColors::PageTop));
    page.setColorAt(1, QColor::fromRgba(SkinColors::PageBottom));
    painter.fillRect(rect(), page);
    QLinearGradient header(0, 0, 0, TitleHeight);
    header.setColorAt(0, QColor::fromRgba(SkinColors::HeaderTop));
    header.setColorAt(1, QColor::fromRgba(SkinColors::WindowFill));
    painter.fillRect(QRectF(0, 0, width(), TitleHeight), header);
    painter.setPen(QColor::fromRgba(SkinColors::StripBandEdge));
    painter.drawLine(QPointF(1, TitleHeight + 0.5), QPointF(width() - 1, TitleHeight + 0.5));
    painter.setPen(QPen(QColor::fromRgba(SkinColors::WindowRim), 1.0));
    painter.drawRect(outline);
    painter.setPen(QColor::fromRgba(SkinColors::WindowRimLight));
    painter.drawRect(outline.adjusted(1, 1, -1, -1));

    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(skinFont(QStringLiteral("Arial"), 13, QFont::Bold));
    const QRectF title(FormMargin, 0, width() - 2 * FormMargin, TitleHeight);
    painter.setPen(QColor::fromRgba(SkinColors::TextShadow));
    painter.drawText(title.translated(0, 1), Qt::AlignLeft | Qt::AlignVCenter, m_title);
    painter.setPen(QColor::fromRgba(SkinColors::Text));
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, m_title);
}

void SkinForm::keyPressEvent(QKeyEvent *event)
{
    // Enter anywhere in the form saves, as the commit button would; a list open in a choice box
    // takes its own Enter before this.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (focusWidget() != m_cancel) {
            tryCommit();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void SkinForm::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && event->position().y() < TitleHeight)
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    QDialog::mousePressEvent(event);
}

void SkinForm::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragOffset && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - *m_dragOffset);
    else
        QDialog::mouseMoveEvent(event);
}

void SkinForm::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragOffset.reset();
    QDialog::mouseReleaseEvent(event);
}

#include "moc_SkinForm.cpp"
