// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportCommand.h"

#include "export/DiaryExport.h"
#include "export/DiaryReport.h"
#include "meals/NutrientText.h"
#include "nutrition/PeriodReport.h"
#include "platform/NumberText.h"
#include "platform/TextCodec.h"
#include "store/DayStore.h"

#include <algorithm>
#include <cmath>
#include <ostream>

namespace ReportCommand {

namespace {

using namespace NutritionCommands;
using Day = DayFiles::LocalDate;

// The ten in the panel's order.
std::vector<int> panelRows()
{
    std::vector<int> rows(Nutrient::Count);
    for (int k = 0; k < Nutrient::Count; ++k)
        rows[std::size_t(NutrientText::ScreenRow(k))] = k;
    return rows;
}

std::string label(int nutrient)
{
    const std::string text(NutrientText::Label(nutrient));
    return text + std::string(text.size() < 16 ? 16 - text.size() : 1, ' ');
}

std::string panelTotal(int nutrient, double amount)
{
    std::string total = NutrientText::Total(nutrient, float(amount));
    if (total.ends_with(' ')) // calories have no unit
        total.pop_back();
    return total;
}

// Amounts over the whole range, with the share of the range's total they are.
void printTopFoods(std::ostream &out, const PeriodReport &report, int id)
{
    const NutrientInfo &info = NutrientCatalogue::info(id);
    const std::optional<double> total = report.nutrition().totals().amount(id);
    out << "Foods that gave the most "
        << (id == NutrientId::Energy ? std::string_view("calories") : info.name) << " ("
        << info.unit << ", over the range):\n";
    const std::vector<PeriodNutrition::FoodShare> foods = report.topFoods(id);
    if (foods.empty())
        out << "  none\n";
    for (const PeriodNutrition::FoodShare &food : foods) {
        const std::string amount = NumberText::fixed(food.amount, food.amount >= 100 ? 0 : 1);
        const int share = total && *total > 0.0 ? int(std::lround(food.amount / *total * 100)) : 0;
        const std::string percent = std::to_string(share) + " %";
        out << "  " << std::string(amount.size() < 9 ? 9 - amount.size() : 0, ' ') << amount
            << std::string(percent.size() < 7 ? 7 - percent.size() : 1, ' ') << percent << "  "
            << TextCodec::ToUtf8(food.name) << '\n';
    }
}

std::string jsonTopFoods(const PeriodReport &report, int id)
{
    std::string json =
        "{\"key\": " + JsonString(NutrientCatalogue::info(id).key) + ", \"foods\": [";
    bool comma = false;
    for (const PeriodNutrition::FoodShare &food : report.topFoods(id)) {
        json += (comma ? ", " : "") + std::string("{\"name\": ") +
            JsonString(TextCodec::ToUtf8(food.name)) + ", \"amount\": " + PlainNumber(food.amount) +
            "}";
        comma = true;
    }
    return json + "]}";
}

} // namespace

int Run(const CommandLine::Command &command, const DayStore &store, const Foods &foods,
        const Targets &targets, const Streams &streams)
{
    const Lookup lookup(foods, streams.err);
    const long long from = DiaryExport::DayNumber(command.from);
    const long long to = DiaryExport::DayNumber(command.to);
    const int days = int(to - from + 1);
    const std::unique_ptr<PeriodReport> made =
        DiaryReport::make(store, command.from, days, lookup.get(), command.completeOnly);
    const PeriodReport &report = *made;
    const PeriodNutrition &period = report.nutrition();
    const int logged = report.loggedDays();
    const std::optional<PeriodReport::Weighed> &first = report.firstWeight();
    const std::optional<PeriodReport::Weighed> &last = report.lastWeight();
    const NutrientTotals &totals = period.totals();
    const std::string fromText = DiaryExport::IsoDate(command.from);
    const std::string toText = DiaryExport::IsoDate(command.to);
    const NutrientGoals &goals = targets.goals;
    std::ostream &out = streams.out;

    if (command.json) {
        out << "{\n  \"from\": " << JsonString(fromText) << ",\n  \"to\": " << JsonString(toText)
            << ",\n  \"days\": " << days << ",\n  \"loggedDays\": " << logged
            << ",\n  \"countedDays\": " << totals.loggedDays()
            << ",\n  \"completeOnly\": " << (command.completeOnly ? "true" : "false")
            << ",\n  \"perLoggedDay\": [";
        bool comma = false;
        for (const NutrientInfo &info : NutrientCatalogue::all()) {
            if (!command.all && info.stored < 0)
                continue;
            out << (comma ? ",\n    " : "\n    ") << JsonNutrient(info, totals, targets);
            comma = true;
        }
        out << "\n  ],\n  \"goals\": [";
        comma = false;
        for (const int k : panelRows()) {
            if (!goals.hasGoal(k))
                continue;
            out << (comma ? ",\n    " : "\n    ") << "{\"key\": "
                << JsonString(NutrientCatalogue::info(NutrientCatalogue::fromStored(k)).key)
                << ", \"goal\": " << PlainNumber(goals.goal(k))
                << ", \"kind\": " << JsonString(NutrientGoals::kindText(goals.kind(k)))
                << ", \"daysMet\": " << report.daysOnGoal(goals, k, targets.addBurned) << "}";
            comma = true;
        }
        out << "\n  ],\n  \"addBurnedToGoal\": " << (targets.addBurned ? "true" : "false")
            << ",\n  \"burned\": {\"total\": " << PlainNumber(report.burnedTotal())
            << ", \"days\": " << report.activeDays() << "}";
        out << ",\n  \"topFoods\": [" << jsonTopFoods(report, NutrientId::Energy);
        if (command.nutrient >= 0 && command.nutrient != NutrientId::Energy)
            out << ", " << jsonTopFoods(report, command.nutrient);
        out << "],\n  \"weight\": ";
        if (first) {
            out << "{\"start\": {\"date\": " << JsonString(DiaryExport::IsoDate(first->day))
                << ", \"value\": " << PlainNumber(first->weight, 1)
                << "}, \"end\": {\"date\": " << JsonString(DiaryExport::IsoDate(last->day))
                << ", \"value\": " << PlainNumber(last->weight, 1)
                << "}, \"change\": " << PlainNumber(double(last->weight) - first->weight, 1) << "}";
        } else {
            out << "null";
        }
        out << "\n}\n";
    } else {
        out << fromText << " to " << toText << ": " << logged << " of " << days
            << (days == 1 ? " day" : " days") << " logged";
        if (command.completeOnly)
            out << ", " << totals.loggedDays() << " of them marked complete and counted";
        out << '\n';
        if (totals.loggedDays() > 0) {
            out << (command.completeOnly ? "Average per complete day:\n"
                                         : "Average per logged day:\n");
            if (command.all) {
                PrintGroups(out, totals, true, targets, "the calories");
            } else {
                for (const int k : panelRows())
                    out << label(k)
                        << panelTotal(k,
                                      totals.perDay(NutrientCatalogue::fromStored(k)).value_or(0))
                        << '\n';
            }
            bool heading = false;
            for (const int k : panelRows()) {
                if (!goals.hasGoal(k))
                    continue;
                if (!heading)
                    out << "Goals met, of " << totals.loggedDays()
                        << (command.completeOnly ? " complete days:\n" : " logged days:\n");
                heading = true;
                const bool limit = goals.kind(k) == NutrientGoals::Kind::Limit;
                out << label(k) << report.daysOnGoal(goals, k, targets.addBurned)
                    << (limit ? " (at most " : " (at least ") << panelTotal(k, goals.goal(k))
                    << ")\n";
            }
            printTopFoods(out, report, NutrientId::Energy);
            if (command.nutrient >= 0 && command.nutrient != NutrientId::Energy)
                printTopFoods(out, report, command.nutrient);
        }
        if (first) {
            const double change = *report.weightChange();
            out << "Weight: " << NumberText::fixed(first->weight, 1) << " on "
                << DiaryExport::IsoDate(first->day) << ", " << NumberText::fixed(last->weight, 1)
                << " on " << DiaryExport::IsoDate(last->day) << ", change "
                << (change > 0.0 ? "+" : "") << NumberText::fixed(change, 1) << '\n';
        } else {
            out << "Weight: none in the range\n";
        }
        if (report.activeDays() > 0)
            out << "Burned: " << NumberText::fixed(report.burnedTotal(), 0) << " kcal on "
                << report.activeDays() << (report.activeDays() == 1 ? " day" : " days")
                << (targets.addBurned ? ", added to the calorie goal of each day" : "") << '\n';
    }

    for (const Day &day : report.unreadableDays())
        streams.err << CommandLine::Program << ": the meals of " << DiaryExport::IsoDate(day)
                    << " could not be read whole; what could be read is counted\n";
    return report.unreadableDays().empty() ? 0 : 1;
}

} // namespace ReportCommand
