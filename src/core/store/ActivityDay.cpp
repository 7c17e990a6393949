// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ActivityDay.h"

#include "platform/FileLock.h"
#include "platform/NumberText.h"

#include <charconv>
#include <cmath>
#include <functional>

namespace {

std::optional<Activity> activityOf(std::string_view line)
{
    const std::size_t first = line.find('\t');
    const std::size_t second = first == std::string_view::npos ? first : line.find('\t', first + 1);
    if (second == std::string_view::npos || line.find('\t', second + 1) != std::string_view::npos)
        return std::nullopt;
    const std::optional<double> minutes =
        NumberText::whole(line.substr(first + 1, second - first - 1));
    const std::optional<double> calories = NumberText::whole(line.substr(second + 1));
    if (!minutes || !calories)
        return std::nullopt;
    Activity activity {std::string(line.substr(0, first)), *minutes, *calories};
    if (!ActivityDay::Problem(activity).empty())
        return std::nullopt;
    return activity;
}

} // namespace

std::string ActivityDay::Figure(double value)
{
    const double rounded = std::round(value * 10.0) / 10.0;
    char buffer[32];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed,
                      rounded == std::floor(rounded) ? 0 : 1);
    return error == std::errc() ? std::string(buffer, end) : std::string("0");
}

std::string ActivityDay::Problem(const Activity &activity)
{
    if (activity.name.empty() || activity.name.find_first_not_of(' ') == std::string::npos)
        return "an activity needs a name";
    if (activity.name.find_first_of("\t\r\n") != std::string::npos)
        return "the name may not hold tabs or line breaks";
    if (!(activity.minutes >= 0.0 && activity.minutes <= MostMinutes))
        return "minutes go from 0 to 1440";
    if (!(activity.calories >= 0.0 && activity.calories <= MostCalories))
        return "calories burned go from 0 to 20000";
    return {};
}

void ActivityDay::parse(std::string_view bytes)
{
    m_lines.clear();
    m_activities.clear();
    m_lineOf.clear();
    m_skipped = 0;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        m_lines.emplace_back(line);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty())
            continue;
        if (std::optional<Activity> activity = activityOf(line)) {
            m_activities.push_back(std::move(*activity));
            m_lineOf.push_back(m_lines.size() - 1);
        } else {
            ++m_skipped;
        }
    }
}

std::string ActivityDay::image() const
{
    std::string bytes;
    for (const std::string &line : m_lines)
        bytes += line + '\n';
    return bytes;
}

double ActivityDay::burned() const
{
    double sum = 0.0;
    for (const Activity &activity : m_activities)
        sum += activity.calories;
    return sum;
}

void ActivityDay::add(const Activity &activity)
{
    if (!Problem(activity).empty())
        return;
    m_lines.push_back(activity.name + '\t' + Figure(activity.minutes) + '\t' +
                      Figure(activity.calories));
    m_activities.push_back({activity.name, std::round(activity.minutes * 10.0) / 10.0,
                            std::round(activity.calories * 10.0) / 10.0});
    m_lineOf.push_back(m_lines.size() - 1);
}

bool ActivityDay::remove(const Activity &activity)
{
    for (std::size_t i = 0; i < m_activities.size(); ++i) {
        const Activity &held = m_activities[i];
        if (held.name != activity.name || Figure(held.minutes) != Figure(activity.minutes) ||
            Figure(held.calories) != Figure(activity.calories))
            continue;
        const std::size_t line = m_lineOf[i];
        m_lines.erase(m_lines.begin() + std::ptrdiff_t(line));
        m_activities.erase(m_activities.begin() + std::ptrdiff_t(i));
        m_lineOf.erase(m_lineOf.begin() + std::ptrdiff_t(i));
        for (std::size_t &later : m_lineOf)
            later -= later > line ? 1 : 0;
        return true;
    }
    return false;
}

FileIo::Result ActivityDay::Load(const std::filesystem::path &file, ActivityDay &day)
{
    std::string bytes;
    const FileIo::Result read = FileIo::read(file, bytes, 1024 * 1024);
    if (!read.ok() && read.problem != FileIo::Problem::Missing) {
        day.parse({});
        return read;
    }
    day.parse(bytes);
    return FileIo::Result::success(file);
}

namespace {

// Reads the day's file under its lock, applies `change` and writes the result back, keeping what
// another writer put there; Problem::Changed when `change` finds nothing to do. A file left with
// nothing in it goes when `dropEmpty`.
FileIo::Result rewriteActivities(const std::filesystem::path &file,
                                 const std::function<bool(ActivityDay &)> &change, bool dropEmpty)
{
    FileIo::Result failure;
    const std::optional<FileLock> lock = FileLock::acquire(file, false, failure);
    if (!lock && failure.problem != FileIo::Problem::Missing)
        return failure;
    ActivityDay day;
    if (const FileIo::Result read = ActivityDay::Load(file, day); !read.ok())
        return read;
    if (!change(day))
        return FileIo::Result::failure(file, FileIo::Problem::Changed);
    const std::string bytes = day.image();
    if (dropEmpty && bytes.find_first_not_of("\r\n") == std::string::npos)
        return FileIo::remove(file);
    return FileIo::writeAtomically(file, bytes);
}

} // namespace

FileIo::Result ActivityDay::Append(const std::filesystem::path &file, const Activity &activity)
{
    return rewriteActivities(
        file,
        [&activity](ActivityDay &day) {
            day.add(activity);
            return true;
        },
        false);
}

FileIo::Result ActivityDay::Remove(const std::filesystem::path &file, const Activity &activity)
{
    return rewriteActivities(
        file, [&activity](ActivityDay &day) { return day.remove(activity); }, true);
}
