// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/ImportPreview.h"

#include "import/ImportRows.h"
#include "platform/UiText.h"

namespace ImportPreview {

namespace {

// Beyond these the days that already have data are counted, not named.
constexpr std::size_t kDaysNamed = 8;

std::string previewCount(std::size_t count)
{
    return std::to_string(count);
}

} // namespace

std::vector<Line> Lines(const ImportPlan::Plan &plan, const ImportPlan::Translate &translate)
{
    using ImportRows::Phrase;
    std::vector<Line> lines;
    for (const ImportPlan::Source &source : plan.sources) {
        const bool known = source.content.format != ImportFile::Format::Unknown;
        lines.push_back(
            {known
                 ? Phrase(translate, CORVALO_UI_TEXT("ImportFile", "%1: %2"),
                          {source.name,
                           Phrase(translate, ImportFile::FormatName(source.content.format).data())})
                 : Phrase(translate, CORVALO_UI_TEXT("ImportFile", "%1: refused"), {source.name}),
             !known});
        for (const std::string &problem : source.content.problems)
            lines.push_back({"    " + problem, true});
    }
    lines.push_back({});
    if (plan.refused) {
        lines.push_back({Phrase(translate,
                                CORVALO_UI_TEXT("ImportFile",
                                                "Nothing is imported while a file is "
                                                "refused.")),
                         true});
        return lines;
    }
    if (plan.days.empty()) {
        lines.push_back(
            {Phrase(translate, CORVALO_UI_TEXT("ImportFile", "The files hold nothing to import.")),
             true});
        return lines;
    }
    lines.push_back(
        {Phrase(translate, CORVALO_UI_TEXT("ImportFile", "Days: %1, from %2 to %3"),
                {previewCount(plan.days.size()), DayFiles::IsoDate(plan.days.front().day),
                 DayFiles::IsoDate(plan.days.back().day)})});
    lines.push_back({Phrase(
        translate,
        CORVALO_UI_TEXT("ImportFile", "Entries: %1, added after the entries a day already has"),
        {previewCount(plan.entries)})});
    if (plan.entriesAlready > 0)
        lines.push_back(
            {"    " +
             Phrase(translate,
                    CORVALO_UI_TEXT("ImportFile",
                                    "Not added again, as an earlier import brought them: %1"),
                    {previewCount(plan.entriesAlready)})});
    lines.push_back({Phrase(translate, CORVALO_UI_TEXT("ImportFile", "Weights: %1"),
                            {previewCount(plan.weights)})});
    if (plan.weightsKept > 0)
        lines.push_back({"    " +
                         Phrase(translate,
                                CORVALO_UI_TEXT("ImportFile",
                                                "Days that keep the weight they already have: %1"),
                                {previewCount(plan.weightsKept)})});
    if (plan.weightsConverted > 0)
        lines.push_back(
            {"    " +
             Phrase(translate,
                    plan.convertedTo == ImportFile::WeightUnit::Kilograms
                        ? CORVALO_UI_TEXT("ImportFile", "Weights converted from lbs to kg: %1")
                        : CORVALO_UI_TEXT("ImportFile", "Weights converted from kg to lbs: %1"),
                    {previewCount(plan.weightsConverted)})});
    lines.push_back({Phrase(translate, CORVALO_UI_TEXT("ImportFile", "Notes: %1"),
                            {previewCount(plan.notes)})});
    if (plan.notesAdded > 0)
        lines.push_back(
            {"    " +
             Phrase(translate,
                    CORVALO_UI_TEXT("ImportFile", "Added below the note a day already has: %1"),
                    {previewCount(plan.notesAdded)})});
    if (plan.daysWithData.empty()) {
        lines.push_back({Phrase(
            translate, CORVALO_UI_TEXT("ImportFile", "No day of the range has data yet."))});
    } else {
        std::string named;
        for (std::size_t i = 0; i < plan.daysWithData.size() && i < kDaysNamed; ++i)
            named += (i > 0 ? ", " : "") + DayFiles::IsoDate(plan.daysWithData[i]);
        if (plan.daysWithData.size() > kDaysNamed)
            named += Phrase(translate, CORVALO_UI_TEXT("ImportFile", " and %1 more"),
                            {previewCount(plan.daysWithData.size() - kDaysNamed)});
        lines.push_back({Phrase(
            translate, CORVALO_UI_TEXT("ImportFile", "Days that already have data: %1"), {named})});
    }
    return lines;
}

} // namespace ImportPreview
