// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DiarySettings.h"

#include "platform/FileLock.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {

// Settings are a few hundred bytes; more than this is not a settings file.
constexpr std::uintmax_t MaxBytes = 1024 * 1024;

std::string_view trimmedBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

FileIo::Result DiarySettings::load(const fs::path &file)
{
    m_lines.clear();
    std::string bytes;
    const FileIo::Result read = FileIo::read(file, bytes, MaxBytes);
    if (read.problem == FileIo::Problem::Missing)
        return FileIo::Result::success(file);
    if (read.ok())
        parse(bytes);
    return read;
}

void DiarySettings::parse(std::string_view bytes)
{
    m_lines.clear();
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view text = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (text.ends_with('\r'))
            text.remove_suffix(1);
        Line line {std::string(text), {}, false};
        const std::string_view content = trimmedBlanks(text);
        if (!content.empty() && content.front() != '#' && content.front() != ';') {
            const std::size_t equals = content.find('=');
            const std::string_view key = equals == std::string_view::npos
                ? std::string_view()
                : trimmedBlanks(content.substr(0, equals));
            if (key.empty())
                line.broken = true;
            else
                line.key = key;
        }
        m_lines.push_back(std::move(line));
    }
}

std::string DiarySettings::image() const
{
    std::string bytes;
    for (const Line &line : m_lines)
        bytes += line.text + '\n';
    return bytes;
}

const DiarySettings::Line *DiarySettings::find(std::string_view key) const
{
    for (const Line &line : m_lines) {
        if (line.key == key)
            return &line;
    }
    return nullptr;
}

std::optional<std::string> DiarySettings::value(std::string_view key) const
{
    const Line *line = find(key);
    if (!line)
        return std::nullopt;
    const std::size_t equals = line->text.find('=');
    return std::string(trimmedBlanks(std::string_view(line->text).substr(equals + 1)));
}

void DiarySettings::setValue(std::string_view key, std::string_view value)
{
    std::string text = std::string(key) + '=' + std::string(value);
    bool set = false;
    for (auto it = m_lines.begin(); it != m_lines.end();) {
        if (it->key != key) {
            ++it;
        } else if (!set) {
            it->text = text;
            set = true;
            ++it;
        } else {
            it = m_lines.erase(it); // a later line of the key would never be read
        }
    }
    if (!set)
        m_lines.push_back({std::move(text), std::string(key), false});
}

void DiarySettings::remove(std::string_view key)
{
    std::erase_if(m_lines, [&](const Line &line) { return line.key == key; });
}

NutrientGoals DiarySettings::goals() const
{
    NutrientGoals goals;
    for (int nutrient = 0; nutrient < Nutrient::Count; ++nutrient) {
        goals.setGoalText(nutrient, value(NutrientGoals::settingsKey(nutrient)).value_or(""));
        if (NutrientGoals::kindIsChoosable(nutrient))
            goals.setKindText(nutrient, value(NutrientGoals::kindKey(nutrient)).value_or(""));
    }
    return goals;
}

void DiarySettings::setGoals(const NutrientGoals &goals)
{
    for (int nutrient = 0; nutrient < Nutrient::Count; ++nutrient) {
        const std::string key = NutrientGoals::settingsKey(nutrient);
        if (goals.hasGoal(nutrient))
            setValue(key, goals.goalText(nutrient));
        else
            remove(key);
        if (NutrientGoals::kindIsChoosable(nutrient))
            setValue(NutrientGoals::kindKey(nutrient),
                     NutrientGoals::kindText(goals.kind(nutrient)));
    }
}

bool DiarySettings::hasGoals() const
{
    const NutrientGoals stored = goals();
    for (int nutrient = 0; nutrient < Nutrient::Count; ++nutrient) {
        if (stored.hasGoal(nutrient))
            return true;
    }
    return false;
}

std::optional<bool> DiarySettings::storedBestMatchesFirst() const
{
    const std::optional<std::string> text = value(BestMatchesFirstKey);
    if (!text)
        return std::nullopt;
    if (*text == "true" || *text == "1")
        return true;
    if (*text == "false" || *text == "0")
        return false;
    return std::nullopt;
}

bool DiarySettings::bestMatchesFirst() const
{
    return storedBestMatchesFirst().value_or(true);
}

void DiarySettings::setBestMatchesFirst(bool on)
{
    setValue(BestMatchesFirstKey, on ? "true" : "false");
}

bool DiarySettings::addBurnedToGoal() const
{
    const std::optional<std::string> text = value(AddBurnedKey);
    return text && (*text == "true" || *text == "1");
}

std::string DiarySettings::skippedNotice() const
{
    std::vector<std::size_t> broken;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].broken)
            broken.push_back(i + 1);
    }
    if (broken.empty())
        return {};
    std::string notice = broken.size() == 1 ? "line " : "lines ";
    for (std::size_t i = 0; i < broken.size(); ++i)
        notice += (i == 0 ? "" : ", ") + std::to_string(broken[i]);
    return notice + " of " + std::string(FileName) +
        " could not be read (no key=value) and are kept as they are";
}

FileIo::Result DiarySettings::Update(const fs::path &diaryFolder,
                                     const std::function<void(DiarySettings &)> &change)
{
    const fs::path file = FileIn(diaryFolder);
    FileIo::Result failure;
    const std::optional<FileLock> lock = FileLock::acquire(file, false, failure);
    if (!lock && failure.problem != FileIo::Problem::Missing)
        return failure;
    DiarySettings settings;
    if (const FileIo::Result read = settings.load(file); !read.ok())
        return read;
    const std::string before = settings.image();
    change(settings);
    const std::string after = settings.image();
    if (after == before)
        return FileIo::Result::success(file);
    return FileIo::writeAtomically(file, after);
}

bool DiarySettings::SameGoals(const NutrientGoals &a, const NutrientGoals &b)
{
    for (int nutrient = 0; nutrient < Nutrient::Count; ++nutrient) {
        if (a.goalText(nutrient) != b.goalText(nutrient) || a.kind(nutrient) != b.kind(nutrient))
            return false;
    }
    return true;
}

DiarySettings::MoveIn DiarySettings::MoveInOnce(const fs::path &diaryFolder,
                                                const NutrientGoals &goals,
                                                std::optional<bool> bestMatchesFirst)
{
    bool anyGoal = false;
    for (int nutrient = 0; nutrient < Nutrient::Count; ++nutrient)
        anyGoal = anyGoal || goals.hasGoal(nutrient);
    MoveIn result;
    DiarySettings now;
    result.saved = Update(diaryFolder, [&](DiarySettings &settings) {
        if (anyGoal && !settings.hasGoals() && !settings.value(MovedInKey)) {
            settings.setGoals(goals);
            settings.setValue(MovedInKey, "yes");
            result.moved = true;
        }
        if (bestMatchesFirst && !settings.storedBestMatchesFirst()) {
            settings.setBestMatchesFirst(*bestMatchesFirst);
            result.moved = true;
        }
        now = settings;
    });
    if (!result.saved.ok()) {
        result.moved = false;
        return result;
    }
    result.mayRemoveOld = (!anyGoal || SameGoals(now.goals(), goals)) &&
        (!bestMatchesFirst || now.storedBestMatchesFirst() == bestMatchesFirst);
    return result;
}

std::string DiarySettings::Join(std::string_view ours, std::string_view theirs)
{
    DiarySettings joined;
    joined.parse(ours);
    DiarySettings other;
    other.parse(theirs);
    for (const Line &line : other.m_lines) {
        if (!line.key.empty() && !joined.find(line.key))
            joined.m_lines.push_back(line);
    }
    return joined.image();
}
