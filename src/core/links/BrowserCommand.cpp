// SPDX-License-Identifier: GPL-3.0-or-later
#include "links/BrowserCommand.h"

#include <algorithm>
#include <array>

namespace BrowserCommand {

namespace {

// "%s" is the placeholder of the BROWSER variable's convention.
constexpr std::array<std::string_view, 6> Placeholders {"%1", "%u", "%U", "%f", "%F", "%s"};

// The first placeholder, bare or with quotes of the given kind round it (0: bare).
std::size_t firstOf(std::string_view text, char quote)
{
    std::size_t first = std::string_view::npos;
    for (std::string_view placeholder : Placeholders) {
        const std::string needle =
            quote != 0 ? quote + std::string(placeholder) + quote : std::string(placeholder);
        first = std::min(first, text.find(needle));
    }
    return first;
}

std::string_view trim(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(" \t\r") + 1 - begin);
}

// Calls `line` with each trimmed line of an INI-like text and the group it lies in.
template<typename Visit> void forEachLine(std::string_view text, Visit visit)
{
    std::string_view group;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
            group = line.substr(1, line.size() - 2);
        else if (!line.empty() && line.front() != '#' && visit(group, line))
            return;
    }
}

} // namespace

std::string CutAtPlaceholder(std::string_view command)
{
    std::size_t cut = std::min(firstOf(command, '"'), firstOf(command, '\''));
    if (cut == std::string_view::npos)
        cut = firstOf(command, 0);
    return std::string(command.substr(0, cut));
}

std::vector<std::string> SplitCommandLine(std::string_view command)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0; // the quote that is open, if any
    for (std::size_t i = 0; i < command.size(); ++i) {
        const char c = command[i];
        if (quote == '\'') {
            // Everything up to the closing quote is taken as it is.
            if (c == '\'')
                quote = 0;
            else
                word += c;
        } else if (quote == '"') {
            // Desktop entries escape only these; a Windows path keeps its backslashes.
            if (c == '\\' && i + 1 < command.size() &&
                std::string_view("\"\\`$").find(command[i + 1]) != std::string_view::npos)
                word += command[++i];
            else if (c == '"')
                quote = 0;
            else
                word += c;
        } else if (c == '"' || c == '\'') {
            quote = c;
            inWord = true;
        } else if (c == ' ' || c == '\t') {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

std::vector<std::string> Arguments(std::string_view command, std::string_view address)
{
    std::vector<std::string> words = SplitCommandLine(CutAtPlaceholder(command));
    if (words.empty())
        return words;
    words.emplace_back(address);
    return words;
}

std::string DefaultHandler(std::string_view mimeappsList, std::string_view scheme)
{
    const std::string key = "x-scheme-handler/" + std::string(scheme);
    std::string handler;
    forEachLine(mimeappsList, [&](std::string_view group, std::string_view line) {
        if (group != "Default Applications" || trim(line.substr(0, line.find('='))) != key ||
            line.find('=') == std::string_view::npos)
            return false;
        const std::string_view value = trim(line.substr(line.find('=') + 1));
        handler = std::string(trim(value.substr(0, value.find(';'))));
        return true;
    });
    return handler;
}

std::string DesktopEntryExec(std::string_view desktopEntry)
{
    std::string exec;
    forEachLine(desktopEntry, [&](std::string_view group, std::string_view line) {
        if (group != "Desktop Entry" || trim(line.substr(0, line.find('='))) != "Exec" ||
            line.find('=') == std::string_view::npos)
            return false;
        exec = std::string(trim(line.substr(line.find('=') + 1)));
        return true;
    });
    return exec;
}

} // namespace BrowserCommand
