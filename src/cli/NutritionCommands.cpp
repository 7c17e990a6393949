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

// Full-stop notation without trailing zeros: 46, 0.9; JSON takes it as it is.
std::string plainNumber(double value, int decimals = 4)
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
        text = "target " + plainNumber(*intake.target) + ' ' + std::string(unit) + " (" +
            std::string(kindName(intake.targetKind)) + ')';
    }
    if (intake.limit) {
        if (!text.empty())
            text += ", ";
        text += intake.limitKind == ReferenceIntakes::LimitKind::RiskReduction
            ? "keep below " + plainNumber(*intake.limit) + ' ' + std::string(unit) +
                " (chronic disease risk)"
            : "upper limit " + plainNumber(*intake.limit) + ' ' + std::string(unit);
        if (!intake.limitAppliesToFood)
            text += " (not for food, see below)";
    }
    return text;
}

// The catalogue by group; `calories` names what coverage is a share of.
void printGroups(std::ostream &out, const NutrientTotals &totals, bool perDay,
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

// JSON of the hand-written kind: strings escaped, numbers finite and in a full-stop notation.
std::string jsonString(std::string_view text)
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

struct Weighed
{
    Day day;
    float weight = 0.0f;
};

std::string jsonNutrient(const NutrientInfo &info, const NutrientTotals &totals,
                         const Targets &targets)
{
    const std::optional<double> amount = totals.perDay(info.id);
    std::string json = "{\"key\": " + jsonString(info.key) +
        ", \"name\": " + jsonString(info.name) +
        ", \"group\": " + jsonString(NutrientCatalogue::groupName(info.group)) +
        ", \"unit\": " + jsonString(info.unit) +
        ", \"amount\": " + (amount ? plainNumber(*amount) : "null") +
        ", \"known\": " + plainNumber(amount ? totals.coverage(info.id) : 0.0);
    if (const Intake intake = targets.own.intake(targets.profile, info.id);
        targets.profile || intake.target) {
        json += ", \"target\": ";
        json += intake.target ? "{\"value\": " + plainNumber(*intake.target) +
                ", \"kind\": " + jsonString(kindName(intake.targetKind)) + "}"
                              : "null";
        json += ", \"limit\": ";
        json += intake.limit ? "{\"value\": " + plainNumber(*intake.limit) + ", \"kind\": " +
                (intake.limitKind == ReferenceIntakes::LimitKind::RiskReduction ? "\"CDRR\""
                                                                                : "\"UL\"") +
                ", \"appliesToFood\": " + (intake.limitAppliesToFood ? "true" : "false") +
                ", \"note\": " + jsonString(intake.limitNote) + "}"
                             : "null";
    }
    return json + "}";
}

} // namespace

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
    targets.own = PersonalTargets::FromSettings(
        [&settings](const std::string &key) { return settings.value(key); });
    return targets;
}

void PrintDay(const std::vector<MealEntry> &entries, const Day &day, const Foods &foods,
              const Targets &targets, const Streams &streams)
{
    const Lookup lookup(foods, streams.err);
    printGroups(streams.out, NutrientTotals::ofDay(entries, lookup.get(), day), false, targets,
                "the day's calories");
}

int Report(const CommandLine::Command &command, const DayStore &store, const Foods &foods,
           const Targets &targets, const Streams &streams)
{
    const Lookup lookup(foods, streams.err);
    NutrientTotals totals;
    std::optional<Weighed> first, last;
    std::vector<std::string> unreadable;
    const long long from = DiaryExport::DayNumber(command.from);
    const long long to = DiaryExport::DayNumber(command.to);
    for (long long number = from; number <= to; ++number) {
        const Day day = DiaryExport::FromDayNumber(number);
        const DayStore::Meals meals = store.LoadMeals(day);
        if (!meals.readable)
            unreadable.push_back(DiaryExport::IsoDate(day));
        totals.addDay(meals.entries, lookup.get(), day);
        if (const std::optional<float> weight = store.LoadWeight(day)) {
            if (!first)
                first = Weighed {day, *weight};
            last = Weighed {day, *weight};
        }
    }
    const long long days = to - from + 1;
    const std::string fromText = DiaryExport::IsoDate(command.from);
    const std::string toText = DiaryExport::IsoDate(command.to);
    std::ostream &out = streams.out;

    if (command.json) {
        out << "{\n  \"from\": " << jsonString(fromText) << ",\n  \"to\": " << jsonString(toText)
            << ",\n  \"days\": " << days << ",\n  \"loggedDays\": " << totals.loggedDays()
            << ",\n  \"perLoggedDay\": [";
        bool comma = false;
        for (const NutrientInfo &info : NutrientCatalogue::all()) {
            if (!command.all && info.stored < 0)
                continue;
            out << (comma ? ",\n    " : "\n    ") << jsonNutrient(info, totals, targets);
            comma = true;
        }
        out << "\n  ],\n  \"weight\": ";
        if (first) {
            out << "{\"start\": {\"date\": " << jsonString(DiaryExport::IsoDate(first->day))
                << ", \"value\": " << plainNumber(first->weight, 1)
                << "}, \"end\": {\"date\": " << jsonString(DiaryExport::IsoDate(last->day))
                << ", \"value\": " << plainNumber(last->weight, 1)
                << "}, \"change\": " << plainNumber(double(last->weight) - first->weight, 1) << "}";
        } else {
            out << "null";
        }
        out << "\n}\n";
    } else {
        out << fromText << " to " << toText << ": " << totals.loggedDays() << " of " << days
            << (days == 1 ? " day" : " days") << " logged\n";
        if (totals.loggedDays() > 0) {
            out << "Average per logged day:\n";
            if (command.all) {
                printGroups(out, totals, true, targets, "the calories");
            } else {
                std::vector<int> rows(Nutrient::Count);
                for (int k = 0; k < Nutrient::Count; ++k)
                    rows[std::size_t(NutrientText::ScreenRow(k))] = k;
                for (const int k : rows) {
                    const std::string label(NutrientText::Label(k));
                    const std::optional<double> amount =
                        totals.perDay(NutrientCatalogue::fromStored(k));
                    std::string total = NutrientText::Total(k, float(amount.value_or(0.0)));
                    if (total.ends_with(' '))
                        total.pop_back();
                    out << label << std::string(label.size() < 16 ? 16 - label.size() : 1, ' ')
                        << total << '\n';
                }
            }
        }
        if (first) {
            // Rounded as shown, so that no change is never "-0.0".
            const double change =
                std::round((double(last->weight) - first->weight) * 10.0) / 10.0 + 0.0;
            out << "Weight: " << NumberText::fixed(first->weight, 1) << " on "
                << DiaryExport::IsoDate(first->day) << ", " << NumberText::fixed(last->weight, 1)
                << " on " << DiaryExport::IsoDate(last->day) << ", change "
                << (change > 0.0 ? "+" : "") << NumberText::fixed(change, 1) << '\n';
        } else {
            out << "Weight: none in the range\n";
        }
    }

    for (const std::string &date : unreadable)
        streams.err << CommandLine::Program << ": the meals of " << date
                    << " could not be read whole; what could be read is counted\n";
    return unreadable.empty() ? 0 : 1;
}

} // namespace NutritionCommands
