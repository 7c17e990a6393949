#include "meals/CMealsList.h"

#include "controls/FocusRing.h"
#include "meals/CElements.h"
#include "meals/DayWriter.h"
#include "meals/MealRebase.h"
#include "meals/MealRecord.h"
#include "meals/MealRowPainter.h"
#include "meals/MealsListAccessible.h"
#include "platform/Clock.h"
#include "platform/NumberText.h"
#include "platform/Text8.h"
#include "store/DayStore.h"
#include "store/MealDayFile.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QThreadPool>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <utility>

namespace {

constexpr int MinimumEditorLength = 7;
constexpr int WheelNotch = 120;

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

// The rows as Qt's view sees them: the entries themselves, never copied.
class CMealsList::Rows : public QAbstractListModel
{
public:
    Rows(const std::vector<MealEntry> &entries, QObject *parent)
        : QAbstractListModel(parent), m_entries(entries)
    {
    }

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(m_entries.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= int(m_entries.size()))
            return {};
        if (role == Qt::DisplayRole) // for type-ahead
            return Text8::toQString(m_entries[index.row()].name);
        if (role == Qt::SizeHintRole)
            return QSize(1, MealRowLayout::ItemHeight);
        return {};
    }

    using QAbstractListModel::beginInsertRows;
    using QAbstractListModel::beginResetModel;
    using QAbstractListModel::endInsertRows;
    using QAbstractListModel::endResetModel;

private:
    const std::vector<MealEntry> &m_entries;
};

namespace {

// Freeing a large day's entries one by one takes a while: done away from the window.
void discard(std::vector<MealEntry> entries)
{
    if (entries.size() < 10000)
        return;
    QThreadPool::globalInstance()->start(
        [gone = std::make_shared<std::vector<MealEntry>>(std::move(entries))] {});
}

std::uintmax_t recordBytes(const MealEntry &entry)
{
    return MealRecord::Encode(entry).size();
}

// At least as many records as make a large day: writing them would hold the window up.
bool manyRecords(const std::vector<MealEntry> &entries)
{
    return entries.size() * MealRecord::FixedBytes >= CMealsList::LargeDayBytes;
}

} // namespace

CMealsList::CMealsList(QWidget *parent) : QAbstractItemView(parent)
{
    m_writer = new DayWriter(this);
    connect(m_writer, &DayWriter::saved, this, &CMealsList::saved);
    connect(m_writer, &DayWriter::opened, this, &CMealsList::opened);
    connect(m_writer, &DayWriter::dayRead, this,
            [this](std::uint64_t generation, const std::shared_ptr<MealDayFile::Day> &day) {
                loaded(generation, *day);
            });
    // The rows went ahead of the file: show what it really holds.
    connect(m_writer, &DayWriter::writeFailed, this,
            [this](std::uint64_t generation, const std::filesystem::path &file) {
                if (showsFile(file, generation))
                    LoadMeals(m_day);
            });
    connect(m_writer, &DayWriter::copied, this, &CMealsList::copied);
    m_writer->setShownCalories([this](const std::filesystem::path &file,
                                      std::uint64_t generation) -> std::optional<double> {
        if (!showsFile(file, generation) || m_loading)
            return std::nullopt;
        return MealRecord::DayCalories(m_entries);
    });
    m_rows = new Rows(m_entries, this);
    setModel(m_rows);
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_reloading)
            emit mealSelectionChanged();
    });
}

CMealsList::~CMealsList()
{
    // What was handed to the worker is written before the window goes.
    delete m_writer;
}

void CMealsList::setStore(DayStore *store)
{
    m_store = store;
    m_writer->setStore(store);
}

void CMealsList::setCurrentRow(int row)
{
    const QModelIndex index = row >= 0 && row < count() ? m_rows->index(row, 0) : QModelIndex();
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

bool CMealsList::isRowSelected(int row) const
{
    return selectionModel()->isRowSelected(row, QModelIndex());
}

void CMealsList::closeEditor()
{
    // A reload under an open editor would leave it pointing at a row that is gone.
    if (m_editRow != -1) {
        m_editRow = -1;
        m_amountEdit->hide();
    }
}

void CMealsList::replaceEntries(std::vector<MealEntry> entries)
{
    m_rows->beginResetModel();
    std::swap(m_entries, entries);
    m_rows->endResetModel();
    discard(std::move(entries));
}

void CMealsList::LoadMeals(const DayFiles::LocalDate &day)
{
    closeEditor();
    m_reloading = true;
    ++m_generation;
    m_large = false;
    m_loading = false;
    m_readable = true;
    m_waiting.clear();
    m_day = day;
    replaceEntries({});

    const std::filesystem::path file = m_store ? m_store->MealFile(day) : std::filesystem::path();
    if (m_store &&
        (m_writer->busy(file) || FileIo::regularFileSize(file).value_or(0) >= LargeDayBytes)) {
        startLoading(file);
        m_reloading = false;
        return;
    }

    DayStore::Meals meals = m_store ? m_store->LoadMeals(day) : DayStore::Meals();
    if (m_store)
        emit opened(meals.readable ? FileIo::Result::success(file)
                                   : FileIo::Result::failure(file, FileIo::Problem::Unreadable));
    m_readable = meals.readable;
    replaceEntries(std::move(meals.entries));
    if (count() > 0)
        scrollToBottom();
    m_reloading = false;

    if (m_panel)
        m_panel->SetTotals(meals.totals);
    viewport()->update();
}

void CMealsList::startLoading(const std::filesystem::path &file)
{
    m_large = true;
    m_loading = true;
    m_wholeEnd.reset();
    m_totals = {};
    if (m_panel)
        m_panel->SetTotals(m_totals);
    viewport()->update();
    m_writer->read(file, m_generation);
}

void CMealsList::loaded(std::uint64_t generation, MealDayFile::Day &day)
{
    if (generation != m_generation) {
        discard(std::move(day.entries));
        return; // another day, or a reload, since
    }
    m_reloading = true;
    m_loading = false;
    m_readable = day.readable;
    const std::filesystem::path file = m_store->MealFile(m_day);
    emit opened(day.readable ? FileIo::Result::success(file)
                             : FileIo::Result::failure(file, FileIo::Problem::Unreadable));
    m_totals = day.totals;
    m_wholeEnd = day.wholeBytes;
    replaceEntries(std::move(day.entries));
    // Their appends were queued after this read; each left the file ending on a whole record.
    for (const MealEntry &entry : std::exchange(m_waiting, {})) {
        if (!m_readable)
            break;
        AppendEntry(entry);
        *m_wholeEnd += recordBytes(entry);
        const Nutrients added = entry.contributions();
        for (int k = 0; k < Nutrient::Count; ++k)
            m_totals[k] += added[k];
    }
    m_reloading = false;
    showChanged();
}

bool CMealsList::showsFile(const std::filesystem::path &file, std::uint64_t generation) const
{
    return m_store && generation == m_generation && file == m_store->MealFile(m_day);
}

void CMealsList::CopyMeals(const DayFiles::LocalDate &from, const DayFiles::LocalDate &to)
{
    if (!m_store)
        return;
    const std::filesystem::path source = m_store->MealFile(from);
    const bool inOrder = m_writer->busy(source) || m_writer->busy(m_store->MealFile(to)) ||
        FileIo::regularFileSize(source).value_or(0) >= LargeDayBytes;
    if (inOrder) {
        // Read and written by the worker, after what it was given before; a day shown is read
        // there again once the copy is in it.
        m_writer->copy(from, to, true, m_generation);
        if (to == m_day)
            LoadMeals(m_day);
        return;
    }
    if (to != m_day) {
        m_writer->copy(from, to, false, m_generation);
        return;
    }
    const DayStore::Meals meals = m_store->LoadMeals(from);
    if (!meals.readable)
        emit opened(FileIo::Result::failure(source, FileIo::Problem::Unreadable));
    else
        AppendMeals(meals.entries);
    emit copied();
}

void CMealsList::AppendMealsTo(const DayFiles::LocalDate &day, std::vector<MealEntry> entries)
{
    if (!m_store || entries.empty())
        return;
    if (day == m_day) {
        AppendMeals(entries);
        emit copied();
        return;
    }
    const bool queued = m_writer->busy(m_store->MealFile(day)) || manyRecords(entries);
    m_writer->append(day, entries, queued, m_generation, std::nullopt, true);
}

void CMealsList::showChanged()
{
    closeEditor();
    m_reloading = true;
    for (MealEntry &entry : m_entries)
        entry.ticked = false;
    clearSelection();
    setCurrentRow(-1);
    if (count() > 0)
        scrollToBottom();
    m_reloading = false;
    if (m_panel)
        m_panel->SetTotals(m_totals);
    viewport()->update();
}

void CMealsList::appendLarge(const std::vector<MealEntry> &entries)
{
    const std::optional<std::uintmax_t> end = m_loading ? std::nullopt : m_wholeEnd;
    m_writer->append(m_day, entries, true, m_generation, end);
    if (m_loading) {
        m_waiting.insert(m_waiting.end(), entries.begin(), entries.end());
        return;
    }
    // A day that could not be read gets no row: the append fails and says why.
    if (!m_readable)
        return;
    for (const MealEntry &entry : entries) {
        AppendEntry(entry);
        if (m_wholeEnd)
            *m_wholeEnd += recordBytes(entry);
        // One more term at the end of the sums, as a reload would add it.
        const Nutrients added = entry.contributions();
        for (int k = 0; k < Nutrient::Count; ++k)
            m_totals[k] += added[k];
    }
    showChanged();
}

void CMealsList::removeTickedLarge()
{
    if (m_loading)
        return; // no rows yet, none ticked
    if (!m_readable) {
        emit saved(FileIo::Result::failure(m_store->MealFile(m_day), FileIo::Problem::Unreadable));
        showChanged();
        return;
    }
    const std::size_t before = m_entries.size();
    std::vector<std::size_t> removed;
    for (std::size_t i = 0; i < before; ++i) {
        if (m_entries[i].ticked)
            removed.push_back(i);
    }
    if (!removed.empty()) {
        DayWriter::Rewrite change;
        change.kind = DayWriter::Rewrite::Kind::RemoveTicked;
        change.removed = std::move(removed);
        change.expected = before;
        m_writer->rewrite(m_day, change, m_entries, true, m_generation);
        // In place: a second vector of a large day would cost more than the moves.
        m_rows->beginResetModel();
        std::size_t kept = 0;
        for (std::size_t i = 0; i < before; ++i) {
            MealEntry &entry = m_entries[i];
            if (entry.ticked) {
                if (m_wholeEnd)
                    *m_wholeEnd -= recordBytes(entry);
                continue;
            }
            if (kept != i)
                m_entries[kept] = std::move(entry);
            m_entries[kept].listIndex = int(kept);
            ++kept;
        }
        m_entries.erase(m_entries.begin() + std::ptrdiff_t(kept), m_entries.end());
        m_rows->endResetModel();
        m_totals = MealRecord::Totals(m_entries);
    }
    showChanged();
}

void CMealsList::changeAmountLarge(int index, float amount)
{
    DayWriter::Rewrite change;
    change.kind = DayWriter::Rewrite::Kind::ChangeAmount;
    change.index = std::size_t(index);
    change.amount = amount;
    change.expected = m_entries.size();
    m_writer->rewrite(m_day, change, m_entries, true, m_generation);
    m_entries[index].amount = amount;
    m_totals = MealRecord::Totals(m_entries);
    showChanged();
}

void CMealsList::RefreshFromFile()
{
    if (!m_store || m_loading)
        return;
    if (m_editRow != -1) {
        m_refreshWhenEdited = true;
        return;
    }
    m_refreshWhenEdited = false;
    const std::filesystem::path file = m_store->MealFile(m_day);
    if (m_large || m_writer->busy(file) ||
        FileIo::regularFileSize(file).value_or(0) >= LargeDayBytes) {
        // A large day is read again on the worker, once what it was given is written.
        if (!m_writer->busy(file) &&
            FileIo::regularFileSize(file).value_or(0) != m_wholeEnd.value_or(0))
            LoadMeals(m_day);
        return;
    }
    DayStore::Meals meals = m_store->LoadMeals(m_day);
    const std::string shownImage = MealDayFile::ImageOf(m_entries);
    const std::string nowImage = MealDayFile::ImageOf(meals.entries);
    if (meals.readable == m_readable && shownImage == nowImage)
        return;
    // The rows still there keep their ticks, and the selected one stays selected.
    const std::vector<std::ptrdiff_t> match =
        MealRebase::Match(MealRebase::Records(shownImage), MealRebase::Records(nowImage));
    const int selected = currentRow();
    int stillSelected = -1;
    for (std::size_t i = 0; i < match.size() && i < m_entries.size(); ++i) {
        if (match[i] < 0)
            continue;
        meals.entries[std::size_t(match[i])].ticked = m_entries[i].ticked;
        if (int(i) == selected)
            stillSelected = int(match[i]);
    }
    const int top = topRow();
    m_reloading = true;
    m_readable = meals.readable;
    replaceEntries(std::move(meals.entries));
    setCurrentRow(stillSelected);
    if (stillSelected < 0)
        clearSelection();
    verticalScrollBar()->setValue(std::min(top, verticalScrollBar()->maximum()));
    m_reloading = false;
    if (m_panel)
        m_panel->SetTotals(meals.totals);
    viewport()->update();
}

void CMealsList::SaveMeals(bool skipTicked)
{
    if (m_large && skipTicked) {
        removeTickedLarge();
        return;
    }
    if (skipTicked) {
        DayWriter::Rewrite change;
        change.kind = DayWriter::Rewrite::Kind::RemoveTicked;
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            if (m_entries[i].ticked)
                change.removed.push_back(i);
        }
        change.expected = m_entries.size();
        m_writer->rewrite(m_day, change, m_entries, false, m_generation);
    }
    LoadMeals(m_day);
}

void CMealsList::ClearMeals()
{
    if (m_large) {
        // Whatever is still being read is gone with the file.
        ++m_generation;
        m_loading = false;
        m_readable = true;
        m_waiting.clear();
        m_writer->rewrite(m_day, DayWriter::Rewrite {}, {}, true, m_generation);
        replaceEntries({});
        m_wholeEnd = 0;
        m_totals = {};
        showChanged();
        return;
    }
    // Only the rows shown go: entries another writer added meanwhile stay. A file that could
    // not be read shows no rows to match, and is cleared whole.
    m_writer->rewrite(m_day, DayWriter::Rewrite {},
                      m_readable ? m_entries : std::vector<MealEntry>(), false, m_generation);
    LoadMeals(m_day);
}

void CMealsList::AppendMeal(const MealEntry &entry)
{
    if (m_large) {
        appendLarge({entry});
        return;
    }
    m_writer->appendOne(m_day, entry);
    LoadMeals(m_day);
}

void CMealsList::AppendMeals(const std::vector<MealEntry> &entries)
{
    if (entries.empty())
        return;
    if (m_large) {
        appendLarge(entries);
        return;
    }
    if (m_store && manyRecords(entries)) {
        // Too many to write while the window waits: the worker writes them and reads the day
        // back, which is a large day from then on.
        m_writer->append(m_day, entries, true, m_generation);
        LoadMeals(m_day);
        return;
    }
    m_writer->append(m_day, entries, false, m_generation);
    LoadMeals(m_day);
}

QMenu *CMealsList::ContextMenu()
{
    const DayFiles::LocalDate before =
        DayFiles::LocalDateOf(DayFiles::NoonOf(m_day.day - 1, m_day.month, m_day.year));
    const bool isToday = m_day == DayFiles::LocalDateOf(Clock::now());
    const bool anyTicked = std::any_of(m_entries.begin(), m_entries.end(),
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
                    AppendMealsTo(today, DayStore::MealsToCopy(m_entries));
                else
                    CopyMeals(m_day, today);
            });
        toToday->setEnabled(!m_loading && !m_entries.empty());
    }
    QAction *fromBefore = menu->addAction(tr("Copy meals from the previous day"), this,
                                          [this, before] { CopyMeals(before, m_day); });
    fromBefore->setEnabled(m_store && m_store->HasMeals(before));
    return menu;
}

void CMealsList::contextMenuEvent(QContextMenuEvent *event)
{
    const std::unique_ptr<QMenu> menu(ContextMenu());
    menu->exec(event->globalPos());
}

int CMealsList::AppendEntry(const MealEntry &entry)
{
    const int row = count();
    m_rows->beginInsertRows(QModelIndex(), row, row);
    m_entries.push_back(entry);
    m_entries.back().listIndex = row;
    m_rows->endInsertRows();
    viewport()->update();
    return row;
}

bool CMealsList::GetSelectedContribution(Nutrients &out) const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    if (selected.isEmpty())
        return false;
    const int index = selected.first().row();
    if (index < 0 || index >= int(m_entries.size()))
        return false;
    out = m_entries[index].contributions();
    return true;
}

int CMealsList::wholeRowsShown() const
{
    return std::max(1, viewport()->height() / MealRowLayout::ItemHeight);
}

void CMealsList::updateGeometries()
{
    QScrollBar *bar = verticalScrollBar();
    const int shown = wholeRowsShown();
    bar->setRange(0, std::max(0, count() - shown));
    bar->setSingleStep(1);
    bar->setPageStep(shown);
    QAbstractItemView::updateGeometries();
}

int CMealsList::verticalOffset() const
{
    return verticalScrollBar()->value() * MealRowLayout::ItemHeight;
}

QRect CMealsList::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != m_rows)
        return {};
    return {0, (index.row() - verticalScrollBar()->value()) * MealRowLayout::ItemHeight,
            viewport()->width(), MealRowLayout::ItemHeight};
}

QModelIndex CMealsList::indexAt(const QPoint &point) const
{
    if (point.y() < 0)
        return {};
    const int row = verticalScrollBar()->value() + point.y() / MealRowLayout::ItemHeight;
    return row < count() ? m_rows->index(row, 0) : QModelIndex();
}

void CMealsList::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    QScrollBar *bar = verticalScrollBar();
    const int row = index.row();
    const int shown = wholeRowsShown();
    switch (hint) {
    case PositionAtTop:
        bar->setValue(row);
        break;
    case PositionAtBottom:
        bar->setValue(row - shown + 1);
        break;
    case PositionAtCenter:
        bar->setValue(row - shown / 2);
        break;
    case EnsureVisible:
        if (row < bar->value())
            bar->setValue(row);
        else if (row >= bar->value() + shown)
            bar->setValue(row - shown + 1);
        break;
    }
}

QModelIndex CMealsList::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers)
{
    if (count() == 0)
        return {};
    const int current = currentIndex().isValid() ? currentIndex().row() : -1;
    int row = current;
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
        row = current < 0 ? count() - 1 : current - 1;
        break;
    case MoveDown:
    case MoveNext:
        row = current + 1;
        break;
    case MovePageUp:
        row = current - wholeRowsShown();
        break;
    case MovePageDown:
        row = current + wholeRowsShown();
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = count() - 1;
        break;
    case MoveLeft:
    case MoveRight:
        return currentIndex();
    }
    return m_rows->index(std::clamp(row, 0, count() - 1), 0);
}

void CMealsList::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    const QRect rows = rect.normalized();
    const int first = std::max(0, indexAt(QPoint(0, std::max(0, rows.top()))).row());
    const QModelIndex last = indexAt(QPoint(0, rows.bottom()));
    const int end = last.isValid() ? last.row() : count() - 1;
    if (rows.top() >= (count() - verticalScrollBar()->value()) * MealRowLayout::ItemHeight ||
        end < first) {
        selectionModel()->select(QItemSelection(), command);
        return;
    }
    selectionModel()->select(QItemSelection(m_rows->index(first, 0), m_rows->index(end, 0)),
                             command);
}

QRegion CMealsList::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    for (const QItemSelectionRange &range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            region += visualRect(m_rows->index(row, 0));
    }
    return region;
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

    if (m_loading) {
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
    for (int index = first; index < int(m_entries.size()) && top < bottom; ++index) {
        m_painter.draw(painter, m_layout, m_entries[index], top, viewport()->width(),
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
        m_layout.hitTest(at.x(), at.y(), topRow(), int(m_entries.size()));
    QString whole;
    if (hit.entry >= 0)
        whole = m_painter.cutText(m_layout, m_entries[hit.entry],
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
        scrollTo(m_rows->index(index, 0));
        m_editFromKeys = true;
        BeginAmountEdit(index, index - topRow());
        return;
    default:
        QAbstractItemView::keyPressEvent(event);
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
    QAbstractItemView::scrollContentsBy(dx, dy);
    // The background stays put while the rows move: repaint everything, not the exposed strip.
    viewport()->update();
}

void CMealsList::resizeEvent(QResizeEvent *event)
{
    QAbstractItemView::resizeEvent(event);
    m_layout = MealRowLayout(width());
}

void CMealsList::focusOutEvent(QFocusEvent *event)
{
    QAbstractItemView::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        emit focusLost();
}

bool CMealsList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_amountEdit)
        return QAbstractItemView::eventFilter(watched, event);

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
            if (m_refreshWhenEdited)
                RefreshFromFile();
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
        } else if (m_large) {
            changeAmountLarge(index, toStoredAmount(typed));
        } else if (m_store) {
            DayWriter::Rewrite change;
            change.kind = DayWriter::Rewrite::Kind::ChangeAmount;
            change.index = std::size_t(index);
            change.amount = toStoredAmount(typed);
            change.expected = m_entries.size();
            m_writer->rewrite(m_day, change, m_entries, false, m_generation);
            LoadMeals(m_day);
        }
    }
    if (m_refreshWhenEdited)
        RefreshFromFile();
    viewport()->update();
}
