// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Measures QVT2SDocument::read() and write() on a large speech document:
// about 1,000,000 characters of text with 5,000 sections, 20,000 elements
// and 1,000 bookmarks (about 3.4 MB). The file is built straight as XML
// (BenchDocument) so that building it does not depend on the code measured.
//
// documentbench_file [RUNS [FILE]]   RUNS defaults to 15; the generated document is
// also saved as FILE when given (for profiling the reader on its own).
#include "qvt2sdocument.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTextStream>

#include "benchdocument.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

QByteArray largeDocument()
{
    BenchDocument::Shape shape;
    shape.paragraphs = 7700; // about 1,000,000 characters of text
    shape.sections = 5000;
    shape.elements = 20000;
    shape.bookmarks = 1000;
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

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 15;

    const QByteArray bytes = largeDocument();
    if (argc > 2) {
        QFile file(QString::fromLocal8Bit(argv[2]));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "documentbench_file: cannot write %s\n", argv[2]);
            return 1;
        }
    }
    QVT2SDocument document;
    if (!document.read(bytes)) {
        std::fprintf(stderr, "documentbench_file: the generated document does not read\n");
        return 1;
    }
    std::printf("%.2f MB .t2s: %lld characters, %lld sections, %lld elements, %lld bookmarks; "
                "%d runs\n",
                bytes.size() / 1048576.0, static_cast<long long>(document.content().size()),
                static_cast<long long>(document.sections().size()),
                static_cast<long long>(document.elements().size()),
                static_cast<long long>(document.bookmarks().size()), runs);

    bool allRead = true;
    report("read", measure(runs, [&] {
               QVT2SDocument copy;
               allRead = copy.read(bytes) && allRead;
           }));

    // Written into a buffer as the main window writes into a file: through a
    // QTextStream on a device.
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
    std::printf("written file: %.2f MB\n", saved.size() / 1048576.0);

    QVT2SDocument again;
    if (!allRead || !again.read(saved) || again.sections() != document.sections() ||
        again.elements() != document.elements() || again.bookmarks() != document.bookmarks() ||
        again.content() != content) {
        std::fprintf(stderr, "documentbench_file: a read failed or the written file differs\n");
        return 1;
    }
    return 0;
}
