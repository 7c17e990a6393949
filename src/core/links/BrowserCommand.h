// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Turning a browser's registered command line into a program and its arguments, without a shell.
namespace BrowserCommand {

// The command cut before its first placeholder ("%1", or a desktop entry's "%u", "%U", "%f",
// "%F", and "%s" of the BROWSER variable): at the opening quote when the placeholder is quoted
// (with either kind of quote); the whole command when it has none.
std::string CutAtPlaceholder(std::string_view command);

// Splits a command line into words at blanks, as a desktop does and with no shell: quotes of
// either kind group; inside double quotes a backslash escapes a quote, a backslash, "`" or "$",
// inside single quotes every character is itself. A quote left open ends at the end of the line.
std::vector<std::string> SplitCommandLine(std::string_view command);

// The program and arguments that open the address: the cut command's words, then the address
// as one argument of its own. Empty when the command names no program.
std::vector<std::string> Arguments(std::string_view command, std::string_view address);

// The desktop entry that handles a URL scheme, from the text of a mimeapps.list file
// ("[Default Applications]" then "x-scheme-handler/https=firefox.desktop;"); empty if none.
std::string DefaultHandler(std::string_view mimeappsList, std::string_view scheme);

// The Exec line of a desktop entry's "[Desktop Entry]" group; empty if none.
std::string DesktopEntryExec(std::string_view desktopEntry);

} // namespace BrowserCommand
