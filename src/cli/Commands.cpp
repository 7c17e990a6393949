// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "CommandSession.h"
#include "ConflictCommands.h"
#include "DayCommands.h"
#include "ImportCommand.h"
#include "NutritionCommands.h"
#include "RecipeCommands.h"
#include "ReportCommand.h"
#include "export/DiaryExport.h"
#include "food/FoodDatabase.h"
#include "food/FoodFilter.h"
#include "food/Portion.h"
#include "food/UserFoodTable.h"
#include "meals/MealRowLayout.h"
#include "meals/NutrientText.h"
#include "platform/Clock.h"
#include "platform/DiaryLocation.h"
#include "platform/NumberText.h"
#include "platform/TextCodec.h"
#include "store/ActivityDay.h"
#include "store/DayStore.h"
#include "store/DiarySettings.h"
#include "store/SaveProblem.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <system_error>

namespace Commands {

int Session::run()
{
    switch (m_command.kind) {
    case Kind::Search:
        return searchFoods();
    case Kind::Day:
        return showDay();
    case Kind::Add:
        return add();
    case Kind::Weight:
        return weight();
    case Kind::Note:
        return note();
    case Kind::Delete:
    case Kind::Edit:
        if (!openDiary(true))
            return Failed;
        return DayCommands::ChangeEntry(m_command, diary());
    case Kind::Export:
        return exportDays();
    case Kind::Report:
        if (!openDiary(false) || !loadFoods())
            return Failed;
        return ReportCommand::Run(
            m_command, *m_store, {m_foods, m_context.nutrients, m_ownFoods, &m_recipes},
            NutritionCommands::StoredTargets(m_root, m_command.profile, m_context.err),
            {m_context.out, m_context.err});
    case Kind::Conflicts:
        if (!openDiary(false))
            return Failed;
        return ConflictCommands::List(m_root, {m_context.out, m_context.err});
    case Kind::Merge:
        if (!openDiary(!m_command.dryRun))
            return Failed;
        if (m_command.text == "recipes")
            return ConflictCommands::MergeRecipes(m_root, m_command.dryRun,
                                                  {m_context.out, m_context.err});
        return ConflictCommands::Merge(m_root, m_command.date, m_command.dryRun, m_command.keep,
                                       {m_context.out, m_context.err});
    case Kind::Import:
        if (!openDiary(!m_command.dryRun))
            return Failed;
        return ImportCommand::Run(m_command, *m_store, {m_context.out, m_context.err});
    case Kind::Where:
        return where();
    case Kind::Recipe:
        return recipe();
    case Kind::Complete:
        return complete();
    case Kind::Activity:
        return activity();
    case Kind::Help:
    case Kind::Version:
        break;
    }
    return Done;
}

// The folder the window would use (DiaryLocation), or the one given with --data; db/ and note/
// are made in it as the window makes them when the command writes.
bool Session::openDiary(bool writing)
{
    // A command that only reads makes no folder.
    const DiaryLocation::Resolved resolved = writing
        ? DiaryLocation::Resolve(m_command.dataFolder, m_context.executableFolder,
                                 m_context.installed)
        : DiaryLocation::ResolveToRead(m_command.dataFolder, m_context.executableFolder,
                                       m_context.installed);
    if (resolved.folder.empty()) {
        fail("the data folder " + m_command.dataFolder.string() + " is not there");
        return false;
    }
    // The user named that diary for this shell: another one is not what they asked for.
    if (resolved.passedOverFrom == DiaryLocation::Source::Environment) {
        fail("CORVALO_DATA names " + resolved.passedOver.string() +
             ", which is not a folder and cannot be made one");
        return false;
    }
    if (const std::string notice = DiaryLocation::NoticeText(resolved); !notice.empty())
        warn(notice);
    m_root = resolved.folder;
    if (!resolved.writable.ok() && writing) {
        fail("the diary in " + m_root.string() +
             " cannot be written: " + SaveProblem::Reason(resolved.writable));
        return false;
    }
    m_store.emplace(m_root);
    return true;
}

int Session::where()
{
    const DiaryLocation::Resolved resolved = DiaryLocation::ResolveToRead(
        m_command.dataFolder, m_context.executableFolder, m_context.installed);
    if (resolved.folder.empty())
        return fail("the data folder " + m_command.dataFolder.string() + " is not there");
    if (const std::string notice = DiaryLocation::NoticeText(resolved); !notice.empty())
        warn(notice);
    m_context.out << resolved.folder.string() << '\n' << DiaryLocation::SourceText(resolved.source);
    if (resolved.source == DiaryLocation::Source::Chosen)
        m_context.out << " (remembered in " << DiaryLocation::ChoiceFile().string() << ')';
    m_context.out << '\n';
    if (!resolved.writable.ok())
        warn("the diary cannot be written: " + SaveProblem::Reason(resolved.writable));
    return Done;
}

// The database built into the program, and the user's own foods merged in as the window does.
bool Session::loadFoods()
{
    if (!m_foods.load(m_context.foods, m_context.foodTable)) {
        if (m_foods.recordCount() == 0) {
            fail("the food database built into the program cannot be read");
            return false;
        }
        warn("the food database built into the program is damaged; only " +
             std::to_string(m_foods.recordCount()) + " foods could be read");
    }
    UserFoodTable table;
    const FileIo::Result read = table.load(m_root / UserFoodTable::FileName);
    if (!read.ok())
        warn(failure(read, SaveProblem::Action::Load));
    m_foods.addUserFoods(table.records());
    m_ownFoods = NutrientLookup::ownFoodsOf(table);
    if (const std::string skipped = table.skippedNotice(); !skipped.empty())
        warn(skipped);
    m_recipesRead = m_recipes.load(m_store->RecipesFile());
    if (!m_recipesRead.ok())
        warn(failure(m_recipesRead, SaveProblem::Action::Load));
    if (const std::string skipped = m_recipes.skippedNotice(); !skipped.empty())
        warn(skipped);
    return true;
}

std::vector<int> Session::search(std::string_view text, bool bestMatchesFirst,
                                 std::size_t *exact) const
{
    FoodFilter filter(m_foods);
    filter.setBestMatchesFirst(bestMatchesFirst);
    filter.setTypedText(text);
    std::vector<int> records;
    records.reserve(std::size_t(filter.rowCount()));
    for (int row = 0; row < filter.rowCount(); ++row) {
        records.push_back(filter.recordForRow(row));
        if (exact && !filter.isCloseMatch(row))
            *exact = records.size();
    }
    return records;
}

bool Session::isRecipe(int index) const
{
    const std::string_view name = m_foods.name(index);
    const Recipe *recipe = m_recipes.find(name);
    return recipe && m_foods.isUserFood(index) && recipe->name == name;
}

int Session::searchFoods()
{
    if (!openDiary(false) || !loadFoods())
        return Failed;
    // The recipes among the foods, as the window lists them; a third field marks them, so the
    // first two mean what they always did.
    m_foods.addUserFoods(m_recipes.records());
    // The order the window uses on this diary, unless the command says.
    bool bestFirst = true;
    if (m_command.bestMatchesFirst) {
        bestFirst = *m_command.bestMatchesFirst;
    } else {
        DiarySettings settings;
        if (const FileIo::Result read = settings.load(DiarySettings::FileIn(m_root)); !read.ok())
            warn("the diary's settings cannot be read (" +
                 std::string(SaveProblem::Reason(read, SaveProblem::Action::Load)) +
                 "); best matches come first");
        bestFirst = settings.bestMatchesFirst();
    }
    std::size_t exact = 0;
    const std::vector<int> records = search(m_command.text, bestFirst, &exact);
    if (records.empty())
        return fail("no food matches " + CommandLine::InQuotes(m_command.text));
    for (std::size_t i = 0; i < records.size(); ++i) {
        const FoodRecord record = m_foods.record(records[i]);
        m_context.out << TextCodec::ToUtf8(record.name()) << '\t' << unitList(record.units());
        if (isRecipe(records[i]))
            m_context.out << "\trecipe";
        if (i >= exact)
            m_context.out << "\tclose";
        m_context.out << '\n';
    }
    return Done;
}

int Session::showDay()
{
    if (!openDiary(false) || (m_command.all && !loadFoods()))
        return Failed;
    const Day day = m_command.date.value_or(DayFiles::LocalDateOf(Clock::now()));
    if (m_command.json || m_command.tsv) {
        Command command = m_command;
        command.date = day;
        return DayCommands::PrintForPrograms(command, diary());
    }
    const DayStore::Meals meals = m_store->LoadMeals(day);
    std::ostream &out = m_context.out;
    out << DiaryExport::IsoDate(day) << '\n';

    std::vector<std::string> amounts;
    std::size_t widest = 0;
    for (const MealEntry &entry : meals.entries) {
        amounts.push_back(MealRowLayout::amountText(entry.amount) + ' ' +
                          TextCodec::ToUtf8(entry.unit));
        widest = std::max(widest, std::size_t(FoodFilter::Characters(amounts.back())));
    }
    // Numbered from 1, as del and edit take them.
    const std::size_t numberWidth = std::to_string(meals.entries.size()).size();
    for (std::size_t i = 0; i < meals.entries.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        out << "  " << std::string(numberWidth - number.size(), ' ') << number << ". " << amounts[i]
            << std::string(widest - std::size_t(FoodFilter::Characters(amounts[i])) + 2, ' ')
            << TextCodec::ToUtf8(meals.entries[i].name) << '\n';
    }
    if (meals.entries.empty())
        out << "  no meals\n";

    std::vector<int> rows(Nutrient::Count);
    for (int k = 0; k < Nutrient::Count; ++k)
        rows[std::size_t(NutrientText::ScreenRow(k))] = k;
    if (m_command.all) {
        NutritionCommands::PrintDay(
            meals.entries, day, {m_foods, m_context.nutrients, m_ownFoods, &m_recipes},
            NutritionCommands::StoredTargets(m_root, m_command.profile, m_context.err),
            {out, m_context.err});
        rows.clear();
    }
    for (const int k : rows) {
        const std::string label(NutrientText::Label(k));
        std::string total = NutrientText::Total(k, meals.totals[k]);
        if (total.ends_with(' ')) // calories have no unit
            total.pop_back();
        out << label << std::string(label.size() < 16 ? 16 - label.size() : 1, ' ') << total
            << '\n';
    }
    if (const std::optional<float> weight = m_store->LoadWeight(day))
        out << "Weight:" << std::string(9, ' ') << NumberText::fixed(*weight, 1) << '\n';
    if (ActivityDay activities;
        ActivityDay::Load(m_store->DataFilePath(day, ActivityDay::Extension), activities).ok() &&
        !activities.activities().empty())
        out << "Burned:" << std::string(9, ' ') << ActivityDay::Figure(activities.burned())
            << " kcal\n";

    const std::string date = DiaryExport::IsoDate(day);
    const FileIo::Result mealsRead =
        DiaryExport::Unreadable(m_store->MealFile(day), !meals.readable);
    if (!mealsRead.ok())
        return fail("the meals of " + date + " could not be read (" +
                    SaveProblem::Reason(mealsRead, SaveProblem::Action::Load) + ")");
    if (const FileIo::Result weightRead = DiaryExport::Unreadable(m_store->WeightFile(day));
        !weightRead.ok())
        return fail("the weight of " + date + " could not be read (" +
                    SaveProblem::Reason(weightRead, SaveProblem::Action::Load) + ")");
    return Done;
}

int Session::recipe()
{
    const bool writing = m_command.action == "save" || m_command.action == "delete";
    if (!openDiary(writing) || !loadFoods())
        return Failed;
    // Saving over a file that could not be read would lose the recipes in it.
    if (writing && !m_recipesRead.ok())
        return Failed;
    if (m_command.action == "list")
        return RecipeCommands::List(m_recipes, diary());
    if (m_command.action == "show")
        return RecipeCommands::Show(m_recipes, m_command.text, diary());
    if (m_command.action == "delete")
        return RecipeCommands::Delete(m_recipes, m_command.text, diary());
    return RecipeCommands::Save(m_recipes, m_command, m_foods, diary());
}

int Run(const Command &command, const Context &context)
{
    return Session(command, context).run();
}

} // namespace Commands
