// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Exports a batch of documents of about 2,000 words each through the Batch
// Converter, once with one worker at a time and once with three, and reports
// for each run:
//   - the wall time, and the ratio of the two;
//   - the CPU time (user + system) of the workers and of the main program,
//     and the workers' CPU over wall: how many cores the run really kept
//     busy, a figure that still means something on a loaded machine;
//   - the load average when the run started;
//   - the worst lateness of a 10 ms timer of the main window, how many ticks
//     came more than 50 ms late, and when the worst one happened.
// Every other document is a speech document (".t2s") with sections, so the
// rendering of speech documents is part of the run.
//
//   exportbench_batch [files] [words] [parallel limit] [voice]
// voice: the first voice whose name contains this text (default: the
// default voice of a new user).
#include "qvt2sdocument.h"
#include "vocalyneexportbatch.h"
#include "vocalyneexporter.h"
#include "vocalyneexportstarter.h"
#include "vocalynemainwindow.h"
#include "vocalynemessageservice.h"
#include "vocalynesettingskeys.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

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

double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double loadAverage()
{
    double load[1] = {0};
    return getloadavg(load, 1) == 1 ? load[0] : -1;
}

struct Run
{
    int limit = 0;
    double load = 0;
    double seconds = 0;
    double workerCpu = 0;
    double mainCpu = 0;
    double worstLateMs = 0;
    double worstAtS = 0;
    int worstRunning = 0;
    int lateTicks = 0;
    int ticks = 0;
    int succeeded = 0;
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
    run.limit = limit;
    QTimer::singleShot(0, &window, [&] {
        auto *wizard = window.findChild<VocalyneExporter *>();
        if (!wizard)
            return;
        wizard->setOutputFolder(out);
        wizard->addFiles(inputs);
        wizard->next();

        QElapsedTimer wall;
        QElapsedTimer tick;
        QTimer probe;
        probe.setTimerType(Qt::PreciseTimer);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            const double late = tick.nsecsElapsed() / 1e6 - 10.0;
            tick.restart();
            ++run.ticks;
            if (late > 50.0)
                ++run.lateTicks;
            if (late > run.worstLateMs) {
                run.worstLateMs = late;
                run.worstAtS = wall.nsecsElapsed() / 1e9;
                run.worstRunning = window.exportBatch() ? window.exportBatch()->runningCount() : 0;
            }
        });
        run.load = loadAverage();
        const double workersBefore = cpuSeconds(RUSAGE_CHILDREN);
        const double mainBefore = cpuSeconds(RUSAGE_SELF);
        wall.start();
        tick.start();
        probe.start(10);
        // A real event loop: processEvents() with a time limit never waits
        // for events and would spin, taking a core from the workers.
        QEventLoop waiting;
        QObject::connect(&probe, &QTimer::timeout, &waiting, [&] {
            if (wizard->batchFinished())
                waiting.quit();
        });
        wizard->next(); // starts the batch
        waiting.exec();
        run.seconds = wall.nsecsElapsed() / 1e9;
        probe.stop();
        run.workerCpu = cpuSeconds(RUSAGE_CHILDREN) - workersBefore;
        run.mainCpu = cpuSeconds(RUSAGE_SELF) - mainBefore;
        for (int row = 0; row < inputs.size(); ++row)
            if (wizard->table()->item(row, VocalyneExporter::StatusColumn)->text() ==
                QLatin1String("Export successful!"))
                ++run.succeeded;
        wizard->reject();
    });
    window.mainWindowAction(QStringLiteral("actionBatch_Converter"))->trigger();
    return run;
}

void print(const char *label, const Run &run, int files)
{
    std::printf("%s (limit %d, load average %.2f at start): %d of %d exported\n", label, run.limit,
                run.load, run.succeeded, files);
    std::printf("  wall %.2f s; workers' CPU %.2f s (%.2f cores busy); main program's CPU %.2f s\n",
                run.seconds, run.workerCpu, run.seconds > 0 ? run.workerCpu / run.seconds : 0.0,
                run.mainCpu);
    std::printf("  10 ms timer: worst %.1f ms late (at %.2f s, %d workers running), "
                "%d of %d ticks more than 50 ms late\n",
                run.worstLateMs, run.worstAtS, run.worstRunning, run.lateTicks, run.ticks);
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
    const int limit = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 3;

    SilentMessages messages;
    VocalyneMessageService::setInstance(&messages);
    VocalyneMainWindow window;
    QString voiceName;
    {
        QSettings settings;
        settings.setValue(QStringLiteral("DefaultSpeechValues/audioFormat/isMP3"), 0);
        const QString wanted = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
        voiceName = settings.value(QString(VocalyneSettingsKeys::VoiceName)).toString();
        for (const auto &voice : window.exportVoices()) {
            if (wanted.isEmpty() || !voice.first.contains(wanted, Qt::CaseInsensitive))
                continue;
            namespace K = VocalyneSettingsKeys;
            settings.setValue(QString(K::VoiceName), voice.first);
            settings.setValue(QString(K::VoiceEngineTypeId), voice.second.engineTypeId);
            settings.setValue(QString(K::VoiceId), voice.second.voiceId);
            settings.setValue(QString(K::LangId), voice.second.langId);
            voiceName = voice.first;
            break;
        }
    }

    const QString in = home.filePath(QStringLiteral("in"));
    const QString out = home.filePath(QStringLiteral("out"));
    QDir().mkpath(in);
    QDir().mkpath(out);
    const QString sentence =
        QStringLiteral("The quick export of a long document takes its time here. ");
    const int sentenceWords = 10;
    QString text;
    for (int w = 0; w < words; w += sentenceWords)
        text += sentence;
    QStringList inputs;
    for (int i = 0; i < files; ++i) {
        const bool speechDocument = i % 2 == 1;
        const QString path = QDir(in).filePath(
            QStringLiteral("doc%1.%2").arg(i).arg(QLatin1String(speechDocument ? "t2s" : "txt")));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        if (speechDocument) {
            // A section every few sentences: the rendering has markup to build.
            QVT2SDocument document;
            document.loadDefaultSpeechValues();
            document.setPause(670);
            for (int at = 0; at + 40 < text.size(); at += 10 * sentence.size())
                document.addSection(
                    at, at + 40, {document.engineTypeId(), document.voiceId(), document.langId()},
                    document.voiceName(), 120, 90, 110, 0);
            QTextStream stream(&file);
            document.write(stream, text);
        } else {
            file.write(text.toUtf8());
        }
        inputs << path;
    }

    const Run serial = runBatch(window, inputs, out, 1);
    const Run parallel = runBatch(window, inputs, out, limit);
    std::printf("batch of %d files (every other a speech document), %d words each, voice %s\n",
                files, words, qPrintable(voiceName));
    print("one worker at a time", serial, files);
    print("parallel", parallel, files);
    std::printf("parallel wall / one-at-a-time wall: %.2f\n",
                serial.seconds > 0 ? parallel.seconds / serial.seconds : 0.0);
    VocalyneMessageService::setInstance(nullptr);
    return 0;
}
