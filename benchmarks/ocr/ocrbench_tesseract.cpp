// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// The OCR adapter against the tesseract command on the same pages, in one run:
//  - one A4 page at 300 dpi: wall and CPU time of each, alternating runs;
//  - a 10-page TIFF: the adapter on the whole file (pages in parallel) against
//    the command run page by page on single-page files.
// Usage: ocrbench_tesseract [ROUNDS]
#include "ocrtestimages.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace OcrTestImages;

namespace {

struct Timing
{
    double wallMs = 0;
    double cpuMs = 0;
};

double childCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3 +
           usage.ru_stime.tv_sec * 1e3 + usage.ru_stime.tv_usec / 1e3;
}

Timing runAll(const QString &program, const QList<QStringList> &runs, bool singleThreaded = false)
{
    const double cpuBefore = childCpuMs();
    QElapsedTimer timer;
    timer.start();
    for (const QStringList &arguments : runs) {
        QProcess process;
        if (singleThreaded) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("OMP_THREAD_LIMIT"), QStringLiteral("1"));
            process.setProcessEnvironment(environment);
        }
        process.start(program, arguments);
        process.waitForFinished(-1);
        process.readAllStandardOutput();
        if (process.exitCode() != 0)
            std::fprintf(stderr, "%s failed with %d\n", qPrintable(program), process.exitCode());
    }
    return {double(timer.nsecsElapsed()) / 1e6, childCpuMs() - cpuBefore};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QStringList pageLines(int page)
{
    QStringList lines;
    const QStringList sample = englishSample();
    for (int i = 0; i < 40; ++i)
        lines.append(sample.at((i + page) % sample.size()));
    return lines;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    const QString adapter = QStringLiteral(GLYPHIX_PROGRAM_FOLDER "/tesseract");
    const QString command = QStringLiteral("/usr/bin/tesseract");
    const QString eng = QStringLiteral("eng");

    QTemporaryDir dir;
    const QString a4 = dir.filePath(QStringLiteral("a4.tif"));
    writeTiff({renderPage(pageLines(0))}, a4, Tiff::Uncompressed);

    std::vector<double> wallRatios, cpuRatios;
    for (int round = 0; round < rounds; ++round) {
        const Timing ours = runAll(adapter, {{a4, a4, QStringLiteral("-l"), eng}});
        const Timing theirs =
            runAll(command, {{a4, QStringLiteral("stdout"), QStringLiteral("-l"), eng}});
        const Timing single =
            runAll(command, {{a4, QStringLiteral("stdout"), QStringLiteral("-l"), eng}}, true);
        std::printf("A4 page, round %d: adapter %.0f ms wall %.0f ms CPU, command %.0f ms wall "
                    "%.0f ms CPU, command with one OpenMP thread %.0f ms wall %.0f ms CPU\n",
                    round + 1, ours.wallMs, ours.cpuMs, theirs.wallMs, theirs.cpuMs, single.wallMs,
                    single.cpuMs);
        wallRatios.push_back(ours.wallMs / theirs.wallMs);
        cpuRatios.push_back(ours.cpuMs / theirs.cpuMs);
    }
    std::printf("A4 page: median ratio adapter/command wall %.3f, CPU %.3f\n", median(wallRatios),
                median(cpuRatios));

    QList<QImage> pages;
    QList<QStringList> pageByPage;
    for (int i = 0; i < 10; ++i) {
        pages.append(renderPage(pageLines(i)));
        const QString single = dir.filePath(QStringLiteral("page%1.tif").arg(i));
        writeTiff({pages.last()}, single, Tiff::G4);
        pageByPage.append({single, QStringLiteral("stdout"), QStringLiteral("-l"), eng});
    }
    const QString book = dir.filePath(QStringLiteral("book.tif"));
    writeTiff(pages, book, Tiff::G4);

    std::vector<double> bookRatios;
    for (int round = 0; round < rounds; ++round) {
        const Timing ours = runAll(adapter, {{book, book, QStringLiteral("-l"), eng}});
        const Timing theirs = runAll(command, pageByPage);
        std::printf("10 pages, round %d: adapter %.0f ms wall, command page by page %.0f ms wall\n",
                    round + 1, ours.wallMs, theirs.wallMs);
        bookRatios.push_back(ours.wallMs / theirs.wallMs);
    }
    std::printf("10 pages: median ratio adapter/command wall %.3f\n", median(bookRatios));
    return 0;
}
