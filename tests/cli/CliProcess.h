// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <filesystem>

// The real corvalo-cli of the build, run as a user would run it.
struct Outcome
{
    int status = -1; // -1: it crashed or hung
    QByteArray out;
    QByteArray err;
};

// Runs it with HOME in `home` and its data home in `home`/share, so that nothing reaches the
// machine's own diary; `input` on its standard input, CORVALO_DATA set to `dataVariable` when
// that is not empty.
inline Outcome RunCli(const std::filesystem::path &home, const QStringList &arguments,
                      const QByteArray &input = {}, const QString &dataVariable = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), QString::fromStdString(home.string()));
    environment.insert(QStringLiteral("XDG_DATA_HOME"),
                       QString::fromStdString((home / "share").string()));
    // The export's numbers follow the locale; the tests' expect the full stop.
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.remove(QStringLiteral("CORVALO_DATA"));
    if (!dataVariable.isEmpty())
        environment.insert(QStringLiteral("CORVALO_DATA"), dataVariable);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(CORVALO_CLI), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(20000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}
