// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// Measures QVT2SDocument::read() and write() on a large speech document:
// about 1,000,000 characters of text with 5,000 sections, 20,000 elements
// and 1,000 bookmarks (about 3.4 MB). The file is built straight as XML so
// that building it does not depend on the code being measured.
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
#include <QXmlStreamWriter>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

QByteArray largeDocument()
{
    const QString prose[] = {
        QStringLiteral("The harbour woke slowly under a pale sky, and the first ferry sounded "
                       "its horn twice before it left the pier."),
        QStringLiteral("Mara read the letter again. Every sentence seemed to ask for a pause, "
                       "as if the writer had stopped to breathe between the words."),
        QStringLiteral("In the old library the clocks disagreed by a minute or two; nobody "
                       "minded, because the books kept their own time & ignored <them>."),
        QStringLiteral("By noon the market was loud with voices: fishmongers, children, a "
                       "violinist who played the same waltz for anyone who listened."),
    };
    QString text;
    for (int i = 0; i < 7700; ++i) {
        if (i)
            text += QLatin1Char('\n');
        text += prose[i % 4];
    }
    const int length = int(text.size());
    const int sections = 5000, elements = 20000, bookmarks = 1000;

    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartElement(QStringLiteral("QVT2SDoc"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0.0"));
    xml.writeStartElement(QStringLiteral("QVT2SGlobalVoice"));
    xml.writeAttribute(QStringLiteral("enginetypeid"), QStringLiteral("3"));
    xml.writeAttribute(QStringLiteral("voicename"), QStringLiteral("English (Great Britain)"));
    xml.writeAttribute(QStringLiteral("voiceid"), QStringLiteral("-1"));
    xml.writeAttribute(QStringLiteral("langid"), QStringLiteral("0"));
    xml.writeAttribute(QStringLiteral("pitch"), QStringLiteral("100"));
    xml.writeAttribute(QStringLiteral("speed"), QStringLiteral("100"));
    xml.writeAttribute(QStringLiteral("volume"), QStringLiteral("100"));
    xml.writeAttribute(QStringLiteral("pause"), QStringLiteral("670"));
    xml.writeAttribute(QStringLiteral("highlight"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("isxml"), QStringLiteral("1"));
    xml.writeEndElement();

    // Records spread evenly over the text, without overlapping.
    xml.writeStartElement(QStringLiteral("QVT2SSpeechSections"));
    const int sectionStride = length / sections;
    for (int i = 0; i < sections; ++i) {
        const int from = i * sectionStride;
        xml.writeStartElement(QStringLiteral("QVT2SSpeechSection"));
        xml.writeAttribute(QStringLiteral("fromchar"), QString::number(from));
        xml.writeAttribute(QStringLiteral("tochar"), QString::number(from + sectionStride * 2 / 3));
        xml.writeAttribute(QStringLiteral("enginetypeid"), QStringLiteral("3"));
        xml.writeAttribute(QStringLiteral("voicename"), QStringLiteral("English (America)"));
        xml.writeAttribute(QStringLiteral("voiceid"), QStringLiteral("-1"));
        xml.writeAttribute(QStringLiteral("langid"), QStringLiteral("1033"));
        xml.writeAttribute(QStringLiteral("pitch"), QString::number(80 + i % 60));
        xml.writeAttribute(QStringLiteral("speed"), QString::number(90 + i % 40));
        xml.writeAttribute(QStringLiteral("volume"), QStringLiteral("90"));
        xml.writeAttribute(QStringLiteral("pause"), QStringLiteral("0"));
        xml.writeAttribute(QStringLiteral("enabled"), QLatin1String(i % 5 ? "1" : "0"));
        xml.writeEndElement();
    }
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("QVT2SSpeechElements"));
    const int elementStride = length / elements;
    for (int i = 0; i < elements; ++i) {
        xml.writeStartElement(QStringLiteral("QVT2SSpeechElement"));
        xml.writeAttribute(QStringLiteral("afterchar"), QString::number(i * elementStride));
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("pause"));
        xml.writeAttribute(QStringLiteral("value"), QString::number(200 + 50 * (i % 8)));
        xml.writeAttribute(QStringLiteral("enabled"), QStringLiteral("1"));
        xml.writeEndElement();
    }
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("QVT2SSpeechBookmarks"));
    const int bookmarkStride = length / bookmarks;
    for (int i = 0; i < bookmarks; ++i) {
        const int from = i * bookmarkStride + bookmarkStride / 4;
        xml.writeStartElement(QStringLiteral("QVT2SSpeechBookmark"));
        xml.writeAttribute(QStringLiteral("fromchar"), QString::number(from));
        xml.writeAttribute(QStringLiteral("tochar"), QString::number(from + bookmarkStride / 2));
        xml.writeAttribute(QStringLiteral("enabled"), QLatin1String(i % 3 ? "1" : "0"));
        xml.writeEndElement();
    }
    xml.writeEndElement();

    xml.writeTextElement(QStringLiteral("QVT2SContent"), text);
    xml.writeEndElement();
    return bytes;
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
