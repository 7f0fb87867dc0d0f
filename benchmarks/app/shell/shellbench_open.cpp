// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Measures how long the main window takes from process start to being shown,
// and how long opening a large speech document takes (read, text, highlights
// and manager tables). Run under a display or with QT_QPA_PLATFORM=offscreen;
// VOCALYNE_AUDIO_OUTPUT=fast-null keeps the engine away from the sound server.
#include "benchdocument.h"
#include "vocalynedocumentedit.h"
#include "vocalynemainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QWindow>

#include <algorithm>
#include <ctime>
#include <cstdio>

namespace {

void waitUntilExposed(QWidget *widget)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 5000
           && !(widget->windowHandle() && widget->windowHandle()->isExposed()))
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    QApplication::processEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();

    // The measurement must not touch the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
    QCoreApplication::setApplicationName(QStringLiteral("Vocalyne"));

    auto *window = new VocalyneMainWindow();
    window->show();
    waitUntilExposed(window);
    const qint64 startup = sinceStart.elapsed();
    std::printf("start-up to shown main window: %lld ms\n", static_cast<long long>(startup));

    QTemporaryDir dir;
    BenchDocument::Shape shape;
    shape.paragraphs = 7700; // about 1,000,000 characters of text
    shape.sections = 5000;
    shape.elements = 20000;
    shape.bookmarks = 1000;
    const QByteArray bytes =
        BenchDocument::build(shape, window->currentDocumentEdit()->voiceName());
    const QString path = dir.filePath(QStringLiteral("large.t2s"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return 1;
    file.close();

    // Where the time goes: the file reader alone, and the plain text in a
    // bare editor widget of the same size.
    {
        QElapsedTimer timer;
        timer.start();
        QVT2SDocument document;
        document.loadDefaultSpeechValues();
        const bool ok = document.read(bytes);
        const qint64 readMs = timer.elapsed();
        QTextEdit bare;
        bare.resize(window->currentDocumentEdit()->size());
        bare.show();
        timer.restart();
        bare.setPlainText(document.content());
        QApplication::processEvents();
        std::printf("  of which: reading the file %lld ms (%s), plain text in a bare editor "
                    "%lld ms\n",
                    static_cast<long long>(readMs), ok ? "valid" : "INVALID",
                    static_cast<long long>(timer.elapsed()));
    }

    QList<qint64> runs;
    QList<qint64> cpuRuns; // CPU time: less distorted on a busy machine
    int sections = 0, elements = 0, bookmarks = 0, characters = 0;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        const std::clock_t cpuStart = std::clock();
        window->openDocumentFile(path);
        QApplication::processEvents();
        runs.append(timer.elapsed());
        cpuRuns.append(qint64(std::clock() - cpuStart) * 1000 / CLOCKS_PER_SEC);
        VocalyneDocumentEdit *edit = window->currentDocumentEdit();
        sections = int(edit->sections().size());
        elements = int(edit->elements().size());
        bookmarks = int(edit->bookmarks().size());
        characters = int(edit->document()->characterCount());
        if (run == 0) {
            QElapsedTimer redraw;
            redraw.start();
            edit->refreshHighlights();
            std::printf("  of which: drawing every highlight and table row once %lld ms\n",
                        static_cast<long long>(redraw.elapsed()));
        }
        window->closeCurrentDocument();
    }
    std::sort(runs.begin(), runs.end());
    std::sort(cpuRuns.begin(), cpuRuns.end());
    std::printf("open %.2f MB .t2s (%d characters, %d sections, %d elements, %d bookmarks): "
                "best %lld ms, median %lld ms, worst %lld ms\n",
                bytes.size() / 1048576.0, characters, sections, elements, bookmarks,
                static_cast<long long>(runs.first()), static_cast<long long>(runs.at(1)),
                static_cast<long long>(runs.last()));
    std::printf("  CPU time of the same opens: best %lld ms, median %lld ms\n",
                static_cast<long long>(cpuRuns.first()), static_cast<long long>(cpuRuns.at(1)));
    delete window;
    return 0;
}
