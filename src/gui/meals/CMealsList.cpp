// SPDX-License-Identifier: GPL-3.0-or-later
#include "meals/CMealsList.h"

#include "controls/FocusRing.h"
#include "meals/CElements.h"
#include "meals/MealAmountEditor.h"
#include "meals/MealRowPainter.h"
#include "meals/MealsListAccessible.h"
#include "platform/Clock.h"
#include "store/DayStore.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

CMealsList::CMealsList(QWidget *parent) : QAbstractItemView(parent)
{
    // Before anything below makes a reader ask for the list: the answer is kept for its life.
    MealsListAccessible::install();
    m_keeper = new MealDayKeeper(this);
    connect(m_keeper, &MealDayKeeper::saved, this, &CMealsList::saved);
    connect(m_keeper, &MealDayKeeper::opened, this, &CMealsList::opened);
    connect(m_keeper, &MealDayKeeper::copied, this, &CMealsList::copied);
    connect(m_keeper, &MealDayKeeper::undoable, this, &CMealsList::undoable);
    connect(m_keeper, &MealDayKeeper::replacing, this, &CMealsList::replacing);
    connect(m_keeper, &MealDayKeeper::shown, this, &CMealsList::placeRows);
    setModel(m_keeper->model());
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_Hover, false);

    m_editor = new MealAmountEditor(this);
    connect(m_editor, &MealAmountEditor::changed, m_keeper, &MealDayKeeper::ChangeAmount);
    connect(m_editor, &MealAmountEditor::refused, this, &CMealsList::amountRefused);
    connect(m_editor, &MealAmountEditor::ended, this, [this] {
        if (m_refreshWhenEdited)
            RefreshFromFile();
    });

    setAccessibleName(tr("Meals of the day"));
    setAccessibleDescription(tr("Space ticks a row, F2 changes its amount; Delete Selected "
                                "removes the ticked rows."));
    m_editor->lineEdit()->setAccessibleName(tr("Amount eaten"));
    m_focusRing = FocusRing::follow(this, viewport());

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_reloading)
            emit mealSelectionChanged();
    });
}

CMealsList::~CMealsList()
{
    // Its line edit goes with the viewport, focused maybe: an open edit is dropped then, never
    // written through a list that is half gone.
    delete m_editor;
}

void CMealsList::setStore(DayStore *store)
{
    m_keeper->setStore(store);
}

int CMealsList::editRow() const
{
    return m_editor->row();
}

QLineEdit *CMealsList::amountEditor() const
{
    return m_editor->lineEdit();
}

void CMealsList::setCurrentRow(int row)
{
    const QModelIndex index = row >= 0 && row < count() ? model()->index(row, 0) : QModelIndex();
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

bool CMealsList::isRowSelected(int row) const
{
    return selectionModel()->isRowSelected(row, QModelIndex());
}

void CMealsList::replacing()
{
    m_editor->Close();
    m_reloading = true;
    m_topBefore = topRow();
}

void CMealsList::placeRows(MealDayKeeper::Shown how, const Nutrients &totals, int selected)
{
    switch (how) {
    case MealDayKeeper::Shown::Loading:
        break;
    case MealDayKeeper::Shown::Changed:
        clearSelection();
        setCurrentRow(-1);
        [[fallthrough]];
    case MealDayKeeper::Shown::Loaded:
        if (count() > 0)
            scrollToBottom();
        break;
    case MealDayKeeper::Shown::Rebased:
        setCurrentRow(selected);
        if (selected < 0)
            clearSelection();
        verticalScrollBar()->setValue(std::min(m_topBefore, verticalScrollBar()->maximum()));
        break;
    }
    m_reloading = false;
    if (m_panel)
        m_panel->SetTotals(totals);
    viewport()->update();
}

void CMealsList::LoadMeals(const DayFiles::LocalDate &day)
{
    m_keeper->Load(day);
}

void CMealsList::RefreshFromFile()
{
    if (!m_keeper->store() || m_keeper->isLoading())
        return;
    if (m_editor->row() != -1) {
        m_refreshWhenEdited = true;
        return;
    }
    m_refreshWhenEdited = false;
    m_keeper->Refresh(currentRow());
}

void CMealsList::SaveMeals(bool skipTicked)
{
    m_keeper->Save(skipTicked);
}

void CMealsList::ClearMeals()
{
    m_keeper->Clear();
}

void CMealsList::AppendMeal(const MealEntry &entry)
{
    m_keeper->Append(entry);
}

void CMealsList::AppendMeals(const std::vector<MealEntry> &entries)
{
    m_keeper->Append(entries);
}

void CMealsList::CopyMeals(const DayFiles::LocalDate &from, const DayFiles::LocalDate &to)
{
    m_keeper->Copy(from, to);
}

void CMealsList::AppendMealsTo(const DayFiles::LocalDate &day, std::vector<MealEntry> entries)
{
    m_keeper->AppendTo(day, std::move(entries));
}

QMenu *CMealsList::ContextMenu()
{
    const DayFiles::LocalDate shown = day();
    const DayFiles::LocalDate before =
        DayFiles::LocalDateOf(DayFiles::NoonOf(shown.day - 1, shown.month, shown.year));
    const bool isToday = shown == DayFiles::LocalDateOf(Clock::now());
    const bool anyTicked = std::any_of(entries().begin(), entries().end(),
                                       [](const MealEntry &entry) { return entry.ticked; });
    auto *menu = new QMenu(this);
    if (!isToday) {
        QAction *toToday = menu->addAction(
            anyTicked ? tr("Copy ticked meals to today") : tr("Copy meals to today"), this,
            [this, anyTicked] {
                const DayFiles::LocalDate today = DayFiles::LocalDateOf(Clock::now());
                // A whole day goes from its file, which the worker reads after the writes it
                // was given: no copy of a large day's rows on the window's thread.
                if (anyTicked)
                    AppendMealsTo(today, DayStore::MealsToCopy(entries()));
                else
                    CopyMeals(day(), today);
            });
        toToday->setEnabled(!isLoading() && !entries().empty());
    }
    QAction *fromBefore = menu->addAction(tr("Copy meals from the previous day"), this,
                                          [this, before] { CopyMeals(before, day()); });
    fromBefore->setEnabled(m_keeper->store() && m_keeper->store()->HasMeals(before));
    return menu;
}

void CMealsList::contextMenuEvent(QContextMenuEvent *event)
{
    const std::unique_ptr<QMenu> menu(ContextMenu());
    menu->exec(event->globalPos());
}

int CMealsList::AppendEntry(const MealEntry &entry)
{
    const int row = m_keeper->addRow(entry);
    viewport()->update();
    return row;
}

bool CMealsList::GetSelectedContribution(Nutrients &out) const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    if (selected.isEmpty())
        return false;
    const int index = selected.first().row();
    if (index < 0 || index >= int(entries().size()))
        return false;
    out = entries()[index].contributions();
    return true;
}

void CMealsList::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    m_background.paint(painter, viewport());
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    if (isLoading()) {
        m_painter.drawNotice(painter, m_layout, tr("Loading\u2026"));
        return;
    }
    const int first = topRow();
    if (first < 0) {
        if (m_focusRing->visible())
            FocusRing::paint(painter, QRectF(viewport()->rect()));
        return;
    }
    const int bottom = viewport()->height();
    int top = 0;
    for (int index = first; index < int(entries().size()) && top < bottom; ++index) {
        m_painter.draw(painter, m_layout, entries()[index], top, viewport()->width(),
                       isRowSelected(index));
        top += MealRowLayout::ItemHeight;
    }
    if (m_focusRing->visible())
        FocusRing::paint(painter, QRectF(viewport()->rect()));
}

bool CMealsList::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QAbstractItemView::viewportEvent(event);

    // Names and units cut short on screen are shown whole in a tooltip.
    const auto *help = static_cast<QHelpEvent *>(event);
    const QPoint at = help->pos();
    const MealRowLayout::Hit hit =
        m_layout.hitTest(at.x(), at.y(), topRow(), int(entries().size()));
    QString whole;
    if (hit.entry >= 0)
        whole = m_painter.cutText(m_layout, entries()[hit.entry],
                                  hit.visibleRow * MealRowLayout::ItemHeight, viewport()->width(),
                                  isRowSelected(hit.entry), at);
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
    QAbstractItemView::mousePressEvent(event);

    const QPoint at = event->position().toPoint();
    const MealRowLayout::Hit hit =
        m_layout.hitTest(at.x(), at.y(), topRow(), int(entries().size()));
    switch (hit.part) {
    case MealRowLayout::Part::Tick:
        toggleTick(hit.entry);
        break;
    case MealRowLayout::Part::Amount:
        m_editor->Begin(hit.entry, hit.visibleRow, false);
        break;
    case MealRowLayout::Part::Row:
    case MealRowLayout::Part::None:
        break;
    }
}

void CMealsList::keyPressEvent(QKeyEvent *event)
{
    const int index = currentRow();
    if (index < 0 || index >= int(entries().size())) {
        QAbstractItemView::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
        toggleTick(index);
        return;
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        scrollTo(model()->index(index, 0));
        m_editor->Begin(index, index - topRow(), true);
        return;
    default:
        QAbstractItemView::keyPressEvent(event);
    }
}

void CMealsList::toggleTick(int index)
{
    m_keeper->toggleTick(index);
    viewport()->update();
    PaintedListAccessible::notifyChecked(this, index);
}

void CMealsList::focusInEvent(QFocusEvent *event)
{
    m_focusArriving = true;
    QAbstractItemView::focusInEvent(event);
    m_focusArriving = false;
    // Taking the focus put the keys on a row without choosing it: choose it, so that the row
    // Space and F2 work on is shown, and the next Down goes to the row below it.
    if (currentIndex().isValid() && !isRowSelected(currentRow()))
        setCurrentRow(currentRow());
    PaintedListAccessible::notifyCurrentAfterFocus(this);
}

void CMealsList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QAbstractItemView::currentChanged(current, previous);
    if (current.isValid() && !m_focusArriving)
        PaintedListAccessible::notifyCurrent(this, current.row());
}

void CMealsList::focusOutEvent(QFocusEvent *event)
{
    QAbstractItemView::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        emit focusLost();
}

#include "moc_CMealsList.cpp"
