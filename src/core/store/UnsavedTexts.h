// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "platform/FileIo.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

// What the user typed for a day that could not be saved yet (a full disk, a read-only folder):
// kept until a save succeeds, so neither a day change nor a passing problem loses it.
class UnsavedTexts
{
public:
    using Day = DayFiles::LocalDate;

    void keep(const Day &day, std::string text) { m_texts[key(day)] = {day, std::move(text)}; }
    void forget(const Day &day) { m_texts.erase(key(day)); }
    const std::string *find(const Day &day) const
    {
        const auto found = m_texts.find(key(day));
        return found == m_texts.end() ? nullptr : &found->second.second;
    }
    bool empty() const { return m_texts.empty(); }
    // Calls visit(day, text) for each kept text.
    template<typename Visit> void forEach(Visit visit) const
    {
        for (const auto &[where, entry] : m_texts)
            visit(entry.first, entry.second);
    }

    // Keeps the text when the save failed, forgets it when it succeeded; hands the result on.
    FileIo::Result record(const Day &day, const std::string &text, FileIo::Result result)
    {
        if (result.ok())
            forget(day);
        else
            keep(day, text);
        return result;
    }

    // Saves each text again with save(day, text); those that succeed are forgotten.
    template<typename Save> std::vector<FileIo::Result> retry(Save save)
    {
        std::vector<FileIo::Result> results;
        const auto texts = m_texts;
        for (const auto &[where, entry] : texts)
            results.push_back(record(entry.first, entry.second, save(entry.first, entry.second)));
        return results;
    }

private:
    static std::tuple<int, int, int> key(const Day &day) { return {day.year, day.month, day.day}; }

    std::map<std::tuple<int, int, int>, std::pair<Day, std::string>> m_texts;
};
