// SPDX-License-Identifier: GPL-3.0-or-later
#include "meals/MealDayKeeper.h"

#include "meals/DayWriter.h"
#include "meals/MealRebase.h"
#include "meals/MealRecord.h"
#include "meals/MealRowLayout.h"
#include "platform/Text8.h"
#include "store/DayStore.h"
#include "store/MealDayFile.h"

#include <QAbstractListModel>
#include <QSize>
#include <QThreadPool>
#include <memory>
#include <string>
#include <utility>

// The rows as Qt's view sees them: the entries themselves, never copied.
class MealDayKeeper::Rows : public QAbstractListModel
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
    return entries.size() * MealRecord::FixedBytes >= MealDayKeeper::LargeDayBytes;
}

FileIo::Result openResult(const std::filesystem::path &file, bool readable)
{
    return readable ? FileIo::Result::success(file)
                    : FileIo::Result::failure(file, FileIo::Problem::Unreadable);
}

} // namespace

MealDayKeeper::MealDayKeeper(QObject *parent) : QObject(parent)
{
    m_rows = new Rows(m_entries, this);
    m_writer = new DayWriter(this);
    connect(m_writer, &DayWriter::saved, this, &MealDayKeeper::saved);
    connect(m_writer, &DayWriter::opened, this, &MealDayKeeper::opened);
    connect(m_writer, &DayWriter::dayRead, this,
            [this](std::uint64_t generation, const std::shared_ptr<MealDayFile::Day> &day) {
                loaded(generation, *day);
            });
    // The rows went ahead of the file: show what it really holds.
    connect(m_writer, &DayWriter::writeFailed, this,
            [this](std::uint64_t generation, const std::filesystem::path &file) {
                if (showsFile(file, generation))
                    Load(m_day);
            });
    connect(m_writer, &DayWriter::copied, this, &MealDayKeeper::copied);
    connect(m_writer, &DayWriter::undoable, this, &MealDayKeeper::undoable);
    m_writer->setShownCalories([this](const std::filesystem::path &file,
                                      std::uint64_t generation) -> std::optional<double> {
        if (!showsFile(file, generation) || m_loading)
            return std::nullopt;
        return MealRecord::DayCalories(m_entries);
    });
}

MealDayKeeper::~MealDayKeeper()
{
    delete m_writer;
}

void MealDayKeeper::setStore(DayStore *store)
{
    m_store = store;
    m_writer->setStore(store);
}

QAbstractItemModel *MealDayKeeper::model() const
{
    return m_rows;
}

void MealDayKeeper::replaceEntries(std::vector<MealEntry> entries)
{
    m_rows->beginResetModel();
    std::swap(m_entries, entries);
    m_rows->endResetModel();
    discard(std::move(entries));
}

int MealDayKeeper::addRow(const MealEntry &entry)
{
    const int row = int(m_entries.size());
    m_rows->beginInsertRows(QModelIndex(), row, row);
    m_entries.push_back(entry);
    m_entries.back().listIndex = row;
    m_rows->endInsertRows();
    return row;
}

void MealDayKeeper::toggleTick(int index)
{
    m_entries[index].ticked = !m_entries[index].ticked;
}

void MealDayKeeper::addToTotals(const MealEntry &entry)
{
    const Nutrients added = entry.contributions();
    for (int k = 0; k < Nutrient::Count; ++k)
        m_totals[k] += added[k];
}

void MealDayKeeper::Load(const Day &day)
{
    emit replacing();
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
        return;
    }

    DayStore::Meals meals = m_store ? m_store->LoadMeals(day) : DayStore::Meals();
    if (m_store)
        emit opened(openResult(file, meals.readable));
    m_readable = meals.readable;
    replaceEntries(std::move(meals.entries));
    m_totals = meals.totals;
    emit shown(Shown::Loaded, m_totals, -1);
}

void MealDayKeeper::startLoading(const std::filesystem::path &file)
{
    m_large = true;
    m_loading = true;
    m_wholeEnd.reset();
    m_totals = {};
    emit shown(Shown::Loading, m_totals, -1);
    m_writer->read(file, m_generation);
}

void MealDayKeeper::loaded(std::uint64_t generation, MealDayFile::Day &day)
{
    if (generation != m_generation) {
        discard(std::move(day.entries));
        return; // another day, or a reload, since
    }
    emit replacing();
    m_loading = false;
    m_readable = day.readable;
    emit opened(openResult(m_store->MealFile(m_day), day.readable));
    m_totals = day.totals;
    m_wholeEnd = day.wholeBytes;
    replaceEntries(std::move(day.entries));
    // Their appends were queued after this read; each left the file ending on a whole record.
    for (const MealEntry &entry : std::exchange(m_waiting, {})) {
        if (!m_readable)
            break;
        addRow(entry);
        *m_wholeEnd += recordBytes(entry);
        addToTotals(entry);
    }
    showChanged();
}

bool MealDayKeeper::showsFile(const std::filesystem::path &file, std::uint64_t generation) const
{
    return m_store && generation == m_generation && file == m_store->MealFile(m_day);
}

void MealDayKeeper::showChanged()
{
    emit replacing();
    for (MealEntry &entry : m_entries)
        entry.ticked = false;
    emit shown(Shown::Changed, m_totals, -1);
}

void MealDayKeeper::Refresh(int selected)
{
    if (!m_store || m_loading)
        return;
    const std::filesystem::path file = m_store->MealFile(m_day);
    if (m_large || m_writer->busy(file) ||
        FileIo::regularFileSize(file).value_or(0) >= LargeDayBytes) {
        // A large day is read again on the worker, once what it was given is written.
        if (!m_writer->busy(file) &&
            FileIo::regularFileSize(file).value_or(0) != m_wholeEnd.value_or(0))
            Load(m_day);
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
    int stillSelected = -1;
    for (std::size_t i = 0; i < match.size() && i < m_entries.size(); ++i) {
        if (match[i] < 0)
            continue;
        meals.entries[std::size_t(match[i])].ticked = m_entries[i].ticked;
        if (int(i) == selected)
            stillSelected = int(match[i]);
    }
    emit replacing();
    m_readable = meals.readable;
    replaceEntries(std::move(meals.entries));
    m_totals = meals.totals;
    emit shown(Shown::Rebased, m_totals, stillSelected);
}

void MealDayKeeper::Copy(const Day &from, const Day &to)
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
            Load(m_day);
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
        Append(meals.entries);
    emit copied();
}

void MealDayKeeper::AppendTo(const Day &day, std::vector<MealEntry> entries)
{
    if (!m_store || entries.empty())
        return;
    if (day == m_day) {
        Append(entries);
        emit copied();
        return;
    }
    const bool queued = m_writer->busy(m_store->MealFile(day)) || manyRecords(entries);
    m_writer->append(day, entries, queued, m_generation, std::nullopt, true);
}

void MealDayKeeper::appendLarge(const std::vector<MealEntry> &entries)
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
        addRow(entry);
        if (m_wholeEnd)
            *m_wholeEnd += recordBytes(entry);
        addToTotals(entry);
    }
    showChanged();
}

void MealDayKeeper::removeTickedLarge()
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

void MealDayKeeper::changeAmountLarge(int index, float amount)
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

void MealDayKeeper::ChangeAmount(int index, float amount)
{
    if (m_large) {
        changeAmountLarge(index, amount);
        return;
    }
    if (!m_store)
        return;
    DayWriter::Rewrite change;
    change.kind = DayWriter::Rewrite::Kind::ChangeAmount;
    change.index = std::size_t(index);
    change.amount = amount;
    change.expected = m_entries.size();
    m_writer->rewrite(m_day, change, m_entries, false, m_generation);
    Load(m_day);
}

void MealDayKeeper::Replace(int index, const std::vector<MealEntry> &entries)
{
    if (!m_store || m_loading || index < 0 || std::size_t(index) >= m_entries.size())
        return;
    DayWriter::Rewrite change;
    change.kind = DayWriter::Rewrite::Kind::Replace;
    change.index = std::size_t(index);
    change.replacement = entries;
    change.expected = m_entries.size();
    // A large day's rows come back from its worker, read after the write.
    m_writer->rewrite(m_day, change, m_entries, m_large, m_generation);
    Load(m_day);
}

void MealDayKeeper::Save(bool skipTicked)
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
    Load(m_day);
}

void MealDayKeeper::Clear()
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
    Load(m_day);
}

void MealDayKeeper::Append(const MealEntry &entry)
{
    if (m_large) {
        appendLarge({entry});
        return;
    }
    m_writer->appendOne(m_day, entry);
    Load(m_day);
}

void MealDayKeeper::Append(const std::vector<MealEntry> &entries)
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
        Load(m_day);
        return;
    }
    m_writer->append(m_day, entries, false, m_generation);
    Load(m_day);
}

#include "moc_MealDayKeeper.cpp"
