// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Two measurements of document import:
// 1. A 300-page text PDF: the CPU time of our extraction against the
//    poppler-utils pdftotext program on the same file (best of three runs
//    each), so the ratio shows what our piece handling adds.
// 2. The text of a 1,000-page PDF inserted into an editor in a shown window:
//    the worst delay of a 10 ms timer (what the user feels as a frozen
//    window) and the heap the inserted text costs, against the text's size.
// Run under a display (xvfb-run) or with QT_QPA_PLATFORM=offscreen.
#include "vocalynedocconverter.h"
#include "vocalynedocumentedit.h"
#include "vocalynedocumentextractor.h"
#include "vocalyneextractionsink.h"
#include "vocalynemessageservice.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <malloc.h>
#include <sys/resource.h>

namespace {

// Prose-like paragraphs from a fixed vocabulary and a fixed seed, so runs
// compare.
QStringList paragraphsFor(int page)
{
    static const char *const vocabulary[] = {
        "the",     "river",    "committee", "agreed",  "that",   "winter", "library",  "hours",
        "budget",  "a",        "of",        "and",     "report", "town",   "children", "roof",
        "repairs", "harbour",  "ships",     "morning", "salt",   "news",   "mountain", "snow",
        "passes",  "shepherd", "flocks",    "storm",   "season", "market", "bread",    "council"};
    QRandomGenerator random(quint32(page) * 7919u + 1u);
    QStringList paragraphs;
    for (int p = 0; p < 6; ++p) {
        QString text;
        const int count = 60 + int(random.bounded(40));
        for (int w = 0; w < count; ++w) {
            if (w > 0)
                text += QLatin1Char(' ');
            text += QLatin1String(vocabulary[random.bounded(32)]);
            if (random.bounded(12) == 0)
                text += QLatin1Char('.');
        }
        paragraphs.append(text + QLatin1Char('.'));
    }
    return paragraphs;
}

bool writePdf(const QString &path, int pages)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(72);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(9);
    painter.setFont(font);
    const QRect area = painter.viewport();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        int y = 0;
        for (const QString &paragraph : paragraphsFor(page)) {
            QRect bounds;
            painter.drawText(QRect(0, y, area.width(), area.height() - y),
                             Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, paragraph, &bounds);
            y += bounds.height() + 9;
        }
    }
    return painter.end();
}

// CPU time of this thread: a gap measured in it is work done without
// returning to the event loop, whatever else the machine runs meanwhile.
qint64 threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// The editor warns about a missing default voice on a fresh settings store;
// nobody is there to answer.
class QuietMessages : public VocalyneMessageService
{
public:
    QMessageBox::StandardButton show(QWidget *, Kind, const QString &, const QString &,
                                     QMessageBox::StandardButtons,
                                     QMessageBox::StandardButton) override
    {
        return QMessageBox::Ok;
    }
};

class CountingSink : public VocalyneExtractionSink
{
public:
    bool piece(const QString &text, bool) override
    {
        characters += text.size();
        return true;
    }
    qint64 characters = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QuietMessages quiet;
    VocalyneMessageService::setInstance(&quiet);
    QTemporaryDir dir;

    // 1. Extraction time against pdftotext.
    const QString pdf300 = dir.filePath(QStringLiteral("300.pdf"));
    QElapsedTimer made;
    made.start();
    if (!writePdf(pdf300, 300))
        return 1;
    std::printf("300-page PDF written in %lld ms (%lld bytes)\n",
                static_cast<long long>(made.elapsed()),
                static_cast<long long>(QFileInfo(pdf300).size()));

    QList<double> ours, theirs, oursWall, theirsWall;
    qint64 characters = 0;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer wall;
        wall.start();
        const double before = cpuSeconds(RUSAGE_SELF);
        CountingSink sink;
        if (VocalyneDocumentExtractor::extract(pdf300, sink) != 0)
            return 2;
        ours.append(cpuSeconds(RUSAGE_SELF) - before);
        oursWall.append(wall.elapsed() / 1000.0);
        characters = sink.characters;

        wall.restart();
        const double childBefore = cpuSeconds(RUSAGE_CHILDREN);
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"),
                        {pdf300, dir.filePath(QStringLiteral("out.txt"))});
        if (!pdftotext.waitForFinished(300000) || pdftotext.exitCode() != 0) {
            std::printf("pdftotext did not run (poppler-utils installed?)\n");
            return 3;
        }
        theirs.append(cpuSeconds(RUSAGE_CHILDREN) - childBefore);
        theirsWall.append(wall.elapsed() / 1000.0);
    }
    std::sort(ours.begin(), ours.end());
    std::sort(theirs.begin(), theirs.end());
    std::sort(oursWall.begin(), oursWall.end());
    std::sort(theirsWall.begin(), theirsWall.end());
    std::printf("300 pages, %lld characters: extraction CPU best %.3f s, pdftotext best %.3f s: "
                "ratio %.2f (limit 1.20)\n",
                static_cast<long long>(characters), ours.first(), theirs.first(),
                ours.first() / theirs.first());
    std::printf("  wall time best: extraction %.3f s, pdftotext %.3f s (ratio %.2f)\n",
                oursWall.first(), theirsWall.first(), oursWall.first() / theirsWall.first());

    // 2. Inserting a 1,000-page document into a shown editor.
    const QString pdf1000 = dir.filePath(QStringLiteral("1000.pdf"));
    if (!writePdf(pdf1000, 1000))
        return 4;
    QMainWindow window;
    auto *edit = new VocalyneDocumentEdit(&window, nullptr, nullptr, nullptr);
    window.setCentralWidget(edit);
    window.resize(1000, 700);
    window.show();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        QApplication::processEvents(QEventLoop::AllEvents, 20);

    QElapsedTimer sinceTick;
    QElapsedTimer total;
    qint64 worstGap = 0;
    qint64 worstCpuGap = 0;
    qint64 lastTickCpu = 0;
    int ticks = 0;
    QList<QPair<qint64, qint64>> longGaps; // (when, how long)
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 gap = sinceTick.elapsed();
        const qint64 cpuNow = threadCpuMs();
        if (ticks > 0)
            worstCpuGap = std::max(worstCpuGap, cpuNow - lastTickCpu);
        lastTickCpu = cpuNow;
        if (ticks++ > 0) {
            worstGap = std::max(worstGap, gap);
            if (gap > 50)
                longGaps.append({total.elapsed(), gap});
        }
        sinceTick.restart();
    });

    malloc_trim(0);
    const size_t heapBefore = heapInUse();
    const double cpuBefore = cpuSeconds(RUSAGE_SELF);
    total.start();
    ticker.start();
    sinceTick.start();
    int result = -1;
    {
        QFile file(pdf1000);
        VocalyneDocConverter converter(edit);
        result = converter.convert(QStringLiteral("pdf"), file);
    }
    // The editor's first repaint after the insertion belongs to it too.
    QApplication::processEvents();
    worstGap = std::max(worstGap, sinceTick.elapsed());
    ticker.stop();
    const qint64 elapsed = total.elapsed();
    const double cpu = cpuSeconds(RUSAGE_SELF) - cpuBefore;
    malloc_trim(0);
    const size_t heapAfter = heapInUse();
    const qint64 chars = edit->document()->characterCount();
    const double utf16 = double(chars) * 2.0;
    const double growth = double(heapAfter) - double(heapBefore);
    std::printf("1,000 pages into a shown editor: result %d, %lld characters in %lld ms, "
                "%d timer ticks\n",
                result, static_cast<long long>(chars), static_cast<long long>(elapsed), ticks);
    std::printf("  CPU time %.2f s; worst event-loop delay %lld ms (limit 100 ms); worst work "
                "between two rounds of events %lld ms of CPU\n",
                cpu, static_cast<long long>(worstGap), static_cast<long long>(worstCpuGap));
    for (const auto &gap : std::as_const(longGaps))
        std::printf("    delay of %lld ms at %lld ms\n", static_cast<long long>(gap.second),
                    static_cast<long long>(gap.first));
    std::printf("  heap for the inserted text %.1f MB = %.2f x the text's %.1f MB in UTF-16 "
                "(%.2f x its %.1f MB in UTF-8) (limit 5 x)\n",
                growth / 1048576.0, growth / utf16, utf16 / 1048576.0,
                growth / double(edit->toPlainText().toUtf8().size()),
                edit->toPlainText().toUtf8().size() / 1048576.0);
    return 0;
}
