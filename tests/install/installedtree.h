// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "vocalynelocations.h"

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

/// The prefix the test fixture installed the build into.
inline QString installedPrefix()
{
    return qEnvironmentVariable("VOCALYNE_TEST_PREFIX");
}

/// The installed suite's folders, as its programs in bin see them.
inline VocalyneLocations installedLocations()
{
    return VocalyneLocations(installedPrefix() + QLatin1Char('/') +
                             VocalyneLocations::installedProgramSubfolder());
}

/// The result of one finished run of a program.
struct ProgramRun
{
    bool finished = false;
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

/// Runs program with arguments and environment to its end (at most timeoutMs).
inline ProgramRun
runProgram(const QString &program, const QStringList &arguments,
           const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
           int timeoutMs = 60000)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ProgramRun run;
    run.finished =
        process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit;
    if (!run.finished)
        process.kill();
    process.waitForFinished(5000);
    run.exitCode = process.exitCode();
    run.output = process.readAllStandardOutput();
    run.errors = process.readAllStandardError();
    return run;
}

/// An environment whose desktop data folders are the prefix's first, with the
/// user's own folders pointed at userFolder.
inline QProcessEnvironment desktopEnvironment(const QString &userFolder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_DIRS"),
                       installedPrefix() + QStringLiteral("/share:/usr/share"));
    // Desktops offer only entries whose program is on the path.
    environment.insert(QStringLiteral("PATH"), installedPrefix() + QStringLiteral("/bin:") +
                                                   environment.value(QStringLiteral("PATH")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), userFolder + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), userFolder + QStringLiteral("/config"));
    environment.insert(QStringLiteral("HOME"), userFolder);
    return environment;
}
