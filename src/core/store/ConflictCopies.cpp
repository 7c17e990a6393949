// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ConflictCopies.h"

#include "platform/NumberText.h"
#include "store/HistoryScan.h"

#include <array>
#include <cctype>

namespace ConflictCopies {

namespace {

constexpr std::string_view OwnFoods = "myfoods.tsv";

struct Original
{
    Kind kind;
    std::string_view extension; // with its dot
};
constexpr std::array<Original, 4> Originals {{
    {Kind::Meals, ".db"},
    {Kind::Weight, ".wth"},
    {Kind::Note, ".txt"},
    {Kind::OwnFoods, ".tsv"},
}};

// Whether `text` has the shape of `pattern`, where '0' stands for a digit and every other
// character for itself.
bool shaped(std::string_view text, std::string_view pattern)
{
    if (text.size() != pattern.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (pattern[i] == '0' ? !NumberText::isDigit(text[i]) : text[i] != pattern[i])
            return false;
    }
    return true;
}

bool upperOrDigit(char c)
{
    return NumberText::isDigit(c) || (c >= 'A' && c <= 'Z');
}

// What stands between the original's base name and its extension, or after the extension for
// Seafile, tells the engine. `base` is a day key or "myfoods", `extra` the rest.
bool syncthing(std::string_view extra)
{
    // ".sync-conflict-20261205-143022-ABCDEF1"
    constexpr std::string_view prefix = ".sync-conflict-";
    if (!extra.starts_with(prefix))
        return false;
    extra.remove_prefix(prefix.size());
    if (extra.size() < 16 || !shaped(extra.substr(0, 16), "00000000-000000-"))
        return false;
    extra.remove_prefix(16);
    if (extra.empty())
        return false;
    for (const char c : extra) {
        if (!upperOrDigit(c))
            return false;
    }
    return true;
}

bool nextcloud(std::string_view extra)
{
    // " (conflicted copy 2026-12-05 143022)"
    return shaped(extra, " (conflicted copy 0000-00-00 000000)");
}

bool oldOwnCloud(std::string_view extra)
{
    // "_conflict-20261205-143022"
    return shaped(extra, "_conflict-00000000-000000");
}

bool dropbox(std::string_view extra)
{
    // " (Jane's conflicted copy 2026-12-05)", " (Jane's conflicted copy 2026-12-05 (1))",
    // " (Jane's conflicted copy 2026-12-05) (1)"
    if (!extra.starts_with(" ("))
        return false;
    constexpr std::string_view words = "'s conflicted copy ";
    const std::size_t at = extra.find(words);
    if (at == std::string_view::npos || at <= 2)
        return false;
    std::string_view rest = extra.substr(at + words.size());
    if (rest.size() < 11 || !shaped(rest.substr(0, 10), "0000-00-00"))
        return false;
    rest.remove_prefix(10);
    const auto counted = [](std::string_view tail, std::string_view close) {
        // " (n)" then `close`
        if (!tail.starts_with(" (") || !tail.ends_with(close))
            return false;
        tail = tail.substr(2, tail.size() - 2 - close.size());
        if (tail.empty() || tail.back() != ')')
            return false;
        tail.remove_suffix(1);
        for (const char c : tail) {
            if (!NumberText::isDigit(c))
                return false;
        }
        return !tail.empty();
    };
    return rest == ")" || counted(rest, ")") ||
        (rest.starts_with(")") && counted(rest.substr(1), ""));
}

bool seafile(std::string_view after)
{
    // " (SFConflict jane@example.org 2026-12-05-14-30-22)", after the extension
    constexpr std::string_view prefix = " (SFConflict ";
    if (!after.starts_with(prefix) || after.size() < prefix.size() + 21)
        return false;
    const std::string_view stamp = after.substr(after.size() - 21);
    return shaped(stamp, " 0000-00-00-00-00-00)") && after.size() > prefix.size() + stamp.size();
}

bool oneDrive(std::string_view extra)
{
    // "-DESKTOP-4F2K9QX": a computer's name, letters, digits and hyphens
    if (extra.size() < 2 || extra.front() != '-')
        return false;
    bool letter = false;
    for (const char c : extra.substr(1)) {
        const bool alpha = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!alpha && !NumberText::isDigit(c) && c != '-')
            return false;
        letter = letter || alpha;
    }
    // A name of digits alone could be part of a date; computers are named with letters.
    return letter;
}

// The original a base and extension make, when they are one of the diary's files.
std::optional<Copy> original(std::string_view base, const Original &kind)
{
    Copy copy;
    copy.kind = kind.kind;
    copy.original = std::string(base) + std::string(kind.extension);
    if (kind.kind == Kind::OwnFoods)
        return copy.original == OwnFoods ? std::optional(copy) : std::nullopt;
    copy.day = HistoryScan::DateOfFileName(copy.original, kind.extension.substr(1));
    if (!copy.day)
        return std::nullopt;
    return copy;
}

// Whether what follows an original's base name in `rest` makes a copy of a file with that
// extension.
bool copyRest(std::string_view rest, std::string_view extension)
{
    if (rest.ends_with(extension)) {
        const std::string_view extra = rest.substr(0, rest.size() - extension.size());
        if (!extra.empty() &&
            (syncthing(extra) || nextcloud(extra) || oldOwnCloud(extra) || dropbox(extra) ||
             oneDrive(extra)))
            return true;
    }
    return rest.starts_with(extension) && seafile(rest.substr(extension.size()));
}

} // namespace

std::optional<Copy> Recognise(std::string_view name)
{
    // Every original's base is a day key (10 characters) or "myfoods" (7).
    for (const Original &kind : Originals) {
        const std::size_t baseLength = kind.kind == Kind::OwnFoods ? 7 : 10;
        if (name.size() > baseLength && copyRest(name.substr(baseLength), kind.extension))
            return original(name.substr(0, baseLength), kind);
    }
    return std::nullopt;
}

bool CopyOf(std::string_view name, std::string_view original)
{
    const std::size_t dot = original.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return false;
    const std::string_view base = original.substr(0, dot);
    return name.size() > base.size() && name.starts_with(base) &&
        copyRest(name.substr(base.size()), original.substr(dot));
}

std::string CopyName(std::string_view original, std::string_view stamp)
{
    const std::size_t dot = original.rfind('.');
    const std::string_view base = original.substr(0, dot);
    const std::string_view extension =
        dot == std::string_view::npos ? std::string_view() : original.substr(dot);
    return std::string(base) + " (conflicted copy " + std::string(stamp) + ")" +
        std::string(extension);
}

std::string_view KindWord(Kind kind)
{
    switch (kind) {
    case Kind::Meals:
        return "meals";
    case Kind::Weight:
        return "weight";
    case Kind::Note:
        return "note";
    case Kind::OwnFoods:
        return "own-foods";
    }
    return "meals";
}

} // namespace ConflictCopies
