// SPDX-License-Identifier: GPL-3.0-or-later
#include "DailyArguments.h"

#include "calendar/DateWords.h"
#include "meals/MealEntry.h"
#include "platform/NumberText.h"
#include "platform/TypedNumber.h"
#include "store/WeightFile.h"

#include <optional>

namespace DailyArguments {

using CommandLine::Command;
using CommandLine::InQuotes;

namespace {

// A date that went wrong rather than a word meant otherwise: figures and dashes ("2026-13-01").
bool dailyLooksLikeDate(std::string_view text)
{
    return text.find('-') != std::string_view::npos &&
        text.find_first_not_of("0123456789-") == std::string_view::npos &&
        text.find_first_of("0123456789") != std::string_view::npos;
}

// Whether the argument is meant as the date, which these commands may leave out.
bool dailyDateFirst(const std::vector<std::string> &rest)
{
    return !rest.empty() && (CommandLine::ParseDate(rest[0]) || dailyLooksLikeDate(rest[0]));
}

std::string dailyDate(const std::string &name, const std::string &text, Command &command)
{
    command.date = CommandLine::ParseDate(text);
    return command.date ? std::string()
                        : name + ": " + InQuotes(text) +
            " is not a date; write it YYYY-MM-DD (2026-12-07), today, yesterday, -N or a weekday";
}

std::string dailyCount(const std::string &name, const std::vector<std::string> &rest,
                       std::size_t least, std::size_t most)
{
    if (rest.size() < least)
        return name + ": too few arguments";
    if (rest.size() > most)
        return name + ": too many arguments (" + InQuotes(rest[most]) + " is one too many)";
    return {};
}

// A number, or one refused only for a comma that could be a thousands separator.
bool dailyIsNumber(const std::string &text)
{
    const TypedNumber number = TypedNumber::read(text);
    return number.kind == TypedNumber::Kind::Number || number.thousands;
}

} // namespace

std::string TypedProblem(const std::string &name, const std::string &typed, const char *what,
                         const char *example, double most, std::string &kept)
{
    const TypedNumber number = TypedNumber::read(typed);
    if (number.kind != TypedNumber::Kind::Number)
        return name + ": " +
            (number.kind == TypedNumber::Kind::Empty ? InQuotes(typed) + " is not a number"
                                                     : number.problemText(InQuotes(typed)));
    if (!IsStorableAmount(number.value))
        return name + ": " + InQuotes(typed) + " is no " + what +
            "; give a number above zero, as " + example;
    if (number.value > most)
        return name + ": " + InQuotes(typed) + " is more than any " + what + " (at most " +
            NumberText::fixed(most, 0) + ")";
    kept = TypedNumber::withPoint(typed);
    return {};
}

bool DaysBack(std::string_view text)
{
    return text.size() >= 2 && text[0] == '-' &&
        text.find_first_not_of("0123456789", 1) == std::string_view::npos;
}

std::string Joined(const std::vector<std::string> &words, std::size_t first, std::size_t end)
{
    std::string text;
    for (std::size_t i = first; i < end && i < words.size(); ++i)
        text += (text.empty() ? "" : " ") + words[i];
    return text;
}

std::string Add(const std::vector<std::string> &rest, Command &command)
{
    // [DATE] FOOD... AMOUNT [UNIT...]: the amount is the first argument that is a number.
    if (std::string error = dailyCount("add", rest, 1, rest.size()); !error.empty())
        return error;
    std::size_t first = 0;
    command.date = DateWords::Today();
    if (dailyDateFirst(rest)) {
        if (std::string error = dailyDate("add", rest[0], command); !error.empty())
            return error;
        first = 1;
    }
    std::size_t amount = first;
    while (amount < rest.size() && !dailyIsNumber(rest[amount]))
        ++amount;
    if (amount == rest.size())
        return "add: the amount is missing; write FOOD AMOUNT UNIT, as banana 1 medium";
    if (amount == first)
        return "add: the food's name comes before the amount, as banana 1 medium";
    if (std::string error =
            TypedProblem("add", rest[amount], "amount", "2 or 0.5", MaxTypedAmount, command.amount);
        !error.empty())
        return error;
    command.text = Joined(rest, first, amount);
    command.unit = Joined(rest, amount + 1, rest.size());
    return command.text.empty() ? "add: the food's name is empty" : std::string();
}

std::string Weight(const std::vector<std::string> &rest, Command &command)
{
    // [DATE] [WEIGHT]: a number alone is today's weight.
    if (std::string error = dailyCount("weight", rest, 0, 2); !error.empty())
        return error;
    std::size_t next = 0;
    command.date = DateWords::Today();
    if (rest.size() == 2 || dailyDateFirst(rest)) {
        if (std::string error = dailyDate("weight", rest[0], command); !error.empty())
            return error;
        next = 1;
    }
    if (next == rest.size())
        return {};
    std::string kept;
    std::string error =
        TypedProblem("weight", rest[next], "weight", "72.5", WeightFile::MaxTyped, kept);
    if (error.empty())
        command.weight = kept;
    return error;
}

std::string Note(const std::vector<std::string> &rest, Command &command)
{
    // [DATE] [TEXT... | -]: without text the note is shown.
    std::size_t next = 0;
    command.date = DateWords::Today();
    if (dailyDateFirst(rest)) {
        if (std::string error = dailyDate("note", rest[0], command); !error.empty())
            return error;
        next = 1;
    }
    if (next + 1 == rest.size() && rest[next] == "-")
        command.noteFromInput = true;
    else if (next < rest.size())
        command.note = Joined(rest, next, rest.size());
    return {};
}

std::string Entry(const std::vector<std::string> &rest, Command &command)
{
    // DATE N, and edit's AMOUNT.
    const bool editing = command.kind == CommandLine::Kind::Edit;
    const std::string name = editing ? "edit" : "del";
    if (std::string error = dailyCount(name, rest, editing ? 3 : 2, editing ? 3 : 2);
        !error.empty())
        return error;
    if (std::string error = dailyDate(name, rest[0], command); !error.empty())
        return error;
    const std::string &number = rest[1];
    if (number.empty() || number.size() > 6 ||
        number.find_first_not_of("0123456789") != std::string::npos || std::stoul(number) == 0)
        return name + ": " + InQuotes(number) +
            " is not an entry's number; day DATE lists them from 1";
    command.entry = std::stoul(number);
    if (!editing)
        return {};
    return TypedProblem("edit", rest[2], "amount", "2 or 0.5", MaxTypedAmount, command.amount);
}

} // namespace DailyArguments
