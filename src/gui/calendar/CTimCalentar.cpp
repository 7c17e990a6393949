// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/CTimCalentar.h"

#include "calendar/DayFiles.h"
#include "calendar/DayStripAccessible.h"
#include "controls/CHoverButton.h"
#include "controls/FocusRing.h"
#include "platform/AppFolders.h"
#include "platform/Clock.h"
#include "platform/SkinFont.h"
#include "platform/Text8.h"
#include "skin/SkinColors.h"
#include "store/CompleteDays.h"
#include "store/DayStore.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <memory>
#include <optional>

namespace {

constexpr int NavigationButtonTop = 15;

// The "wave" hatch: an 8 x 8 pattern of thin waves in the hatch colour on nothing.
QBrush waveHatch()
{
    static constexpr std::uint8_t rows[8] = {0x00, 0x18, 0xA4, 0x03, 0x00, 0x18, 0xA4, 0x03};
    QImage pattern(8, 8, QImage::Format_ARGB32_Premultiplied);
    pattern.fill(Qt::transparent);
    const QColor ink = QColor::fromRgba(SkinColors::TodayHatch);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (rows[y] & (0x80 >> x))
                pattern.setPixelColor(x, y, ink);
    return QBrush(pattern);
}

std::optional<DayStripModel::Key> stripKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return DayStripModel::Key::Left;
    case Qt::Key_Right:
        return DayStripModel::Key::Right;
    case Qt::Key_Up:
        return DayStripModel::Key::Up;
    case Qt::Key_Down:
        return DayStripModel::Key::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

CTimCalentar::CTimCalentar(QWidget *parent)
    : QWidget(parent), m_selFrame(134, "ZNA4KI"), m_noteIcon(151, "ZNA4KI"), m_box(152, "ZNA4KI"),
      m_boxPressed(153, "ZNA4KI"), m_weekdayFont(skinFont(QStringLiteral("Arial"), 7)),
      m_dayFont(skinFont(QStringLiteral("Arial"), 10, QFont::Bold)),
      m_otherMonthDayFont(skinFont(QStringLiteral("Arial"), 9)), m_todayHatch(waveHatch())
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    DayStripAccessible::install();
    setAccessibleName(QCoreApplication::translate("DayStrip", "Days"));
    m_focusRing = FocusRing::follow(this, this);
    const std::int64_t now = Clock::now();
    const DayFiles::LocalDate today = DayFiles::LocalDateOf(now);
    m_day = today.day;
    m_month = today.month;
    m_year = today.year;
    m_firstDay = now - (m_dayCount / 2) * DayFiles::SecondsPerDay;

    // Named for months, they move by one day.
    m_nextButton = new CHoverButton(this);
    m_nextButton->SetupButton(131, 130, "BUTTONS");
    m_prevButton = new CHoverButton(this);
    m_prevButton->SetupButton(132, 132, "BUTTONS");
    m_nextButton->setAccessibleName(QCoreApplication::translate("DayStrip", "Next month"));
    m_prevButton->setAccessibleName(QCoreApplication::translate("DayStrip", "Previous month"));
    for (CHoverButton *button : {m_nextButton, m_prevButton}) {
        button->setFocusPolicy(Qt::TabFocus);
        button->installEventFilter(this);
    }
    connect(m_nextButton, &QAbstractButton::clicked, this,
            [this] { scroll(DayStripModel::Key::Right); });
    connect(m_prevButton, &QAbstractButton::clicked, this,
            [this] { scroll(DayStripModel::Key::Left); });
}

std::int64_t CTimCalentar::SelectedTime() const
{
    return DayFiles::NoonOf(m_day, m_month, m_year);
}

std::filesystem::path CTimCalentar::SelectedDataPath(const char *extension) const
{
    return m_store ? m_store->DataFilePath(selectedDay(), extension) : std::filesystem::path();
}

std::filesystem::path CTimCalentar::SelectedNotePath(const char *extension) const
{
    return m_store ? m_store->NoteFilePath(selectedDay(), extension) : std::filesystem::path();
}

FileIo::Result CTimCalentar::CreateDataDirectories()
{
    if (!m_store)
        return FileIo::Result::success({});
    return m_store->CreateDataDirectories(AppFolders::dataHomeFolder(),
                                          AppFolders::perUserDataFolder());
}

std::string CTimCalentar::MonthCaption() const
{
    std::tm local {};
    if (!DayFiles::LocalTime(SelectedTime(), local))
        return {};
    char buffer[128];
    const std::size_t length = std::strftime(buffer, sizeof buffer, "%B %Y", &local);
    return std::string(buffer, length);
}

void CTimCalentar::InvalidateWithErase()
{
    m_erase.request();
    update();
}

DayStripModel::Selection CTimCalentar::selection() const
{
    return {m_day, m_month, m_year, m_firstDay, m_dayCount};
}

void CTimCalentar::setSelection(const DayStripModel::Selection &selection)
{
    m_day = selection.day;
    m_month = selection.month;
    m_year = selection.year;
    m_firstDay = selection.firstDay;
}

void CTimCalentar::SelectDay(const DayFiles::LocalDate &day)
{
    const std::int64_t noon = DayFiles::NoonOf(day.day, day.month, day.year);
    setSelection({day.day, day.month, day.year, noon - (m_dayCount / 2) * DayFiles::SecondsPerDay,
                  m_dayCount});
    InvalidateWithErase();
}

void CTimCalentar::MoveSelection(DayStripModel::Key key)
{
    DayStripModel::Selection moved = selection();
    DayStripModel::MoveSelection(moved, key);
    setSelection(moved);
    InvalidateWithErase();
}

void CTimCalentar::scroll(DayStripModel::Key key)
{
    DayStripModel::Selection moved = selection();
    DayStripModel::Scroll(moved, key);
    setSelection(moved);
    InvalidateWithErase();
}

bool CTimCalentar::handleKey(int key)
{
    // As a click on the day: the window loads it again for the page the strip asks for.
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        InvalidateWithErase();
        return true;
    }
    const std::optional<DayStripModel::Key> move = stripKey(key);
    if (!move)
        return false;
    MoveSelection(*move);
    return true;
}

void CTimCalentar::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(event->key()))
        QWidget::keyPressEvent(event);
}

bool CTimCalentar::eventFilter(QObject *watched, QEvent *event)
{
    // The arrow keys work while a navigation button has the focus, too.
    // Space and Enter stay the button's own.
    if (event->type() == QEvent::KeyPress && (watched == m_nextButton || watched == m_prevButton)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        return stripKey(key) && handleKey(key);
    }
    return QWidget::eventFilter(watched, event);
}

void CTimCalentar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // A hit redraws the strip with erase, and that pass notifies the window; the release sends
    // no second notification, which would only reload the same day again.
    setFocus(Qt::MouseFocusReason);
    const QPointF point = event->position();
    for (const DayStripModel::DayCell &cell : m_cells) {
        if (!cell.rect.contains(float(point.x()), float(point.y())))
            continue;
        m_day = cell.date.day;
        m_month = cell.date.month;
        m_year = cell.date.year;
        m_page = DayStripModel::PageForClick(float(point.y()), m_cellHeight);
        InvalidateWithErase();
    }
}

void CTimCalentar::showEvent(QShowEvent *event)
{
    m_erase.request();
    QWidget::showEvent(event);
}

void CTimCalentar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_nextButton->move(width() - m_nextButton->width(), NavigationButtonTop);
    m_prevButton->move(0, NavigationButtonTop);
}

void CTimCalentar::LayoutCells()
{
    NotifyParent();
    placeCells();
}

void CTimCalentar::RefreshMarkers()
{
    placeCells();
    update();
}

QMenu *CTimCalentar::ContextMenuFor(const DayFiles::LocalDate &day)
{
    const DayFiles::LocalDate before =
        DayFiles::LocalDateOf(DayFiles::NoonOf(day.day - 1, day.month, day.year));
    const DayFiles::LocalDate today = DayFiles::LocalDateOf(Clock::now());
    auto *menu = new QMenu(this);
    QAction *fromBefore =
        menu->addAction(QCoreApplication::translate("DayStrip", "Copy meals from the previous day"),
                        this, [this, before, day] { emit copyMealsRequested(before, day); });
    fromBefore->setEnabled(m_store && m_store->HasMeals(before));
    // Today's own meals are today's already.
    if (!(day == today)) {
        QAction *toToday =
            menu->addAction(QCoreApplication::translate("DayStrip", "Copy meals to today"), this,
                            [this, day, today] { emit copyMealsRequested(day, today); });
        toToday->setEnabled(m_store && m_store->HasMeals(day));
    }
    menu->addSeparator();
    QAction *complete = menu->addAction(
        QCoreApplication::translate("DayStrip", "Day complete: all eaten is logged"), this,
        [this, day](bool on) { emit completeRequested(day, on); });
    complete->setCheckable(true);
    complete->setChecked(m_store && CompleteDays::IsComplete(*m_store, day));
    complete->setEnabled(m_store != nullptr);
    return menu;
}

void CTimCalentar::contextMenuEvent(QContextMenuEvent *event)
{
    // From the keyboard, the selected day's menu; from the mouse, the day under it.
    const bool fromKeys = event->reason() == QContextMenuEvent::Keyboard;
    const DayStripModel::DayCell *hit = nullptr;
    for (const DayStripModel::DayCell &cell : m_cells) {
        if (fromKeys ? cell.date == selectedDay()
                     : cell.rect.contains(float(event->pos().x()), float(event->pos().y())))
            hit = &cell;
    }
    if (!hit) {
        event->ignore();
        return;
    }
    const QPoint at = fromKeys
        ? mapToGlobal(QPointF(hit->rect.x, hit->rect.y + hit->rect.height).toPoint())
        : event->globalPos();
    const std::unique_ptr<QMenu> menu(ContextMenuFor(hit->date));
    menu->exec(at);
}

void CTimCalentar::placeCells()
{
    DayStripModel::MarkerSource markers;
    if (m_store) {
        markers = [store = m_store](const DayFiles::LocalDate &day) {
            return DayStripModel::Markers {store->HasMealsOrWeight(day), store->HasNote(day)};
        };
    }
    m_cells = DayStripModel::LayoutCells(selection(), width(), height(), markers);
    m_cellHeight = float(height() - 2);
    for (std::size_t i = 0; i < m_cells.size(); ++i)
        if (m_cells[i].date == selectedDay())
            PaintedListAccessible::notifyCurrent(this, int(i));
}

void CTimCalentar::NotifyParent()
{
    // The first layout pass comes with the window's first paint: the day was loaded already.
    if (!m_laidOutBefore) {
        m_laidOutBefore = true;
        return;
    }
    QMetaObject::invokeMethod(
        this, [this] { emit dayChosen(selectedDay(), m_page); }, Qt::QueuedConnection);
}

void CTimCalentar::paintEvent(QPaintEvent *)
{
    if (m_erase.consume())
        LayoutCells();
    QPainter painter(this);
    m_background.paint(painter, this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    const DayFiles::LocalDate today = DayFiles::LocalDateOf(Clock::now());
    const DayStripModel::DayCell *selected = nullptr;
    for (const DayStripModel::DayCell &cell : m_cells) {
        drawCell(painter, cell, today);
        if (!selected && cell.date.day == m_day && cell.date.month == m_month)
            selected = &cell;
    }
    // Last, so that the frame lies over the neighbouring cells.
    if (selected)
        painter.drawImage(QPointF(selected->rect.x - 4, selected->rect.y), m_selFrame.image());
    if (m_focusRing->visible())
        FocusRing::paint(painter, QRectF(rect()));
}

void CTimCalentar::drawCell(QPainter &painter, const DayStripModel::DayCell &cell,
                            const DayFiles::LocalDate &today) const
{
    const float x = cell.rect.x;
    const float w = cell.rect.width;
    const float h = m_cellHeight;
    const QRectF weekdayBox(x, 0, w, h / 4);
    const bool isToday = cell.date == today;
    if (isToday) {
        painter.fillRect(weekdayBox, m_todayHatch);
        painter.setPen(QPen(QColor::fromRgba(SkinColors::Text), 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(x, cell.rect.y, w, h - 6));
    }

    // The name goes over the hatch. Red on the skin's blue is told apart by hue only, so
    // weekend names sit on a dark plate; today's white name gets a shadow against the hatch.
    const QString weekday = Text8::toQString(cell.weekday);
    painter.setFont(m_weekdayFont);
    if (cell.weekend && !weekday.isEmpty()) {
        const QFontMetricsF metrics(m_weekdayFont);
        const qreal plateWidth = std::min<qreal>(metrics.horizontalAdvance(weekday) + 4, w - 1);
        const qreal plateHeight = std::min<qreal>(metrics.height(), weekdayBox.height());
        const QRectF plate(weekdayBox.center().x() - plateWidth / 2,
                           weekdayBox.center().y() - plateHeight / 2, plateWidth, plateHeight);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgba(SkinColors::WeekendPlate));
        painter.drawRoundedRect(plate, 2, 2);
        painter.setPen(QColor::fromRgba(SkinColors::WeekendText));
    } else if (isToday) {
        painter.setPen(QColor::fromRgba(SkinColors::TextShadow));
        painter.drawText(weekdayBox.translated(1, 1), Qt::AlignCenter, weekday);
        painter.setPen(QColor::fromRgba(SkinColors::Text));
    } else {
        painter.setPen(QColor::fromRgba(SkinColors::Text));
    }
    painter.drawText(weekdayBox, Qt::AlignCenter, weekday);

    painter.setFont(cell.date.month == m_month ? m_dayFont : m_otherMonthDayFont);
    painter.setPen(QColor::fromRgba(SkinColors::Text));
    painter.drawText(QRectF(x, h / 4 - 1, w, h / 4), Qt::AlignCenter,
                     Text8::toQString(cell.dayCaption));

    // The marker box of the page showing is pressed on the selected day.
    const bool isSelected = cell.date.day == m_day && cell.date.month == m_month;
    const auto drawTaller = [&painter](const ResourceImage &image, QPointF at) {
        painter.drawImage(QRectF(at, QSizeF(image.width(), image.height() + 1)), image.image());
    };
    const bool foodPressed = m_page == 1 && isSelected;
    if (foodPressed)
        drawTaller(m_boxPressed, QPointF(x + 1, h / 4 - 2));
    if (cell.hasData && !foodPressed)
        painter.drawImage(QPointF(x + 1, h / 4 - 1), m_box.image());
    const bool diaryPressed = m_page == 3 && isSelected;
    if (diaryPressed)
        drawTaller(m_boxPressed, QPointF(x + 1, h / 2 + 1));
    if (cell.hasNote) {
        painter.drawImage(QPointF(x + 3, h / 2 + 1), m_noteIcon.image());
        if (!diaryPressed)
            drawTaller(m_box, QPointF(x + 1, h / 2 + 1));
    }
}

#include "moc_CTimCalentar.cpp"
