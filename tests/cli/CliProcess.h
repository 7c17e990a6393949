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
// machine's own diary.
inline Outcome RunCli(const std::filesystem::path &home, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), QString::fromStdString(home.string()));
    environment.insert(QStringLiteral("XDG_DATA_HOME"),
                       QString::fromStdString((home / "share").string()));
    // The export's numbers follow the locale; the tests' expect the full stop.
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(CORVALO_CLI), arguments);
    if (!process.waitForFinished(20000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}
