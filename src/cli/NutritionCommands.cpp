// SPDX-License-Identifier: GPL-3.0-or-later
#include "NutritionCommands.h"

#include "export/DiaryExport.h"
#include "food/FoodFilter.h"
#include "meals/NutrientText.h"
#include "nutrition/NutrientTotals.h"
#include "platform/NumberText.h"
#include "store/DayStore.h"
#include "store/DiarySettings.h"
#include "store/SaveProblem.h"

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>

namespace NutritionCommands {

namespace {

using Day = DayFiles::LocalDate;
using ReferenceIntakes::Intake;
using ReferenceIntakes::Profile;

std::string padded(std::string text, int width)
{
    text.append(std::size_t(std::max(1, width - FoodFilter::Characters(text))), ' ');
    return text;
}

// Enough digits for amounts from thousands of mg down to a few hundredths of a µg.
std::string amountText(double value)
{
    const double size = std::fabs(value);
    const int decimals = size >= 100.0 || size == 0.0 ? 0 : size >= 1.0 ? 1 : size >= 0.01 ? 2 : 3;
    return NumberText::fixed(value, decimals);
}

// Whole percent, rounded down: 99.6 % known is not all of it.
int percent(double share)
{
    return int(std::floor(share * 100.0 + 1e-9));
}

// "RDA", "AI", "own" (set by the person); empty for none.
std::string_view kindName(ReferenceIntakes::TargetKind kind)
{
    switch (kind) {
    case ReferenceIntakes::TargetKind::Rda:
        return "RDA";
    case ReferenceIntakes::TargetKind::Ai:
        return "AI";
    case ReferenceIntakes::TargetKind::Own:
        return "own";
    case ReferenceIntakes::TargetKind::None:
        break;
    }
    return {};
}

std::string targetText(const Intake &intake, std::string_view unit)
{
    std::string text;
    if (intake.target) {
        text = "target " + PlainNumber(*intake.target) + ' ' + std::string(unit) + " (" +
            std::string(kindName(intake.targetKind)) + ')';
    }
    if (intake.limit) {
        if (!text.empty())
            text += ", ";
        text += intake.limitKind == ReferenceIntakes::LimitKind::RiskReduction
            ? "keep below " + PlainNumber(*intake.limit) + ' ' + std::string(unit) +
                " (chronic disease risk)"
            : "upper limit " + PlainNumber(*intake.limit) + ' ' + std::string(unit);
        if (!intake.limitAppliesToFood)
            text += " (not for food, see below)";
    }
    return text;
}

} // namespace

std::string PlainNumber(double value, int decimals)
{
    if (!std::isfinite(value))
        return "null";
    std::string text = NumberText::fixed(value, decimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

void PrintGroups(std::ostream &out, const NutrientTotals &totals, bool perDay,
                 const Targets &targets, std::string_view calories)
{
    NutrientGroup group = NutrientGroup::Count;
    for (const NutrientInfo &info : NutrientCatalogue::all()) {
        if (info.group != group) {
            group = info.group;
            out << NutrientCatalogue::groupName(group) << '\n';
        }
        const std::optional<double> amount =
            perDay ? totals.perDay(info.id) : totals.amount(info.id);
        std::string line = "  " + padded(std::string(info.name), 31);
        std::string value = amount ? amountText(*amount) : "-";
        line += std::string(std::size_t(std::max(0, 9 - int(value.size()))), ' ') + value + ' ' +
            padded(std::string(info.unit), 5);
        std::vector<std::string> notes;
        // Entries without calories that lack it leave the share at 100 %: nothing to say.
        if (amount && !totals.complete(info.id) && totals.coverage(info.id) < 1.0) {
            notes.push_back("known for foods giving " +
                            std::to_string(percent(totals.coverage(info.id))) + " % of " +
                            std::string(calories));
        }
        const Intake intake = targets.own.intake(targets.profile, info.id);
        if (std::string target = targetText(intake, info.unit); !target.empty())
            notes.push_back(std::move(target));
        for (std::size_t i = 0; i < notes.size(); ++i)
            line += (i == 0 ? "" : "; ") + notes[i];
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out << line << '\n';
        if (intake.limit && !intake.limitAppliesToFood)
            out << "      " << intake.limitNote << '\n';
    }
}

std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (byte < 0x20 || byte == 0x7F) {
            static constexpr char Hex[] = "0123456789abcdef";
            out += "\\u00";
            out += Hex[byte >> 4];
            out += Hex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string JsonNutrient(const NutrientInfo &info, const NutrientTotals &totals,
                         const Targets &targets)
{
    const std::optional<double> amount = totals.perDay(info.id);
    std::string json = "{\"key\": " + JsonString(info.key) +
        ", \"name\": " + JsonString(info.name) +
        ", \"group\": " + JsonString(NutrientCatalogue::groupName(info.group)) +
        ", \"unit\": " + JsonString(info.unit) +
        ", \"amount\": " + (amount ? PlainNumber(*amount) : "null") +
        ", \"known\": " + PlainNumber(amount ? totals.coverage(info.id) : 0.0);
    if (const Intake intake = targets.own.intake(targets.profile, info.id);
        targets.profile || intake.target) {
        json += ", \"target\": ";
        json += intake.target ? "{\"value\": " + PlainNumber(*intake.target) +
                ", \"kind\": " + JsonString(kindName(intake.targetKind)) + "}"
                              : "null";
        json += ", \"limit\": ";
        json += intake.limit ? "{\"value\": " + PlainNumber(*intake.limit) + ", \"kind\": " +
                (intake.limitKind == ReferenceIntakes::LimitKind::RiskReduction ? "\"CDRR\""
                                                                                : "\"UL\"") +
                ", \"appliesToFood\": " + (intake.limitAppliesToFood ? "true" : "false") +
                ", \"note\": " + JsonString(intake.limitNote) + "}"
                             : "null";
    }
    return json + "}";
}

Lookup::Lookup(const Foods &foods, std::ostream &err) : m_lookup(foods.database, m_data)
{
    if (!m_data.load(foods.nutrientTable) || !m_lookup.matchesDatabase()) {
        m_data.clear();
        err << CommandLine::Program
            << ": the nutrient table built into the program cannot be read; only the ten "
               "nutrients of the panel are known\n";
    }
    m_lookup.setOwnFoods(foods.ownFoods);
    if (foods.recipes)
        m_lookup.setRecipes(*foods.recipes);
}

Targets StoredTargets(const std::filesystem::path &diaryFolder, const std::optional<Profile> &given,
                      std::ostream &err)
{
    DiarySettings settings;
    if (const FileIo::Result read = settings.load(DiarySettings::FileIn(diaryFolder)); !read.ok())
        err << CommandLine::Program << ": the diary's settings cannot be read ("
            << SaveProblem::Reason(read, SaveProblem::Action::Load)
            << "); the targets are the defaults\n";
    Targets targets;
    targets.profile =
        given ? given : ReferenceIntakes::ParseProfile(settings.value("profile").value_or(""));
    targets.goals = settings.goals();
    targets.addBurned = settings.addBurnedToGoal();
    targets.own = PersonalTargets::FromSettings(
        [&settings](const std::string &key) { return settings.value(key); });
    return targets;
}

void PrintDay(const std::vector<MealEntry> &entries, const Day &day, const Foods &foods,
              const Targets &targets, const Streams &streams)
{
    const Lookup lookup(foods, streams.err);
    PrintGroups(streams.out, NutrientTotals::ofDay(entries, lookup.get(), day), false, targets,
                "the day's calories");
}

} // namespace NutritionCommands
