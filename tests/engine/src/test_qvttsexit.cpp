// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Hosts that end without UninitQVTTSEngine: the engine's threads must stop
// before anything they use is destroyed, however the host ends. Each way of
// ending runs in a process of its own (qvttsexithost); under the sanitizer
// build a use after free or a data race there fails the process.
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <gtest/gtest.h>

namespace {

struct Ending
{
    int exitCode = -1;
    bool crashed = true;
    bool finished = false;
    QString errors;
};

Ending runHost(const QString &mode)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // As fast as audio is made, so synthesis is busy while the host ends.
    env.insert(QStringLiteral("VOCALYNE_AUDIO_OUTPUT"), QStringLiteral("fast-null"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QVTTSEXITHOST_PATH), {mode});
    Ending ending;
    ending.finished = process.waitForFinished(30000);
    if (!ending.finished) {
        process.kill();
        process.waitForFinished();
    }
    ending.crashed = process.exitStatus() != QProcess::NormalExit;
    ending.exitCode = process.exitCode();
    ending.errors = QString::fromUtf8(process.readAllStandardError());
    return ending;
}

void expectCleanEnd(const QString &mode)
{
    const Ending ending = runHost(mode);
    EXPECT_TRUE(ending.finished) << mode.toStdString() << ": the process hangs at exit";
    EXPECT_FALSE(ending.crashed) << mode.toStdString() << ": " << ending.errors.toStdString();
    EXPECT_EQ(ending.exitCode, 0) << mode.toStdString() << ": " << ending.errors.toStdString();
    EXPECT_FALSE(ending.errors.contains(QStringLiteral("Sanitizer")) ||
                 ending.errors.contains(QStringLiteral("runtime error")))
        << mode.toStdString() << ": " << ending.errors.toStdString();
}

} // namespace

TEST(QVTTSExitTest, HostReturningFromMainWhileSpeakingEndsCleanly)
{
    expectCleanEnd(QStringLiteral("return"));
    expectCleanEnd(QStringLiteral("paused"));
    expectCleanEnd(QStringLiteral("unhooked"));
}

TEST(QVTTSExitTest, HostExitingFromTheWordCallbackEndsCleanly)
{
    expectCleanEnd(QStringLiteral("exit-in-callback"));
}

TEST(QVTTSExitTest, HostEndingWhileLongMarkupIsReadEndsCleanly)
{
    expectCleanEnd(QStringLiteral("hostile"));
}

TEST(QVTTSExitTest, HostStaticsCallingTheLibraryAfterItsShutdownGetClearFailures)
{
    expectCleanEnd(QStringLiteral("late-caller"));
}
