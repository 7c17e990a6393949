// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "DailyArguments.h"
#include "calendar/DateWords.h"
#include "export/DiaryExport.h"
#include "food/NutrientCatalogue.h"
#include "meals/MealEntry.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

namespace CommandLine {

namespace {

std::optional<Kind> kindOf(std::string_view name)
{
    if (name == "search")
        return Kind::Search;
    if (name == "day")
        return Kind::Day;
    if (name == "add")
        return Kind::Add;
    if (name == "weight")
        return Kind::Weight;
    if (name == "note")
        return Kind::Note;
    if (name == "del")
        return Kind::Delete;
    if (name == "edit")
        return Kind::Edit;
    if (name == "export")
        return Kind::Export;
    if (name == "report")
        return Kind::Report;
    if (name == "conflicts")
        return Kind::Conflicts;
    if (name == "merge")
        return Kind::Merge;
    if (name == "where")
        return Kind::Where;
    if (name == "recipe")
        return Kind::Recipe;
    if (name == "complete")
        return Kind::Complete;
    if (name == "activity")
        return Kind::Activity;
    if (name == "import")
        return Kind::Import;
    if (name == "help")
        return Kind::Help;
    return std::nullopt;
}

Parsed usageError(std::string error, std::string topic = {})
{
    return {std::nullopt, std::move(error), std::move(topic)};
}

// The person --sex and --age describe, for the targets beside every nutrient.
std::string profileOf(const std::string &name, Command &command,
                      const std::optional<std::string> &sex, const std::optional<std::string> &age)
{
    if (!command.all)
        return name + ": --sex and --age go with --all";
    if (!sex || !age)
        return name + ": give both --sex and --age";
    if (*sex != "female" && *sex != "male")
        return "--sex takes female or male, not " + InQuotes(*sex);
    const bool digits = !age->empty() && age->size() <= 3 &&
        std::all_of(age->begin(), age->end(), [](char c) { return c >= '0' && c <= '9'; });
    const int years = digits ? std::stoi(*age) : 0;
    if (years < 1 || years > 130)
        return "--age takes full years from 1 to 130, not " + InQuotes(*age);
    command.profile = ReferenceIntakes::Profile {
        *sex == "male" ? ReferenceIntakes::Sex::Male : ReferenceIntakes::Sex::Female, years};
    return {};
}

// recipe's action and name; save's --servings, --weight and --from (its date is read after).
std::string recipeArguments(const std::vector<std::string> &rest, Command &command,
                            const std::optional<std::string> &servings,
                            const std::optional<std::string> &weight,
                            const std::optional<std::string> &from)
{
    if (rest.empty())
        return "recipe: say list, show NAME, save NAME or delete NAME";
    command.action = rest[0];
    const bool named =
        command.action == "show" || command.action == "save" || command.action == "delete";
    if (!named && command.action != "list")
        return "recipe: " + InQuotes(command.action) + " is not list, show, save or delete";
    const std::size_t wanted = named ? 2 : 1;
    if (rest.size() != wanted)
        return "recipe " + command.action +
            (rest.size() < wanted
                 ? ": the recipe's name is missing"
                 : ": too many arguments (" + InQuotes(rest[wanted]) + " is one too many)");
    if (named) {
        command.text = rest[1];
        if (command.text.empty())
            return "recipe " + command.action + ": the recipe's name is empty";
    }
    if (command.action != "save") {
        if (servings || weight || from)
            return "recipe " + command.action + " takes no --servings, --weight or --from";
        return {};
    }
    if (!servings || !from)
        return "recipe save: both --servings N and --from DATE are needed";
    std::string kept;
    if (std::string wrong = DailyArguments::TypedProblem(
            "recipe save", *servings, "number of servings", "4", MaxTypedAmount, kept);
        !wrong.empty())
        return wrong;
    command.servings = NumberText::parse(kept);
    if (weight) {
        if (std::string wrong = DailyArguments::TypedProblem(
                "recipe save", *weight, "cooked weight in grams", "850", MaxTypedAmount, kept);
            !wrong.empty())
            return wrong;
        command.cookedWeight = NumberText::parse(kept);
    }
    return {};
}

} // namespace

std::optional<DayFiles::LocalDate> ParseDate(std::string_view text)
{
    return DateWords::Read(text, DateWords::Today());
}

Parsed Parse(const std::vector<std::string> &arguments)
{
    Command command;
    bool help = false;
    bool version = false;
    std::optional<std::string> from, to;
    std::optional<std::string> sex, age;
    std::optional<std::string> servings, weight;
    std::vector<std::string> positional;
    std::vector<std::string> commandOptions; // what only some commands take, to check below

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (argument == "--") {
            positional.insert(positional.end(), arguments.begin() + std::ptrdiff_t(i) + 1,
                              arguments.end());
            break;
        }
        if (argument.size() < 2 || argument[0] != '-' || DailyArguments::DaysBack(argument)) {
            positional.push_back(argument);
            continue;
        }
        // "--name=value" or "--name value" for the options that take a value.
        std::string name = argument;
        std::optional<std::string> value;
        if (const std::size_t equals = argument.find('=');
            equals != std::string::npos && argument.starts_with("--")) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        const bool takesValue = name == "--data" || name == "--from" || name == "--to" ||
            name == "--keep" || name == "--sex" || name == "--age" || name == "--servings" ||
            name == "--weight" || name == "--nutrient" || name == "--file";
        if (takesValue && !value) {
            if (i + 1 >= arguments.size())
                return usageError("the option " + name + " needs a value");
            value = arguments[++i];
        } else if (!takesValue && value) {
            return usageError("the option " + name + " takes no value");
        }

        if (name == "--help" || name == "-h") {
            help = true;
        } else if (name == "--version") {
            version = true;
        } else if (name == "--data") {
            if (value->empty())
                return usageError("the option --data needs a folder");
            command.dataFolder = *value;
        } else if (name == "--best" || name == "--az") {
            command.bestMatchesFirst = name == "--best";
            commandOptions.push_back(name);
        } else if (name == "--dry-run") {
            command.dryRun = true;
            commandOptions.push_back(name);
        } else if (name == "--keep") {
            if (*value != "ours" && *value != "theirs")
                return usageError("--keep takes ours or theirs, not " + InQuotes(*value), "merge");
            command.keep = *value;
            commandOptions.push_back(name);
        } else if (name == "--decimal-comma" || name == "--decimal-point") {
            command.decimalPoint = name == "--decimal-comma" ? ',' : '.';
            commandOptions.push_back(name);
        } else if (name == "--file") {
            if (*value != "meals" && *value != "days" && *value != "notes" && *value != "recipes" &&
                *value != "activities")
                return usageError("--file takes meals, days, notes, recipes or activities, not " +
                                      InQuotes(*value),
                                  "export");
            command.exportFile = *value;
            commandOptions.push_back(name);
        } else if (name == "--complete") {
            command.completeOnly = true;
            commandOptions.push_back(name);
        } else if (name == "--all" || name == "--json") {
            (name == "--all" ? command.all : command.json) = true;
            commandOptions.push_back(name);
        } else if (name == "--tsv") {
            command.tsv = true;
            commandOptions.push_back(name);
        } else if (name == "--sex" || name == "--age") {
            (name == "--sex" ? sex : age) = *value;
            commandOptions.push_back(name);
        } else if (name == "--servings" || name == "--weight") {
            (name == "--servings" ? servings : weight) = *value;
            commandOptions.push_back(name);
        } else if (name == "--from" || name == "--to") {
            (name == "--from" ? from : to) = *value;
            commandOptions.push_back(name);
        } else if (name == "--nutrient") {
            command.nutrient = NutrientCatalogue::find(*value);
            if (command.nutrient < 0)
                return usageError(InQuotes(*value) +
                                      " is no nutrient's key; `report --all --json` lists them",
                                  "report");
            commandOptions.push_back(name);
        } else {
            return usageError("unknown option " + InQuotes(argument));
        }
    }

    if (version) {
        command.kind = Kind::Version;
        return {command, {}, {}};
    }
    if (positional.empty()) {
        if (help)
            return {command, {}, {}};
        return usageError("no command given");
    }

    const std::string name = positional.front();
    const std::optional<Kind> kind = kindOf(name);
    if (!kind)
        return usageError("unknown command " + InQuotes(name));
    const std::vector<std::string> rest(positional.begin() + 1, positional.end());

    if (*kind == Kind::Help || help) {
        command.kind = Kind::Help;
        command.topic = *kind == Kind::Help ? (rest.empty() ? std::string() : rest.front()) : name;
        if (*kind == Kind::Help && rest.size() > 1)
            return usageError("help takes one command at most");
        if (!command.topic.empty() && Help(command.topic).empty())
            return usageError("no help for " + InQuotes(command.topic) +
                              ": there is no such command");
        return {command, {}, {}};
    }

    command.kind = *kind;
    for (const std::string &option : commandOptions) {
        const bool allowed = ((option == "--best" || option == "--az") && *kind == Kind::Search) ||
            ((option == "--from" || option == "--to") &&
             (*kind == Kind::Export || *kind == Kind::Report)) ||
            ((option == "--all" || option == "--sex" || option == "--age") &&
             (*kind == Kind::Day || *kind == Kind::Report)) ||
            ((option == "--json" || option == "--nutrient" || option == "--complete") &&
             *kind == Kind::Report) ||
            ((option == "--json" || option == "--tsv") && *kind == Kind::Day) ||
            ((option == "--servings" || option == "--weight" || option == "--from") &&
             *kind == Kind::Recipe) ||
            ((option == "--dry-run" || option == "--keep") && *kind == Kind::Merge) ||
            ((option == "--decimal-comma" || option == "--decimal-point" || option == "--file") &&
             *kind == Kind::Export) ||
            (option == "--dry-run" && *kind == Kind::Import);
        if (!allowed)
            return usageError(name + " takes no option " + option, name);
    }

    const auto count = [&](std::size_t least, std::size_t most) -> std::string {
        if (rest.size() < least)
            return name + ": too few arguments";
        if (rest.size() > most)
            return name + ": too many arguments (" + InQuotes(rest[most]) + " is one too many)";
        return {};
    };
    const auto date = [&](const std::string &text, std::optional<DayFiles::LocalDate> &out) {
        out = ParseDate(text);
        return out ? std::string()
                   : name + ": " + InQuotes(text) +
                " is not a date; write it YYYY-MM-DD (2026-12-07), today, yesterday, -N or a "
                "weekday";
    };

    // --from and --to, both needed, in order.
    const auto range = [&]() -> std::string {
        if (!from || !to)
            return name + ": both --from DATE and --to DATE are needed";
        std::optional<DayFiles::LocalDate> first, last;
        if (std::string wrong = date(*from, first); !wrong.empty())
            return wrong;
        if (std::string wrong = date(*to, last); !wrong.empty())
            return wrong;
        command.from = *first;
        command.to = *last;
        if (DiaryExport::DayNumber(*last) < DiaryExport::DayNumber(*first))
            return name + ": the --from date comes after the --to date";
        return {};
    };

    std::string error;
    switch (*kind) {
    case Kind::Search:
        error = count(1, rest.size());
        if (error.empty())
            command.text = DailyArguments::Joined(rest, 0, rest.size());
        break;
    case Kind::Day:
        error = count(0, 1);
        if (error.empty() && !rest.empty())
            error = date(rest[0], command.date);
        if (error.empty() && int(command.json) + int(command.tsv) + int(command.all) > 1)
            error = "day: choose one of --all, --json and --tsv";
        break;
    case Kind::Add:
        error = DailyArguments::Add(rest, command);
        break;
    case Kind::Weight:
        error = DailyArguments::Weight(rest, command);
        break;
    case Kind::Activity:
        error = count(1, 4);
        if (error.empty())
            error = date(rest[0], command.date);
        if (error.empty() && rest.size() > 1) {
            const std::optional<double> minutes =
                rest.size() == 4 ? NumberText::whole(rest[2]) : 0.0;
            const std::optional<double> calories =
                rest.size() == 4 ? NumberText::whole(rest[3]) : 0.0;
            if (rest.size() != 4)
                error = "activity: give NAME MINUTES KCAL, or the date alone";
            else if (!minutes)
                error = "activity: " + InQuotes(rest[2]) + " is not a number of minutes";
            else if (!calories)
                error = "activity: " + InQuotes(rest[3]) + " is not a number of calories";
            else if (const ::Activity activity {rest[1], *minutes, *calories};
                     !ActivityDay::Problem(activity).empty())
                error = "activity: " + ActivityDay::Problem(activity);
            else
                command.activity = activity;
        }
        break;
    case Kind::Complete:
        error = count(1, 2);
        if (error.empty())
            error = date(rest[0], command.date);
        if (error.empty() && rest.size() == 2) {
            if (rest[1] == "yes" || rest[1] == "no")
                command.complete = rest[1] == "yes";
            else
                error = "complete: give yes or no, not " + InQuotes(rest[1]);
        }
        break;
    case Kind::Note:
        error = DailyArguments::Note(rest, command);
        break;
    case Kind::Delete:
    case Kind::Edit:
        error = DailyArguments::Entry(rest, command);
        break;
    case Kind::Export: {
        error = count(1, 1);
        if (error.empty())
            error = range();
        if (error.empty()) {
            command.folder = rest[0];
            if (command.folder.empty())
                error = "export: the folder is empty";
        }
        break;
    }
    case Kind::Report: {
        error = count(0, 0);
        if (error.empty())
            error = range();
        break;
    }
    case Kind::Conflicts:
    case Kind::Where:
        error = count(0, 0);
        break;
    case Kind::Recipe:
        error = recipeArguments(rest, command, servings, weight, from);
        if (error.empty() && command.action == "save")
            error = date(*from, command.date);
        break;
    case Kind::Merge:
        error = count(1, 1);
        if (error.empty() && rest[0] == "recipes") {
            command.text = rest[0];
            if (!command.keep.empty())
                error = "recipes are joined whole, every definition of both; --keep is for days "
                        "and own foods";
        } else if (error.empty() && rest[0] != "own-foods") {
            error = date(rest[0], command.date);
        }
        break;
    case Kind::Import:
        error = count(1, rest.size());
        command.files.assign(rest.begin(), rest.end());
        break;
    case Kind::Help:
    case Kind::Version:
        break;
    }
    if (error.empty() && (sex || age))
        error = profileOf(name, command, sex, age);
    if (!error.empty())
        return usageError(error, name);
    return {command, {}, {}};
}

} // namespace CommandLine
