// SPDX-License-Identifier: GPL-3.0-or-later
#include "links/BrowserLauncher.h"

#include "links/BrowserCommand.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {

// Empty: the desktop's own opener and QProcess.
BrowserLauncher::DesktopOpener s_desktopOpener;
BrowserLauncher::Starter s_starter;

bool openOnDesktop(const QUrl &url)
{
    return s_desktopOpener ? s_desktopOpener(url) : QDesktopServices::openUrl(url);
}

bool start(const QString &program, const QStringList &arguments)
{
    return s_starter ? s_starter(program, arguments) : QProcess::startDetached(program, arguments);
}

std::string readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(1 << 20).toStdString(); // configuration files are small
}

// The desktop entry named as the default handler of web addresses, by the mimeapps.list files
// in the order the desktop reads them.
QString defaultHandlerExec()
{
    QStringList lists;
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::ConfigLocation))
        lists << dir + QStringLiteral("/mimeapps.list");
    const QStringList applications =
        QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    for (const QString &dir : applications)
        lists << dir + QStringLiteral("/mimeapps.list") << dir + QStringLiteral("/defaults.list");

    for (const QString &list : lists) {
        const std::string text = readText(list);
        for (const char *scheme : {"https", "http"}) {
            const std::string handler = BrowserCommand::DefaultHandler(text, scheme);
            if (handler.empty() || handler.find('/') != std::string::npos)
                continue;
            for (const QString &dir : applications) {
                const std::string exec = BrowserCommand::DesktopEntryExec(
                    readText(dir + QLatin1Char('/') + QString::fromStdString(handler)));
                if (!exec.empty())
                    return QString::fromStdString(exec);
            }
        }
    }
    return {};
}

} // namespace

QString BrowserLauncher::BrowserCommandLine()
{
    // BROWSER may list several commands; the first is the user's choice.
    const QString browser = qEnvironmentVariable("BROWSER").section(QLatin1Char(':'), 0, 0);
    if (!browser.trimmed().isEmpty())
        return browser;
    return defaultHandlerExec();
}

bool BrowserLauncher::OpenInBrowser(const QString &address)
{
    if (openOnDesktop(QUrl(address)))
        return true;
    const std::vector<std::string> words =
        BrowserCommand::Arguments(BrowserCommandLine().toStdString(), address.toStdString());
    if (words.empty())
        return false;
    QStringList arguments;
    for (std::size_t i = 1; i < words.size(); ++i)
        arguments << QString::fromStdString(words[i]);
    return start(QString::fromStdString(words.front()), arguments);
}

void BrowserLauncher::setDesktopOpenerForTesting(DesktopOpener opener)
{
    s_desktopOpener = std::move(opener);
}

void BrowserLauncher::setStarterForTesting(Starter starter)
{
    s_starter = std::move(starter);
}
