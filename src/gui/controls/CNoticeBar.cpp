// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CNoticeBar.h"

#include "controls/AccessibleRole.h"
#include "platform/SkinFont.h"
#include "skin/SkinColors.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int Margin = 4; // between the frame and the mark, the text and the cross
constexpr int CrossSize = 14;

QColor color(std::uint32_t argb)
{
    return QColor::fromRgba(argb);
}

} // namespace

CNoticeBar::CNoticeBar(QWidget *parent)
    : QWidget(parent), m_font(skinFont(QStringLiteral("Arial"), 9, QFont::Bold))
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    AccessibleRole::set(this, QAccessible::AlertMessage);
    hide();
}

void CNoticeBar::showNotice(const QString &key, const QString &text, const QString &tail)
{
    for (qsizetype i = 0; i < m_notices.size(); ++i)
        if (m_notices[i].key == key) {
            m_notices.remove(i);
            break;
        }
    m_notices.append({key, text, tail});
    refresh();
}

void CNoticeBar::clearNotice(const QString &key)
{
    for (qsizetype i = 0; i < m_notices.size(); ++i)
        if (m_notices[i].key == key) {
            m_notices.remove(i);
            refresh();
            return;
        }
}

void CNoticeBar::clearAll()
{
    m_notices.clear();
    refresh();
}

bool CNoticeBar::hasNotice(const QString &key) const
{
    for (const Notice &notice : m_notices)
        if (notice.key == key)
            return true;
    return false;
}

QString CNoticeBar::text() const
{
    return m_notices.isEmpty() ? QString() : m_notices.last().whole();
}

QString CNoticeBar::displayedText() const
{
    const QFontMetrics metrics(m_font);
    if (m_notices.isEmpty() || m_notices.last().tail.isEmpty()) {
        // The middle goes first: the start says what failed, the end names the file.
        return metrics.elidedText(text(), Qt::ElideMiddle, textRect().width());
    }
    const Notice &notice = m_notices.last();
    const QString tail = QLatin1Char(' ') + notice.tail;
    const int room = textRect().width() - metrics.horizontalAdvance(tail);
    return metrics.elidedText(notice.text, Qt::ElideRight, qMax(0, room)) + tail;
}

QRect CNoticeBar::markRect() const
{
    const int side = qMin(height() - 2 * Margin, CrossSize);
    return {Margin + 2, (height() - side) / 2, side, side};
}

QRect CNoticeBar::closeRect() const
{
    return {width() - Margin - CrossSize, (height() - CrossSize) / 2, CrossSize, CrossSize};
}

QRect CNoticeBar::textRect() const
{
    const int left = markRect().right() + 1 + Margin + 2;
    const int right = closeRect().left() - Margin;
    return {left, 0, qMax(0, right - left), height()};
}

QSize CNoticeBar::sizeHint() const
{
    return {624, 22};
}

void CNoticeBar::refresh()
{
    if (m_notices.isEmpty()) {
        setToolTip(QString());
        m_closeHover = false;
        hide();
        return;
    }
    // The tooltip holds every notice still standing, the latest first.
    QStringList lines;
    for (qsizetype i = m_notices.size() - 1; i >= 0; --i)
        lines.append(m_notices[i].whole());
    if (const auto hint = m_actionHints.constFind(currentKey()); hint != m_actionHints.cend())
        lines.prepend(*hint + QLatin1Char(':'));
    setToolTip(lines.join(QLatin1Char('\n')));
    setAccessibleName(text());
    setAccessibleDescription(lines.join(QLatin1Char('\n')));
    show();
    if (parentWidget())
        raise(); // above whatever page shares its place
    // Read out at once, as the bar never takes the focus.
    if (QAccessible::isActive()) {
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }

    update();
}

void CNoticeBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF plate = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(color(SkinColors::NoticeEdge), 1));
    painter.setBrush(color(SkinColors::NoticePlate));
    painter.drawRoundedRect(plate, 5, 5);

    // The mark: a dark disc with an exclamation mark in the plate's colour.
    const QRectF mark = markRect();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color(SkinColors::NoticeText));
    painter.drawEllipse(mark);
    QPen stroke(color(SkinColors::NoticePlate), 2, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(stroke);
    const double x = mark.center().x();
    painter.drawLine(QPointF(x, mark.top() + mark.height() * 0.25),
                     QPointF(x, mark.top() + mark.height() * 0.55));
    painter.drawPoint(QPointF(x, mark.top() + mark.height() * 0.76));

    painter.setFont(m_font);
    painter.setPen(color(SkinColors::NoticeText));
    painter.drawText(textRect(), Qt::AlignLeft | Qt::AlignVCenter, displayedText());

    const QRectF cross = QRectF(closeRect()).adjusted(3.5, 3.5, -3.5, -3.5);
    if (m_closeHover) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(color(SkinColors::NoticeEdge));
        painter.drawRoundedRect(QRectF(closeRect()), 3, 3);
    }
    stroke.setColor(color(SkinColors::NoticeText));
    stroke.setWidthF(1.6);
    painter.setPen(stroke);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
}

void CNoticeBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && closeRect().contains(event->position().toPoint())) {
        clearAll();
        emit dismissed();
        return;
    }
    if (event->button() == Qt::LeftButton && !m_notices.isEmpty()) {
        emit activated(m_notices.last().key);
        return;
    }
    QWidget::mousePressEvent(event);
}

void CNoticeBar::setActionable(const QString &key, const QString &hint)
{
    m_actionHints.insert(key, hint);
    refresh();
}

QString CNoticeBar::currentKey() const
{
    return m_notices.isEmpty() ? QString() : m_notices.last().key;
}

void CNoticeBar::mouseMoveEvent(QMouseEvent *event)
{
    const bool hover = closeRect().contains(event->position().toPoint());
    if (hover != m_closeHover) {
        m_closeHover = hover;
        update(closeRect());
    }
    setCursor(hover || m_actionHints.contains(currentKey()) ? Qt::PointingHandCursor
                                                            : Qt::ArrowCursor);
    QWidget::mouseMoveEvent(event);
}

void CNoticeBar::leaveEvent(QEvent *event)
{
    if (m_closeHover) {
        m_closeHover = false;
        unsetCursor();
        update(closeRect());
    }
    QWidget::leaveEvent(event);
}

#include "moc_CNoticeBar.cpp"
