// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Exports a batch of 24 text files of about 2,000 words each through the
// Batch Converter, once with one worker at a time and once with three, and
// reports both wall times, their ratio, and the worst lateness of a 10 ms
// timer of the main window while the parallel batch runs.
//
//   exportbench_batch [files] [words]
#include "vocalyneexporter.h"
#include "vocalyneexportstarter.h"
#include "vocalynemainwindow.h"
#include "vocalynemessageservice.h"
#include "vocalynesettingskeys.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// Answers every message box at once, so the runs never wait for a user.
class SilentMessages : public VocalyneMessageService
{
public:
    QMessageBox::StandardButton show(QWidget *, Kind, const QString &, const QString &,
                                     QMessageBox::StandardButtons,
                                     QMessageBox::StandardButton defaultButton) override
    {
        return defaultButton != QMessageBox::NoButton ? defaultButton : QMessageBox::Yes;
    }
};

struct Run
{
    double seconds = 0;
    double worstLateMs = 0;
};

Run runBatch(VocalyneMainWindow &window, const QStringList &inputs, const QString &out, int limit)
{
    {
        QSettings settings;
        settings.setValue(QString(VocalyneSettingsKeys::SimulBatchExpProcNum), limit);
    }
    for (const QString &name : QDir(out).entryList(QDir::Files))
        QFile::remove(QDir(out).filePath(name));

    Run run;
    QTimer::singleShot(0, &window, [&] {
        auto *wizard = window.findChild<VocalyneExporter *>();
        if (!wizard)
            return;
        wizard->setOutputFolder(out);
        wizard->addFiles(inputs);
        wizard->next();

        QElapsedTimer tick;
        QTimer probe;
        probe.setTimerType(Qt::PreciseTimer);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            run.worstLateMs = qMax(run.worstLateMs, tick.nsecsElapsed() / 1e6 - 10.0);
            tick.restart();
        });
        QElapsedTimer wall;
        wall.start();
        tick.start();
        probe.start(10);
        wizard->next(); // starts the batch
        while (!wizard->batchFinished())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        run.seconds = wall.nsecsElapsed() / 1e9;
        probe.stop();
        wizard->reject();
    });
    window.mainWindowAction(QStringLiteral("actionBatch_Converter"))->trigger();
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("VOCALYNE_AUDIO_OUTPUT"))
        qputenv("VOCALYNE_AUDIO_OUTPUT", "fast-null");
    QApplication app(argc, argv);
    const int files = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 24;
    const int words = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 2000;

    SilentMessages messages;
    VocalyneMessageService::setInstance(&messages);
    VocalyneMainWindow window;
    {
        QSettings settings;
        settings.setValue(QStringLiteral("DefaultSpeechValues/audioFormat/isMP3"), 0);
    }

    const QString in = home.filePath(QStringLiteral("in"));
    const QString out = home.filePath(QStringLiteral("out"));
    QDir().mkpath(in);
    QDir().mkpath(out);
    const QByteArray sentence = "The quick export of a long document takes its time here. ";
    const int sentenceWords = 10;
    QStringList inputs;
    for (int i = 0; i < files; ++i) {
        const QString path = QDir(in).filePath(QStringLiteral("doc%1.txt").arg(i));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        for (int w = 0; w < words; w += sentenceWords)
            file.write(sentence);
        inputs << path;
    }

    const Run serial = runBatch(window, inputs, out, 1);
    const Run parallel = runBatch(window, inputs, out, 3);
    std::printf("batch of %d files, %d words each\n", files, words);
    std::printf("one worker at a time: %.2f s\n", serial.seconds);
    std::printf("three workers:        %.2f s (%.2f of one at a time)\n", parallel.seconds,
                serial.seconds > 0 ? parallel.seconds / serial.seconds : 0.0);
    std::printf("worst lateness of a 10 ms timer while three ran: %.1f ms\n", parallel.worstLateMs);
    VocalyneMessageService::setInstance(nullptr);
    return 0;
}
