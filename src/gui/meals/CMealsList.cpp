#include "meals/CMealsList.h"

#include "controls/FocusRing.h"
#include "meals/CElements.h"
#include "meals/MealsListAccessible.h"
#include "platform/NumberText.h"
#include "platform/SkinFont.h"
#include "platform/Text8.h"
#include "skin/SkinColors.h"
#include "store/DayStore.h"

#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr int MinimumEditorLength = 7;
constexpr int WheelNotch = 120;
constexpr qreal TextWidth = 1000; // wide enough that a centred amount is never cut

QRectF toRect(const MealRowLayout::Box &box)
{
    return QRectF(box.x, box.y, box.width, box.height);
}

constexpr int NameLines = 2; // a third line would be cut by the row's height
constexpr int UnitLines = 1;

struct FittedLines
{
    QStringList lines;
    bool elided = false;
};

// The text wrapped at word boundaries into at most `maxLines` lines of `width`, the last line
// ending in an ellipsis when the text goes on.
FittedLines fitLines(const QFont &font, const QString &text, qreal width, int maxLines)
{
    FittedLines fitted;
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (fitted.lines.size() == maxLines - 1) {
            const QString rest = text.mid(line.textStart()).simplified();
            const QString cut = QFontMetricsF(font).elidedText(rest, Qt::ElideRight, width);
            fitted.elided = cut != rest;
            fitted.lines << cut;
            break;
        }
        fitted.lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return fitted;
}

// Lines centred as a block in `box`, pressed a little closer when they would not fit its height.
void drawLines(QPainter &painter, const QRectF &box, const FittedLines &fitted)
{
    if (fitted.lines.isEmpty())
        return;
    const qreal count = fitted.lines.size();
    const qreal lineHeight =
        std::min<qreal>(painter.fontMetrics().lineSpacing(), box.height() / count);
    qreal y = box.top() + (box.height() - lineHeight * count) / 2;
    for (const QString &line : fitted.lines) {
        painter.drawText(QRectF(box.left(), y, box.width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, line);
        y += lineHeight;
    }
}

// Out of range doubles become infinities instead of undefined behaviour.
float toStoredAmount(double value)
{
    if (std::isfinite(value) && std::abs(value) > std::numeric_limits<float>::max())
        return value > 0 ? std::numeric_limits<float>::infinity()
                         : -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

QFont editorFont()
{
    // Arial's cell is 2288/2048 of its em, so the 19-pixel cell the editor is laid out for is
    // a 17-pixel em.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(17);
    return font;
}

} // namespace

CMealsList::CMealsList(QWidget *parent)
    : QListWidget(parent), m_tickOn(135, "LAYOUT"), m_tickOff(136, "LAYOUT"),
      m_textFont(skinFont(QStringLiteral("Arial"), 8)),
      m_selectedTextFont(skinFont(QStringLiteral("Arial"), 8, QFont::Bold, true)),
      m_amountFont(skinFont(QStringLiteral("Arial"), 16)),
      m_selectedAmountFont(skinFont(QStringLiteral("Arial"), 16, QFont::Bold, true))
{
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_Hover, false);

    m_amountEdit = new QLineEdit(viewport());
    m_amountEdit->setObjectName(QStringLiteral("amountEditor"));
    m_amountEdit->setFrame(false);
    m_amountEdit->setAlignment(Qt::AlignCenter);
    m_amountEdit->setMaxLength(MinimumEditorLength);
    m_amountEdit->setFont(editorFont());
    m_amountEdit->hide();
    m_amountEdit->installEventFilter(this);

    MealsListAccessible::install();
    setAccessibleName(tr("Meals of the day"));
    m_amountEdit->setAccessibleName(tr("Amount eaten"));
    m_focusRing = FocusRing::follow(this, viewport());

    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_reloading)
            emit mealSelectionChanged();
    });
}

void CMealsList::LoadMeals(const DayFiles::LocalDate &day)
{
    // A reload under an open editor would leave it pointing at a row that is gone.
    if (m_editRow != -1) {
        m_editRow = -1;
        m_amountEdit->hide();
    }

    m_reloading = true;
    clear();
    m_entries.clear();
    m_day = day;
    const DayStore::Meals meals = m_store ? m_store->LoadMeals(day) : DayStore::Meals();
    if (m_store) {
        const std::filesystem::path file = m_store->MealFile(day);
        emit opened(meals.readable ? FileIo::Result::success(file)
                                   : FileIo::Result::failure(file, FileIo::Problem::Unreadable));
    }
    for (const MealEntry &entry : meals.entries)
        AppendEntry(entry);
    if (count() > 0)
        scrollToBottom();
    m_reloading = false;

    if (m_panel)
        m_panel->SetTotals(meals.totals);
    viewport()->update();
}

void CMealsList::SaveMeals(bool skipTicked)
{
    if (m_store)
        emit saved(m_store->RewriteMeals(m_day, m_entries, skipTicked));
    LoadMeals(m_day);
}

void CMealsList::ClearMeals()
{
    if (m_store)
        emit saved(m_store->ClearMeals(m_day));
    LoadMeals(m_day);
}

void CMealsList::AppendMeal(const MealEntry &entry)
{
    if (m_store)
        emit saved(m_store->AppendMeal(m_day, entry));
    LoadMeals(m_day);
}

int CMealsList::AppendEntry(const MealEntry &entry)
{
    auto *item = new QListWidgetItem(Text8::toQString(entry.name));
    item->setSizeHint(QSize(1, MealRowLayout::ItemHeight));
    addItem(item);
    const int row = count() - 1;
    m_entries.push_back(entry);
    m_entries.back().listIndex = row;
    viewport()->update();
    return row;
}

bool CMealsList::GetSelectedContribution(Nutrients &out) const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    if (selected.isEmpty())
        return false;
    const int index = row(selected.first());
    if (index < 0 || index >= int(m_entries.size()))
        return false;
    out = m_entries[index].contributions();
    return true;
}

int CMealsList::topRow() const
{
    if (count() == 0)
        return -1;
    // Scrolling is by whole rows, so the scroll position is the index of the top row.
    return std::clamp(verticalScrollBar()->value(), 0, count() - 1);
}

void CMealsList::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    m_background.paint(painter, viewport());
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    const int first = topRow();
    if (first < 0) {
        if (m_focusRing->visible())
            FocusRing::paint(painter, QRectF(viewport()->rect()));
        return;
    }
    const int bottom = viewport()->height();
    int top = 0;
    for (int index = first; index < int(m_entries.size()) && top < bottom; ++index) {
        const QListWidgetItem *rowItem = item(index);
        drawRow(painter, m_entries[index], top, rowItem && rowItem->isSelected());
        top += MealRowLayout::ItemHeight;
    }
    if (m_focusRing->visible())
        FocusRing::paint(painter, QRectF(viewport()->rect()));
}

void CMealsList::drawRow(QPainter &painter, const MealEntry &entry, int top, bool selected) const
{
    painter.drawImage(QPoint(0, top), (entry.ticked ? m_tickOn : m_tickOff).image());

    const QPen textPen(QColor::fromRgba(SkinColors::Text));
    painter.setPen(textPen);
    const QFont &textFont = selected ? m_selectedTextFont : m_textFont;
    painter.setFont(textFont);
    drawLines(
        painter, toRect(m_layout.nameBox(top)),
        fitLines(textFont, Text8::toQString(entry.name), m_layout.nameBox(top).width, NameLines));
    const MealRowLayout::Box unit = m_layout.unitBox(top, viewport()->width());
    drawLines(painter, toRect(unit),
              fitLines(textFont, Text8::toQString(entry.unit), unit.width, UnitLines));

    // Half a pixel in, so the 1-pixel frame covers whole pixels.
    const QRectF frame = toRect(m_layout.amountFrame(top));
    painter.setPen(QPen(QColor::fromRgba(SkinColors::AmountCellFrame), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.translated(0.5, 0.5));

    painter.setPen(textPen);
    const QFont &amountFont = selected ? m_selectedAmountFont : m_amountFont;
    painter.setFont(amountFont);
    // A long amount is shown shorter (never stored so): it stays inside its frame.
    const QFontMetricsF metrics(amountFont);
    const qreal room = frame.width() - 2;
    QString amount =
        Text8::toQString(MealRowLayout::amountText(entry.amount, [&](const std::string &text) {
            return metrics.horizontalAdvance(Text8::toQString(text)) <= room;
        }));
    if (amount.isEmpty())
        amount = metrics.elidedText(Text8::toQString(MealRowLayout::amountText(entry.amount)),
                                    Qt::ElideRight, room);
    const qreal centre = m_layout.amountCentreX();
    painter.drawText(QRectF(centre - TextWidth / 2, top, TextWidth, TextWidth),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, amount);
}

bool CMealsList::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QListWidget::viewportEvent(event);

    // Names and units cut short on screen are shown whole in a tooltip.
    const auto *help = static_cast<QHelpEvent *>(event);
    const QPoint at = help->pos();
    const MealRowLayout::Hit hit =
        m_layout.hitTest(at.x(), at.y(), topRow(), int(m_entries.size()));
    QString whole;
    if (hit.entry >= 0) {
        const MealEntry &entry = m_entries[hit.entry];
        const int rowTop = hit.visibleRow * MealRowLayout::ItemHeight;
        const bool selected = item(hit.entry) && item(hit.entry)->isSelected();
        const QFont &font = selected ? m_selectedTextFont : m_textFont;
        const MealRowLayout::Box name = m_layout.nameBox(rowTop);
        const MealRowLayout::Box unit = m_layout.unitBox(rowTop, viewport()->width());
        if (toRect(name).contains(at)) {
            whole = Text8::toQString(entry.name);
            if (!fitLines(font, whole, name.width, NameLines).elided)
                whole.clear();
        } else if (toRect(unit).contains(at)) {
            whole = Text8::toQString(entry.unit);
            if (!fitLines(font, whole, unit.width, UnitLines).elided)
                whole.clear();
        }
    }
    if (whole.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), whole, viewport());
    return true;
}

void CMealsList::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);

    const QPoint at = event->position().toPoint();
    const MealRowLayout::Hit hit =
        m_layout.hitTest(at.x(), at.y(), topRow(), int(m_entries.size()));
    switch (hit.part) {
    case MealRowLayout::Part::Tick:
        toggleTick(hit.entry);
        break;
    case MealRowLayout::Part::Amount:
        m_editFromKeys = false;
        BeginAmountEdit(hit.entry, hit.visibleRow);
        break;
    case MealRowLayout::Part::Row:
    case MealRowLayout::Part::None:
        break;
    }
}

void CMealsList::keyPressEvent(QKeyEvent *event)
{
    const int index = currentRow();
    if (index < 0 || index >= int(m_entries.size())) {
        QListWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
        toggleTick(index);
        return;
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        scrollToItem(item(index));
        m_editFromKeys = true;
        BeginAmountEdit(index, index - topRow());
        return;
    default:
        QListWidget::keyPressEvent(event);
    }
}

void CMealsList::backToEditedRow(int index)
{
    if (std::exchange(m_editFromKeys, false) && index >= 0 && index < count())
        setCurrentRow(index);
}

void CMealsList::toggleTick(int index)
{
    m_entries[index].ticked = !m_entries[index].ticked;
    viewport()->update();
    PaintedListAccessible::notifyChecked(this, index);
}

void CMealsList::wheelEvent(QWheelEvent *event)
{
    // One row per message of at least a notch, whatever its size; smaller deltas do nothing.
    const int delta = event->angleDelta().y();
    if (std::abs(delta) >= WheelNotch) {
        QScrollBar *bar = verticalScrollBar();
        bar->setValue(bar->value() + (delta < 0 ? 1 : -1));
    }
    event->accept();
}

void CMealsList::scrollContentsBy(int dx, int dy)
{
    QListWidget::scrollContentsBy(dx, dy);
    // The background stays put while the rows move: repaint everything, not the exposed strip.
    viewport()->update();
}

void CMealsList::resizeEvent(QResizeEvent *event)
{
    QListWidget::resizeEvent(event);
    m_layout = MealRowLayout(width());
}

void CMealsList::focusOutEvent(QFocusEvent *event)
{
    QListWidget::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        emit focusLost();
}

bool CMealsList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_amountEdit)
        return QListWidget::eventFilter(watched, event);

    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const int edited = m_editRow;
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            CommitAmountEdit(CommitOn::Enter);
            // Back to the list before hiding, so the focus does not wander off to another
            // control; the editor's focus loss then finds no edit open.
            setFocus(Qt::OtherFocusReason);
            m_amountEdit->hide();
            backToEditedRow(edited);
            return true;
        }
        if (key == Qt::Key_Escape) {
            // Cancels the edit only; left to travel on, it would close the window and save
            // what was half typed on the way out.
            m_editRow = -1;
            setFocus(Qt::OtherFocusReason);
            m_amountEdit->hide();
            viewport()->update();
            backToEditedRow(edited);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // The editor's own context menu takes the focus only for a moment.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            CommitAmountEdit(CommitOn::FocusLoss);
    }
    return false;
}

void CMealsList::BeginAmountEdit(int index, int visibleRow)
{
    const MealRowLayout::Box box = m_layout.editorBox(visibleRow);
    m_amountEdit->setGeometry(box.x, box.y, box.width, box.height);
    m_amountEdit->raise();
    m_amountEdit->show();
    m_amountEdit->setFocus(Qt::MouseFocusReason);
    m_editRow = index;

    // Always one decimal, also where the row shows none. The length limit is for typing: a
    // longer stored amount is shown whole, not cut into another number.
    const QString text = Text8::toQString(NumberText::fixed(m_entries[index].amount, 1));
    m_amountEdit->setMaxLength(std::max<int>(MinimumEditorLength, text.size()));
    m_amountEdit->setText(text);
    m_amountEdit->selectAll();
}

void CMealsList::CommitAmountEdit(CommitOn reason)
{
    // Closed before anything else: saving reloads the list and moves the focus, and neither
    // may commit this edit a second time.
    const int index = std::exchange(m_editRow, -1);
    if (index < 0 || index >= int(m_entries.size())) {
        viewport()->update();
        return;
    }
    const QString text = m_amountEdit->text();
    if (reason == CommitOn::FocusLoss)
        m_amountEdit->hide();

    // The editor shows one decimal, so its text is only a rounded view of the amount: store
    // it only when the user has changed it. Compared in double precision: a value single
    // precision cannot hold (12.3) always counts as a change and rewrites the same value.
    // An amount that cannot be logged (no number, zero, negative, too large) is refused: the
    // entry keeps its old one.
    const double typed = NumberText::parse(Text8::fromQString(text));
    if (m_amountEdit->isModified() && typed != double(m_entries[index].amount)) {
        if (!IsStorableAmount(typed)) {
            emit amountRefused(text);
        } else {
            m_entries[index].amount = toStoredAmount(typed);
            SaveMeals(false);
        }
    }
    viewport()->update();
}
