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
#include <QWindow>

#include <algorithm>
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

    QList<qint64> runs;
    int sections = 0, elements = 0, bookmarks = 0, characters = 0;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        window->openDocumentFile(path);
        QApplication::processEvents();
        runs.append(timer.elapsed());
        VocalyneDocumentEdit *edit = window->currentDocumentEdit();
        sections = int(edit->sections().size());
        elements = int(edit->elements().size());
        bookmarks = int(edit->bookmarks().size());
        characters = int(edit->document()->characterCount());
        window->closeCurrentDocument();
    }
    std::sort(runs.begin(), runs.end());
    std::printf("open %.2f MB .t2s (%d characters, %d sections, %d elements, %d bookmarks): "
                "best %lld ms, median %lld ms, worst %lld ms\n",
                bytes.size() / 1048576.0, characters, sections, elements, bookmarks,
                static_cast<long long>(runs.first()), static_cast<long long>(runs.at(1)),
                static_cast<long long>(runs.last()));
    delete window;
    return 0;
}
