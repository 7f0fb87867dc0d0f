// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "../settings/scratchsettings.h"
#include "referencebuilder.h"
#include "testdocument.h"
#include "vocalynespeechmarkup.h"
#include "vocalynespeechtextbuilder.h"
#include "vocalynewordhighlight.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Document words are Greek letters; markup is all ASCII. So every Greek
// letter of the engine text is a document character and every run of them
// a word as the engine reports it (markup and blanks end a word).
bool isWordChar(QChar c)
{
    return c.unicode() >= 0x03B1 && c.unicode() <= 0x03C9;
}

struct Case
{
    TestDocument doc;
    SpeechTextSource source;
    bool fromCursor = false;
    bool useStoredContent = false;
};

class Generator
{
public:
    explicit Generator(quint32 seed) : m_rng(seed) {}

    int below(int n) { return n <= 0 ? 0 : int(m_rng.bounded(n)); }
    bool chance(int percent) { return below(100) < percent; }

    QString text()
    {
        const int length = chance(5) ? 0 : 1 + below(60);
        QString t;
        for (int i = 0; i < length; ++i) {
            const int k = below(20);
            if (k < 13)
                t += QChar(0x03B1 + below(25));
            else if (k < 16)
                t += QLatin1Char(' ');
            else if (k == 16)
                t += QLatin1Char('.');
            else if (k == 17)
                t += QLatin1Char('\n');
            else
                t += QChar(QList<char16_t>{0x2018, 0x2019, 0x201C, 0x201D}.at(below(4)));
        }
        return t;
    }

    void fill(Case &c)
    {
        const QString text = this->text();
        const int n = int(text.size());
        c.doc.setGlobalEngineType(qint16(below(6)));
        c.doc.setSpeed(30 + below(300));
        c.doc.setPitch(1 + below(999));

        // Sections in order, never overlapping; touching ones as a loaded
        // file may have them.
        QList<int> ends{0, n, qMax(0, n - 1)};
        int pos = below(6);
        while (pos < n && chance(85)) {
            const int to = qMin(n, pos + 1 + below(10));
            const QList<qint16> types{1, 3, 4, 0, 2, -1};
            const QStringList voices{QStringLiteral("Mike"), QStringLiteral("ATT DTNV1.4 Mike"),
                                     QStringLiteral("Anna Lee")};
            c.doc.section(pos, to, types.at(below(types.size())), voices.at(below(3)),
                          1 + below(400), below(101), 1 + below(400), chance(75));
            ends << pos << to;
            pos = to + (chance(20) ? 0 : 1 + below(8));
        }

        // Bookmarks in order with gaps between them.
        pos = below(5);
        const int bookmarks = below(4);
        for (int i = 0; i < bookmarks && pos < n; ++i) {
            const int to = qMin(n, pos + 1 + below(15));
            c.doc.bookmark(pos, to, chance(50));
            ends << pos << to;
            pos = to + 1 + below(6);
        }

        int mode = below(4);
        c.source.plainText = text;
        if (mode == 1) {
            c.source.selectionAnchor = below(n + 1);
            c.source.selectionPosition = below(n + 1);
            ends << c.source.selectionAnchor << c.source.selectionPosition;
        } else if (mode == 2) {
            c.fromCursor = true;
            c.source.cursorPosition = below(n + 1);
            ends << c.source.cursorPosition;
        } else if (mode == 3) {
            c.useStoredContent = true;
            QString content = text;
            for (QChar &ch : content)
                if (isWordChar(ch) && chance(30))
                    ch = QChar(0x03B1 + below(25));
            if (chance(10))
                content.chop(below(int(content.size()) + 1));
            c.doc.setStoredContent(content);
        }

        // Elements: mostly at the interesting places, often several at one.
        const int elements = below(9);
        for (int i = 0; i < elements; ++i) {
            const int at = chance(60) ? ends.at(below(ends.size())) : below(n + 2);
            c.doc.element(qMax(0, at), QString::number(1 + below(2000)), chance(80),
                          chance(85) ? QStringLiteral("pause") : QStringLiteral("whisper"));
        }
        if (chance(80))
            std::stable_sort(c.doc.elementList().begin(), c.doc.elementList().end(),
                             [](const QVT2SElement &a, const QVT2SElement &b) {
                                 return a.afterChar < b.afterChar;
                             });
    }

private:
    QRandomGenerator m_rng;
};

// The document positions read, in order, as the build walks them.
QList<int> spokenPositions(const Case &c)
{
    const QString &plain = c.source.plainText;
    QList<int> positions;
    auto take = [&](int from, int to) {
        for (int i = from; i < to; ++i)
            positions.append(i);
    };
    const int n = int(plain.size());
    if (c.fromCursor) {
        take(qBound(0, c.source.cursorPosition, n), n);
    } else if (c.source.hasSelection()) {
        take(qBound(0, qMin(c.source.selectionAnchor, c.source.selectionPosition), n),
             qBound(0, qMax(c.source.selectionAnchor, c.source.selectionPosition), n));
    } else {
        const int length = int((c.useStoredContent ? c.doc.content() : plain).size());
        bool any = false;
        for (const QVT2SBookmark &b : c.doc.bookmarks()) {
            if (!b.enabled)
                continue;
            any = true;
            take(qMin<int>(b.fromChar, length), qMin<int>(b.toChar, length));
        }
        if (!any)
            take(0, length);
    }
    return positions;
}

class RandomDocuments : public ::testing::Test
{
protected:
    ScratchSettings referenceSettings;
    ScratchSettings builderSettings;
    VocalyneSpeechTextBuilder builder{&*builderSettings};
    static constexpr int Documents = 4000;
};

} // namespace

TEST_F(RandomDocuments, FastBuilderMatchesTheStepByStepBuild)
{
    int withMarkup = 0;
    for (int seed = 1; seed <= Documents; ++seed) {
        Generator g{quint32(seed)};
        Case c;
        g.fill(c);
        const SpeechText expected = referenceBuildSpeechText(
            c.doc, c.source, c.fromCursor, c.useStoredContent, *referenceSettings);
        const SpeechText actual =
            builder.buildSpeechText(c.doc, c.source, c.fromCursor, c.useStoredContent);
        ASSERT_EQ(actual.text, expected.text) << "seed " << seed;
        ASSERT_EQ(actual.rangeMap, expected.rangeMap) << "seed " << seed;
        ASSERT_EQ(actual.insertionMap, expected.insertionMap) << "seed " << seed;
        withMarkup += expected.insertionMap.isEmpty() ? 0 : 1;

        // The word mapping agrees with a plain scan at every position,
        // including those inside markup and before the pitch prefix.
        const qint16 type = c.doc.engineTypeId();
        for (qint32 last = -25; last < actual.text.size() + 25; last += 3) {
            const auto fast = VocalyneWordHighlight::map(actual, type, c.doc.pitch(), last, last);
            const auto slow = referenceHighlight(actual, type, c.doc.pitch(), last, last);
            if (last != -1 || type == 3) {
                ASSERT_EQ(qMakePair(fast.from, fast.to), slow) << "seed " << seed << " at " << last;
            }
        }
    }
    // The generator must really exercise the markup paths.
    EXPECT_GT(withMarkup, Documents / 2);
}

TEST_F(RandomDocuments, EveryWordMapsBackToItsDocumentRange)
{
    int words = 0;
    int acrossFragments = 0;
    for (int seed = 1; seed <= Documents; ++seed) {
        Generator g{quint32(seed)};
        Case c;
        g.fill(c);
        const SpeechText speech =
            builder.buildSpeechText(c.doc, c.source, c.fromCursor, c.useStoredContent);
        const QString &source = c.useStoredContent && !c.fromCursor && !c.source.hasSelection()
                                    ? c.doc.content()
                                    : c.source.plainText;

        // The engine text holds the document's word characters in reading
        // order: pair them up.
        QList<int> docOf(speech.text.size(), -1);
        QList<int> read;
        for (int p : spokenPositions(c))
            if (isWordChar(source.at(p)))
                read.append(p);
        int k = 0;
        for (int i = 0; i < speech.text.size(); ++i) {
            if (!isWordChar(speech.text.at(i)))
                continue;
            ASSERT_LT(k, read.size()) << "seed " << seed;
            ASSERT_EQ(speech.text.at(i), source.at(read.at(k))) << "seed " << seed;
            docOf[i] = read.at(k++);
        }
        ASSERT_EQ(k, read.size()) << "seed " << seed;

        const qint16 type = c.doc.engineTypeId();
        const int prefix =
            type == 3 ? VocalyneSpeechMarkup::pitchPrefixLength(c.doc.pitch()) : 0;
        for (int i = 0; i < speech.text.size();) {
            if (docOf.at(i) < 0) {
                ++i;
                continue;
            }
            int j = i;
            bool contiguous = true;
            while (j + 1 < speech.text.size() && docOf.at(j + 1) >= 0) {
                contiguous = contiguous && docOf.at(j + 1) == docOf.at(j) + 1;
                ++j;
            }
            if (!contiguous) {
                // Two bookmarks' fragments are joined without a break, so
                // the end of one and the start of the next read as one word
                // that has no single place in the document.
                ++acrossFragments;
            } else {
                const auto range =
                    VocalyneWordHighlight::map(speech, type, c.doc.pitch(), i + prefix, j + prefix);
                ASSERT_FALSE(range.caretToStart);
                ASSERT_EQ(range.from, docOf.at(i)) << "seed " << seed << " word at " << i;
                ASSERT_EQ(range.to, docOf.at(j) + 1) << "seed " << seed << " word at " << i;
                ++words;
            }
            i = j + 1;
        }
    }
    EXPECT_GT(words, Documents * 3);
    EXPECT_LT(acrossFragments, words / 20);
}
