// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

// Opens a web address in the user's browser: through the desktop first; where that fails, by
// starting the browser's own command line ($BROWSER, else the desktop entry of the default
// handler for web addresses) with the address as one argument. Never through a shell.
class BrowserLauncher
{
public:
    static bool OpenInBrowser(const QString &address);

    // The fallback's command line, as registered; empty when there is none.
    static QString BrowserCommandLine();

    // Test seams: what asks the desktop to open an address, and what starts a program; an empty
    // function puts the real one back.
    using DesktopOpener = std::function<bool(const QUrl &)>;
    using Starter = std::function<bool(const QString &program, const QStringList &arguments)>;
    static void setDesktopOpenerForTesting(DesktopOpener opener);
    static void setStarterForTesting(Starter starter);
};
