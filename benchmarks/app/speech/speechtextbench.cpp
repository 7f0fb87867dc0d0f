// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
//
// How long the speech text of a large document takes to build, and how long
// one word event takes to map back. A 1 MB document with 5,000 sections,
// 20,000 elements and 1,000 bookmarks, half of each enabled.
#include "qvt2sdocument.h"
#include "vocalynespeechtextbuilder.h"
#include "vocalynewordhighlight.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

class BenchDocument : public QVT2SDocument
{
public:
    BenchDocument()
    {
        m_engineTypeId = 3;
        m_voiceName = QStringLiteral("English");
        m_speed = 100;
        m_pitch = 120;
        m_volume = 100;
    }
    QList<QVT2SSection> &sectionList() { return m_sections; }
    QList<QVT2SElement> &elementList() { return m_elements; }
    QList<QVT2SBookmark> &bookmarkList() { return m_bookmarks; }
};

QString makeText(int length)
{
    QRandomGenerator rng(7);
    QString text;
    text.reserve(length);
    while (text.size() < length) {
        const int word = 2 + int(rng.bounded(8));
        for (int i = 0; i < word; ++i)
            text += QChar(u'a' + rng.bounded(26));
        text += rng.bounded(12) == 0 ? QStringLiteral(". ") : QStringLiteral(" ");
    }
    text.truncate(length);
    return text;
}

void fill(BenchDocument &doc, int length)
{
    const qint16 types[] = {1, 3, 4, 0};
    for (int i = 0; i < 5000; ++i) {
        QVT2SSection s;
        s.fromChar = quint32(i) * 200 + 20;
        s.toChar = s.fromChar + 120;
        s.engineTypeId = types[i % 4];
        s.voiceName = QStringLiteral("ATT DTNV1.4 Mike");
        s.speed = 150;
        s.volume = 80;
        s.pitch = 90;
        s.enabled = i % 2 == 0;
        doc.sectionList().append(s);
    }
    for (int i = 0; i < 20000; ++i)
        doc.elementList().append(
            {quint32(i) * 50 + 7, QStringLiteral("pause"), QStringLiteral("300"), i % 2 == 0});
    for (int i = 0; i < 1000; ++i)
        doc.bookmarkList().append({quint32(i) * 1000 + 100, quint32(i) * 1000 + 700, false});
    Q_ASSERT(doc.bookmarkList().last().toChar <= quint32(length));
}

void enableHalfOfTheBookmarks(BenchDocument &doc, bool on)
{
    for (int i = 0; i < doc.bookmarkList().size(); ++i)
        doc.bookmarkList()[i].enabled = on && i % 2 == 0;
}

template <typename F>
void report(const char *what, F build)
{
    QList<double> ms;
    SpeechText result;
    for (int run = 0; run < 15; ++run) {
        QElapsedTimer timer;
        timer.start();
        result = build();
        ms.append(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s median %7.2f ms  best %7.2f ms  (engine text %lld chars, %lld insertions, "
                "%lld fragments)\n",
                what, ms.at(ms.size() / 2), ms.first(), qlonglong(result.text.size()),
                qlonglong(result.insertionMap.size()), qlonglong(result.rangeMap.size()));
}

} // namespace

int main()
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("Vocalyne.conf")), QSettings::IniFormat);
    VocalyneSpeechTextBuilder builder(&settings);

    const int length = 1 << 20;
    BenchDocument doc;
    fill(doc, length);
    const SpeechTextSource whole{makeText(length), 0, 0, 0};
    SpeechTextSource selection = whole;
    selection.selectionAnchor = length / 4;
    selection.selectionPosition = length / 4 * 3;
    SpeechTextSource cursor = whole;
    cursor.cursorPosition = length / 2;

    std::printf("document: %d chars, %lld sections, %lld elements, %lld bookmarks\n", length,
                qlonglong(doc.sections().size()), qlonglong(doc.elements().size()),
                qlonglong(doc.bookmarks().size()));
    enableHalfOfTheBookmarks(doc, false);
    report("whole text", [&] { return builder.buildSpeechText(doc, whole, false, false); });
    report("selection (half the text)",
           [&] { return builder.buildSpeechText(doc, selection, false, false); });
    report("from cursor (middle)", [&] { return builder.buildSpeechText(doc, cursor, true, false); });
    enableHalfOfTheBookmarks(doc, true);
    report("500 enabled bookmarks", [&] { return builder.buildSpeechText(doc, whole, false, false); });

    // Word events over the whole engine text of the bookmark build, the
    // case with the most fragments, at random places.
    const SpeechText speech = builder.buildSpeechText(doc, whole, false, false);
    QRandomGenerator rng(11);
    QList<qint32> events(1 << 20);
    for (qint32 &e : events)
        e = qint32(rng.bounded(int(speech.text.size())));
    qint64 checksum = 0;
    QElapsedTimer timer;
    timer.start();
    for (qint32 e : std::as_const(events)) {
        const auto r = VocalyneWordHighlight::map(speech, 3, 120, e, e + 4);
        checksum += r.from;
    }
    const double ns = double(timer.nsecsElapsed()) / events.size();
    std::printf("word mapping: %.1f ns per word over %lld events (checksum %lld)\n", ns,
                qlonglong(events.size()), checksum);
    return 0;
}
