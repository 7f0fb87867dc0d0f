// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Measures QVT2SDocument::read(), write() and a real save to disk
// (saveToFile(), as the main window saves) on speech documents of two sizes,
// about 250,000 and 1,000,000 characters of text with one section per 200
// characters, one element per 50 and one bookmark per 1,000 (about 0.9 and
// 3.4 MB), each as many paragraphs and as one long paragraph. The files are
// built straight as XML (BenchDocument) so that building them does not
// depend on the code measured. Saves go to a temporary folder (TMPDIR).
//
// documentbench_file [RUNS [FILE]]   RUNS defaults to 15; the large generated
// document is also saved as FILE when given (for profiling the reader).
#include "qvt2sdocument.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include "benchdocument.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

QByteArray sampleDocument(int characters, bool oneParagraph)
{
    BenchDocument::Shape shape;
    shape.paragraphs = characters / 130; // the sample prose runs 130 characters a line
    shape.sections = characters / 200;
    shape.elements = characters / 50;
    shape.bookmarks = characters / 1000;
    shape.oneParagraph = oneParagraph;
    return BenchDocument::build(shape, QStringLiteral("espeak-ng English (Great Britain)"));
}

struct Timing
{
    QList<qint64> wallUs;
    QList<qint64> cpuUs;
};

Timing measure(int runs, const std::function<void()> &work)
{
    Timing timing;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const std::clock_t cpuStart = std::clock();
        work();
        timing.cpuUs.append(qint64(std::clock() - cpuStart) * 1000000 / CLOCKS_PER_SEC);
        timing.wallUs.append(timer.nsecsElapsed() / 1000);
    }
    std::sort(timing.wallUs.begin(), timing.wallUs.end());
    std::sort(timing.cpuUs.begin(), timing.cpuUs.end());
    return timing;
}

void report(const char *what, const Timing &t)
{
    const auto ms = [](qint64 us) { return double(us) / 1000.0; };
    std::printf("%-6s wall: median %7.1f ms, best %7.1f ms | CPU: median %7.1f ms, best %7.1f ms\n",
                what, ms(t.wallUs.at(t.wallUs.size() / 2)), ms(t.wallUs.first()),
                ms(t.cpuUs.at(t.cpuUs.size() / 2)), ms(t.cpuUs.first()));
}

} // namespace

bool benchmark(const QByteArray &bytes, const char *shapeName, int runs, const QString &folder)
{
    QVT2SDocument document;
    if (!document.read(bytes)) {
        std::fprintf(stderr, "documentbench_file: the generated document does not read\n");
        return false;
    }
    std::printf("\n== %s: %.2f MB .t2s, %lld characters, %lld sections, %lld elements, "
                "%lld bookmarks; %d runs ==\n",
                shapeName, bytes.size() / 1048576.0,
                static_cast<long long>(document.content().size()),
                static_cast<long long>(document.sections().size()),
                static_cast<long long>(document.elements().size()),
                static_cast<long long>(document.bookmarks().size()), runs);

    bool allRead = true;
    report("read", measure(runs, [&] {
               QVT2SDocument copy;
               allRead = copy.read(bytes) && allRead;
           }));

    // Into memory through a QTextStream, as the save writes into its file.
    const QString content = document.content();
    QByteArray saved;
    report("write", measure(runs, [&] {
               QBuffer buffer;
               buffer.open(QIODevice::WriteOnly);
               QTextStream stream(&buffer);
               document.write(stream, content);
               stream.flush();
               saved = buffer.data();
           }));

    // The real save: a file beside the target, flushed to disk, then moved
    // over the previous version.
    const QString path = folder + QStringLiteral("/saved.t2s");
    bool allSaved = true;
    report("save",
           measure(runs, [&] { allSaved = document.saveToFile(path, content) && allSaved; }));
    QFile savedFile(path);
    const QByteArray onDisk =
        savedFile.open(QIODevice::ReadOnly) ? savedFile.readAll() : QByteArray();
    std::printf("written file: %.2f MB\n", saved.size() / 1048576.0);

    QVT2SDocument again;
    if (!allRead || !allSaved || onDisk != saved || !again.read(saved) ||
        again.sections() != document.sections() || again.elements() != document.elements() ||
        again.bookmarks() != document.bookmarks() || again.content() != content) {
        std::fprintf(stderr, "documentbench_file: a read or save failed or the written file "
                             "differs\n");
        return false;
    }
    return true;
}

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 15;
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "documentbench_file: no temporary folder\n");
        return 1;
    }

    for (const int characters : {250 * 1000, 1000 * 1000}) {
        for (const bool oneParagraph : {false, true}) {
            const QByteArray bytes = sampleDocument(characters, oneParagraph);
            if (argc > 2 && characters == 1000 * 1000 && !oneParagraph) {
                QFile file(QString::fromLocal8Bit(argv[2]));
                if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
                    std::fprintf(stderr, "documentbench_file: cannot write %s\n", argv[2]);
                    return 1;
                }
            }
            const QByteArray name =
                QByteArray::number(characters) +
                (oneParagraph ? " characters, one paragraph" : " characters, paragraphs");
            if (!benchmark(bytes, name.constData(), runs, folder.path()))
                return 1;
        }
    }
    return 0;
}
