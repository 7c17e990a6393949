// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that log a day: add, weight, complete, activity and note.
#include "CommandSession.h"
#include "DayCommands.h"
#include "export/DiaryExport.h"
#include "food/FoodByWords.h"
#include "food/FoodFilter.h"
#include "food/Portion.h"
#include "meals/MealRowLayout.h"
#include "meals/NutrientText.h"
#include "platform/Clock.h"
#include "platform/NumberText.h"
#include "store/ActivityDay.h"

#include <algorithm>
#include <istream>

namespace Commands {

int Session::add()
{
    if (!openDiary(true) || !loadFoods())
        return Failed;
    const std::string &wanted = m_command.text;

    // The name as the list shows it; A to Z in either case when that leaves one food. An own
    // food named exactly as a food of the database is two foods of that name.
    std::optional<int> food;
    std::vector<int> exact, folded;
    const std::string wantedLower = FoodFilter::Lowered(wanted);
    for (int i = 0; i < m_foods.recordCount(); ++i) {
        const std::string name = TextCodec::ToUtf8(m_foods.name(i));
        if (name == wanted)
            exact.push_back(i);
        else if (FoodFilter::Lowered(name) == wantedLower)
            folded.push_back(i);
    }
    // A recipe is found as a food is; saving one refuses a food's name.
    const Recipe *recipe = m_recipes.find(wanted);
    const bool recipeExact = recipe && TextCodec::ToUtf8(recipe->name) == wanted;
    if (exact.size() == 1 && !recipeExact)
        food = exact.front();
    else if (exact.empty() && (recipeExact || (recipe && folded.empty())))
        return RecipeCommands::Log(*recipe, m_command, diary());
    else if (exact.empty() && folded.size() == 1 && !recipe)
        food = folded.front();
    if (!food && recipe)
        return fail(CommandLine::InQuotes(wanted) + " names a food and your recipe " +
                    CommandLine::InQuotes(TextCodec::ToUtf8(recipe->name)) +
                    ", so nothing is logged; save the recipe under another name");
    // Else the words as the search finds them, recipes among the foods as the list shows them,
    // when one is clearly the best match.
    std::vector<int> matches = exact.empty() ? folded : exact;
    bool unclear = false;
    bool recipesListed = false;
    if (!food && exact.empty() && folded.empty()) {
        m_foods.addUserFoods(m_recipes.records());
        recipesListed = true;
        const FoodByWords::Choice choice = FoodByWords::Find(m_foods, wanted, m_command.unit);
        if (choice.record >= 0 && isRecipe(choice.record))
            return RecipeCommands::Log(*m_recipes.find(m_foods.name(choice.record)), m_command,
                                       diary());
        if (choice.record >= 0)
            food = choice.record;
        unclear = choice.candidates.size() > 1;
        matches = choice.candidates;
    }
    if (!food) {
        std::string message;
        if (unclear) {
            message = CommandLine::InQuotes(wanted) +
                " could be more than one food, so nothing is logged; give more of the name:";
        } else if (exact.size() > 1) {
            const bool own = std::any_of(exact.begin(), exact.end(),
                                         [&](int index) { return m_foods.isUserFood(index); });
            message = CommandLine::InQuotes(wanted) +
                " names more than one food, so nothing is logged" +
                (own ? "; rename your own food to tell them apart:" : ":");
        } else if (folded.size() > 1) {
            message = CommandLine::InQuotes(wanted) +
                " names more than one food; give one of them exactly:";
        } else {
            // The recipes are suggested too, as the search lists them.
            if (!recipesListed)
                m_foods.addUserFoods(m_recipes.records());
            matches = search(wanted, true);
            message = "no food is called " + CommandLine::InQuotes(wanted);
            message += matches.empty() ? "; look for it with: corvalo-cli search WORDS"
                                       : "; the closest matches are:";
        }
        if (matches.size() > std::size_t(CloseMatches))
            matches.resize(std::size_t(CloseMatches));
        for (const int index : matches) {
            message += "\n  " + TextCodec::ToUtf8(m_foods.name(index));
            if (isRecipe(index))
                message += " (your recipe)";
            else if (m_foods.isUserFood(index))
                message += " (your own food)";
        }
        return fail(message);
    }

    const FoodRecord record = m_foods.record(*food);
    const FoodUnits units = record.units();
    std::optional<int> unit;
    for (int i = 0; i < units.count && !unit; ++i) {
        if (TextCodec::ToUtf8(units.items[std::size_t(i)].name) == m_command.unit)
            unit = i;
    }
    const std::vector<int> named = FoodByWords::Units(units, m_command.unit);
    if (!unit && named.size() == 1)
        unit = named.front();
    if (!unit && m_command.unit.empty() && units.count == 1)
        unit = 0;
    if (!unit) {
        const std::string food = CommandLine::InQuotes(TextCodec::ToUtf8(record.name()));
        if (m_command.unit.empty())
            return fail("give the unit after the amount; the units of " + food +
                        " are: " + unitList(units));
        if (named.size() > 1) {
            FoodUnits some;
            for (const int i : named)
                some.items[std::size_t(some.count++)] = units.items[std::size_t(i)];
            return fail(CommandLine::InQuotes(m_command.unit) + " could be more than one unit of " +
                        food + ", so nothing is logged: " + unitList(some));
        }
        return fail(CommandLine::InQuotes(m_command.unit) + " is not a unit of " + food +
                    "; its units are: " + unitList(units));
    }

    // As the window's Add: the unit's name as the unit box holds it, the amount as typed.
    const FoodUnit &chosen = units.items[std::size_t(*unit)];
    const std::string unitName = TextCodec::ToUtf8(chosen.name);
    const MealEntry entry = Portion::MakeEntry(record.name(), record.nutrients(), chosen.factor,
                                               NumberText::parse(m_command.amount), unitName);
    const Day day = *m_command.date;
    if (const FileIo::Result saved = m_store->AppendMeal(day, entry); !saved.ok())
        return fail(failure(saved, SaveProblem::Action::Save));
    m_context.out << "Added to " << DiaryExport::IsoDate(day) << ": "
                  << MealRowLayout::amountText(entry.amount) << ' ' << unitName << ' '
                  << TextCodec::ToUtf8(record.name()) << '\n';
    return Done;
}

int Session::weight()
{
    if (!openDiary(bool(m_command.weight)))
        return Failed;
    const Day day = *m_command.date;
    const std::string date = DiaryExport::IsoDate(day);
    if (m_command.weight) {
        if (const FileIo::Result saved = m_store->SaveWeight(day, *m_command.weight); !saved.ok())
            return fail(failure(saved, SaveProblem::Action::Save));
    }
    const std::optional<float> stored = m_store->LoadWeight(day);
    if (!stored) {
        // A pipe, a folder or a device in its place is no day without a weight.
        if (const FileIo::Result read = DiaryExport::Unreadable(m_store->WeightFile(day));
            !read.ok())
            return fail("the weight of " + date + " could not be read (" +
                        SaveProblem::Reason(read, SaveProblem::Action::Load) + ")");
        if (FileIo::regularFileSize(m_store->WeightFile(day)).value_or(0) > 0)
            return fail("the weight of " + date + " could not be read");
        if (m_command.weight)
            return fail("the weight of " + date + " was not stored");
        m_context.err << CommandLine::Program << ": " << date << " has no weight\n";
        return Done;
    }
    m_context.out << NumberText::fixed(*stored, 1) << '\n';
    return Done;
}

int Session::complete()
{
    if (!openDiary(bool(m_command.complete)))
        return Failed;
    return DayCommands::Complete(m_command, diary());
}

int Session::activity()
{
    if (!openDiary(bool(m_command.activity)))
        return Failed;
    return DayCommands::Activity(m_command, diary());
}

int Session::note()
{
    const bool writing = m_command.note || m_command.noteFromInput;
    if (!openDiary(writing))
        return Failed;
    if (writing)
        return writeNote();
    const Day day = *m_command.date;
    const NoteFile::Note note = m_store->LoadNote(day);
    if (note.state == NoteFile::Note::State::Unreadable) {
        return fail(
            "the note of " + DiaryExport::IsoDate(day) + " could not be read (" +
            SaveProblem::Reason(FileIo::readable(m_store->NoteFile(day), NoteFile::MaxBytes),
                                SaveProblem::Action::Load) +
            ")");
    }
    if (note.text.empty())
        return Done;
    const std::string text = TextCodec::ToUtf8(note.text);
    m_context.out << text;
    if (text.back() != '\n')
        m_context.out << '\n';
    return Done;
}

int Session::writeNote()
{
    const Day day = *m_command.date;
    const std::string date = DiaryExport::IsoDate(day);
    std::string text = m_command.note.value_or(std::string());
    if (m_command.noteFromInput) {
        if (!m_context.in)
            return fail("the note cannot be read from standard input");
        // Read up to one byte more than a note may hold, which tells a text too long for one.
        char chunk[65536];
        while (text.size() <= NoteFile::MaxBytes &&
               m_context.in->read(chunk, sizeof chunk).gcount() > 0)
            text.append(chunk, std::size_t(m_context.in->gcount()));
        if (m_context.in->bad())
            return fail("the note could not be read from standard input");
        if (text.size() > NoteFile::MaxBytes)
            return fail("the text is too long for a note; nothing is written");
    }
    const NoteFile::Note before = m_store->LoadNote(day);
    if (before.state == NoteFile::Note::State::Unreadable)
        return fail("the note of " + date +
                    " could not be read, so it is not replaced; nothing is written");
    // A text another writer stores between the look and the write is kept beside the note.
    const NoteWrite write = DayStore::WriteNote(m_store->NoteFile(day), text, {before.fingerprint});
    m_store->NoteWritten(write);
    if (!write.result.ok())
        return fail(failure(write.result, SaveProblem::Action::Save));
    m_context.out << "Wrote the note of " << date << '\n';
    // Replaced by the user's own wish, but not out of sight: its start at least.
    if (!before.text.empty() && before.text != text) {
        constexpr std::size_t shown = 2000;
        std::string replaced = TextCodec::ToUtf8(before.text.substr(0, shown));
        if (before.text.size() > shown)
            replaced += "\n[" + std::to_string(before.text.size() - shown) + " more bytes]";
        warn("the note it replaces was:\n" + replaced);
    }
    if (!write.keptAside.empty())
        warn("another note was stored meanwhile; it is kept in " + write.keptAside.string());
    return Done;
}

} // namespace Commands
