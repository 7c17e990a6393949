// SPDX-License-Identifier: GPL-3.0-or-later
#include "meals/DayWriter.h"

#include "meals/MealRecord.h"
#include "platform/Clock.h"
#include "platform/Text8.h"
#include "store/MealDayFile.h"

#include <QDate>
#include <QLocale>
#include <cstddef>
#include <string>
#include <utility>

namespace {

std::ptrdiff_t recordsIn(const UndoStep::State &state)
{
    return std::ptrdiff_t(MealRecord::Decode(state.bytes).entries.size());
}

} // namespace

DayWriter::DayWriter(QObject *parent) : QObject(parent)
{
    m_worker.setMaxThreadCount(1);
}

DayWriter::~DayWriter()
{
    m_worker.waitForDone();
}

void DayWriter::read(const std::filesystem::path &file, std::uint64_t tag)
{
    m_worker.start([this, file, tag] {
        // Only the path goes to the worker: the store is not thread-safe.
        auto day = std::make_shared<MealDayFile::Day>(MealDayFile::Load(file));
        QMetaObject::invokeMethod(
            this, [this, day, tag] { emit dayRead(tag, day); }, Qt::QueuedConnection);
    });
}

void DayWriter::rewrite(const Day &day, const Rewrite &change, const std::vector<MealEntry> &rows,
                        bool queued, std::uint64_t tag)
{
    if (!m_store)
        return;
    if (!queued) {
        // Made to what the file holds now, from the rows the view showed: what another writer
        // stored meanwhile stays, and a row that is gone is not guessed at.
        switch (change.kind) {
        case Rewrite::Kind::Clear: {
            if (rows.empty()) {
                emit saved(m_store->ClearMeals(day));
                break;
            }
            std::vector<std::size_t> all(rows.size());
            for (std::size_t i = 0; i < all.size(); ++i)
                all[i] = i;
            emit saved(undoably(day, clearedText(rows.size()),
                                [&] { return m_store->RemoveMeals(day, rows, all); }));
            break;
        }
        case Rewrite::Kind::RemoveTicked:
            emit saved(undoably(day, deletedText(change.removed.size()),
                                [&] { return m_store->RemoveMeals(day, rows, change.removed); }));
            break;
        case Rewrite::Kind::ChangeAmount:
            emit saved(undoably(day, changedAmountText(), [&] {
                return m_store->ChangeMealAmount(day, rows, change.index, change.amount);
            }));
            break;
        case Rewrite::Kind::Replace: {
            emit saved(undoably(day, changedListText(), [&] {
                const DayStore::OutsideWrite ticket = m_store->BeginMealWrite(day);
                const FileIo::Result result = MealDayFile::ReplaceShown(
                    ticket.path, MealDayFile::ImageOf(rows), change.index, change.replacement);
                m_store->EndMealWrite(ticket, result, std::nullopt);
                return result;
            }));
            break;
        }
        }
        return;
    }
    switch (change.kind) {
    case Rewrite::Kind::RemoveTicked:
        queue(
            day,
            [removed = change.removed,
             before = change.expected](const std::filesystem::path &file) {
                return MealDayFile::RemoveRecords(file, removed, before);
            },
            tag, false, [](std::ptrdiff_t records) { return deletedText(std::size_t(-records)); });
        break;
    case Rewrite::Kind::ChangeAmount:
        queue(
            day,
            [index = change.index, amount = change.amount,
             expected = change.expected](const std::filesystem::path &file) {
                return MealDayFile::ChangeAmount(file, index, amount, expected);
            },
            tag, false, [](std::ptrdiff_t) { return changedAmountText(); });
        break;
    case Rewrite::Kind::Clear:
        queue(day, MealDayFile::Clear, tag, false,
              [](std::ptrdiff_t records) { return clearedText(std::size_t(-records)); });
        break;
    case Rewrite::Kind::Replace:
        queue(
            day,
            [shown = MealDayFile::ImageOf(rows), index = change.index,
             entries = change.replacement](const std::filesystem::path &file) {
                return MealDayFile::ReplaceShown(file, shown, index, entries);
            },
            tag, false, [](std::ptrdiff_t) { return changedListText(); });
        break;
    }
}

void DayWriter::append(const Day &day, const std::vector<MealEntry> &entries, bool queued,
                       std::uint64_t tag, std::optional<std::uintmax_t> end, bool copy)
{
    if (!m_store)
        return;
    if (queued) {
        queue(
            day,
            [entries, end](const std::filesystem::path &file) {
                return MealDayFile::AppendMealRecords(file, entries, end);
            },
            tag, copy,
            [day, copy](std::ptrdiff_t records) {
                return copy ? copiedText(std::size_t(records), day)
                            : addedText(std::size_t(records));
            });
        return;
    }
    const QString what = copy ? copiedText(entries.size(), day) : addedText(entries.size());
    emit saved(undoably(day, what, [&] { return m_store->AppendMeals(day, entries); }));
    if (copy)
        emit copied();
}

void DayWriter::appendOne(const Day &day, const MealEntry &entry)
{
    if (m_store)
        emit saved(undoably(day, tr("Added %1.").arg(Text8::toQString(entry.name)),
                            [&] { return m_store->AppendMeal(day, entry); }));
}

void DayWriter::copy(const Day &from, const Day &to, bool queued, std::uint64_t tag)
{
    if (!m_store)
        return;
    if (queued) {
        queue(
            to,
            [source = m_store->MealFile(from)](const std::filesystem::path &file) {
                const MealDayFile::Day day = MealDayFile::Load(source);
                if (!day.readable)
                    return FileIo::Result::failure(source, FileIo::Problem::Unreadable);
                return MealDayFile::AppendMealRecords(file, day.entries);
            },
            tag, true,
            [to](std::ptrdiff_t records) { return copiedText(std::size_t(records), to); });
        return;
    }
    const QString what = copiedText(m_store->LoadMeals(from).entries.size(), to);
    tell(undoably(to, what, [&] { return m_store->CopyMeals(from, to); }), m_store->MealFile(to));
    emit copied();
}

QString DayWriter::clearedText(std::size_t count)
{
    return count == 1 ? tr("Cleared the list of 1 meal.")
                      : tr("Cleared the list of %1 meals.").arg(count);
}

QString DayWriter::deletedText(std::size_t count)
{
    return count == 1 ? tr("Deleted 1 meal.") : tr("Deleted %1 meals.").arg(count);
}

QString DayWriter::addedText(std::size_t count)
{
    return count == 1 ? tr("Added 1 meal.") : tr("Added %1 meals.").arg(count);
}

QString DayWriter::changedAmountText()
{
    return tr("Changed an amount.");
}

QString DayWriter::changedListText()
{
    return tr("Changed the list.");
}

QString DayWriter::copiedText(std::size_t count, const Day &to)
{
    const DayFiles::LocalDate today = DayFiles::LocalDateOf(Clock::now());
    if (to == today)
        return count == 1 ? tr("Copied 1 meal to today.")
                          : tr("Copied %1 meals to today.").arg(count);
    // Short, so that the notice bar has room for the offer to undo: "7 Dec", "7. Dez."
    const QString day = QLocale().toString(QDate(to.year, to.month, to.day), tr("d MMM"));
    return count == 1 ? tr("Copied 1 meal to %1.").arg(day)
                      : tr("Copied %1 meals to %2.").arg(QString::number(count), day);
}

FileIo::Result DayWriter::undoably(const Day &day, const QString &what,
                                   const std::function<FileIo::Result()> &write)
{
    UndoStep::Done done = UndoStep::Run(m_store->MealFile(day), write);
    if (done.step)
        emit undoable(std::make_shared<const UndoStep>(std::move(*done.step)), what);
    return done.result;
}

void DayWriter::tell(const FileIo::Result &result, const std::filesystem::path &target)
{
    // A copy whose day to copy from could not be read wrote nothing: that day was not opened.
    if (!result.ok() && result.file != target)
        emit opened(result);
    else
        emit saved(result);
}

void DayWriter::queue(const Day &day, Write write, std::uint64_t tag, bool copy, Said what)
{
    const DayStore::OutsideWrite ticket = m_store->BeginMealWrite(day);
    ++m_pending[ticket.path];
    m_worker.start([this, ticket, write = std::move(write), tag, copy, what = std::move(what)] {
        // What the write changed can be taken back, as a small day's change at once can.
        UndoStep::Done done = UndoStep::Run(ticket.path, [&] { return write(ticket.path); });
        const FileIo::Result result = done.result;
        std::shared_ptr<const UndoStep> step;
        std::ptrdiff_t records = 0;
        if (done.step) {
            records = recordsIn(done.step->after()) - recordsIn(done.step->before());
            step = std::make_shared<const UndoStep>(std::move(*done.step));
        }
        // The day's calories, as the chart asks for them next, learnt here rather than by
        // reading a large day again on the window's thread; a copy that changed the file holds
        // its bytes already.
        std::optional<double> calories;
        if (copy && step) {
            calories = MealRecord::DayCalories(step->after().bytes);
        } else if (copy && result.ok()) {
            if (const std::optional<std::string> bytes = FileIo::readAll(ticket.path))
                calories = MealRecord::DayCalories(*bytes);
        }
        QMetaObject::invokeMethod(
            this,
            [this, ticket, result, calories, tag, copy, step, records, what] {
                written(ticket, result, calories, tag, copy);
                if (step)
                    emit undoable(step, what(records));
            },
            Qt::QueuedConnection);
    });
}

void DayWriter::written(const DayStore::OutsideWrite &ticket, const FileIo::Result &result,
                        std::optional<double> calories, std::uint64_t tag, bool copy)
{
    const auto pending = m_pending.find(ticket.path);
    if (pending != m_pending.end() && --pending->second == 0)
        m_pending.erase(pending);
    // The rows are the file once every write to it is done.
    if (busy(ticket.path)) {
        calories.reset();
    } else if (result.ok() && m_shownCalories) {
        if (const std::optional<double> shown = m_shownCalories(ticket.path, tag))
            calories = shown;
    }
    m_store->EndMealWrite(ticket, result, calories);
    tell(result, ticket.path);
    if (!result.ok())
        emit writeFailed(tag, ticket.path);
    if (copy)
        emit copied();
}

#include "moc_DayWriter.cpp"
