// SPDX-License-Identifier: GPL-3.0-or-later
// corvalo-cli export: the diary's days as CSV files in a folder, or one of them on standard output.
#include "CommandSession.h"
#include "NutritionCommands.h"
#include "export/DiaryExport.h"

#include <algorithm>
#include <clocale>
#include <ostream>
#include <system_error>

namespace Commands {

namespace {

// The decimal point of the user's locale (LC_ALL, LC_NUMERIC, LANG), which a spreadsheet on the
// same computer reads numbers by. The program itself keeps the "C" locale.
char exportDecimalPoint()
{
    const char *ours = std::setlocale(LC_NUMERIC, nullptr);
    const std::string kept = ours ? ours : "C";
    char point = '.';
    if (std::setlocale(LC_NUMERIC, "")) {
        const std::lconv *conventions = std::localeconv();
        if (conventions && conventions->decimal_point && *conventions->decimal_point == ',')
            point = ',';
    }
    std::setlocale(LC_NUMERIC, kept.c_str());
    return point;
}

} // namespace

int Session::exportDays()
{
    const bool toOutput = m_command.folder == "-";
    std::error_code error;
    const fs::path folder = toOutput ? fs::path() : fs::absolute(m_command.folder, error);
    if (error)
        return fail("the folder " + m_command.folder.string() + " cannot be used");
    if (!openDiary(false))
        return Failed;
    // Without foods the export still has every stored value; what went wrong is said.
    loadFoods();
    m_store.reset(); // the export reads through a store of its own
    const NutritionCommands::Lookup lookup({m_foods, m_context.nutrients, m_ownFoods, &m_recipes},
                                           m_context.err);

    int shown = -1;
    const auto progress = [&](int done, int total) {
        // A few hundred updates at most, however long the range.
        const int step = std::max(1, total / 200);
        if (m_context.showProgress && (done == total || done / step != shown)) {
            shown = done / step;
            m_context.err << "\rReading day " << done << " of " << total << std::flush;
            if (done == total)
                m_context.err << '\n';
        }
        return true;
    };
    const DiaryExport::Format format {m_command.decimalPoint.value_or(exportDecimalPoint())};

    if (toOutput) {
        const DayStore store(m_root);
        DiaryExport::Texts texts = DiaryExport::Make(store, m_command.from, m_command.to, progress,
                                                     {}, &lookup.get(), format);
        for (const std::string &problem : texts.problems)
            warn(problem);
        const std::string name = m_command.exportFile + ".csv";
        const auto file = std::find_if(texts.files.begin(), texts.files.end(),
                                       [&name](const auto &named) { return named.first == name; });
        if (file == texts.files.end())
            return texts.files.empty() ? fail("the export is not complete")
                                       : fail("these days have no " + m_command.exportFile);
        // A byte order mark is for spreadsheets; a pipe to other tools is better without it.
        const std::string_view bytes = file->second;
        m_context.out << bytes.substr(bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0) << std::flush;
        return texts.problems.empty() ? Done : Failed;
    }

    const DiaryExport::Result result = DiaryExport::Write(
        m_root, m_command.from, m_command.to, folder, progress, {}, &lookup.get(), format);
    for (const fs::path &file : result.written)
        m_context.out << "Wrote " << file.string() << '\n';
    for (const std::string &problem : result.problems)
        warn(problem);
    if (!result.ok)
        return fail("the export is not complete");
    return result.problems.empty() ? Done : Failed;
}

} // namespace Commands
