// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "referencebuilder.h"
#include "vocalynewordhighlight.h"

#include <gtest/gtest.h>

namespace {

SpeechText indexed(QList<QPair<qint32, qint32>> rangeMap,
                   QList<QPair<qint32, qint32>> insertionMap)
{
    SpeechText s;
    s.rangeMap = std::move(rangeMap);
    s.insertionMap = std::move(insertionMap);
    s.reindex();
    return s;
}

} // namespace

TEST(WordHighlight, PitchPrefixOfTypeThreeVoices)
{
    const SpeechText plain = indexed({}, {});
    // Pitch 200 is 6 whole tones: the prefix is 21 characters long.
    auto r = VocalyneWordHighlight::map(plain, 3, 200, 21, 25);
    EXPECT_EQ(r.from, 0);
    EXPECT_EQ(r.to, 5);
    r = VocalyneWordHighlight::map(plain, 3, 200, 26, 30);
    EXPECT_EQ(r.from, 5);
    EXPECT_EQ(r.to, 10);
    // Pitch 70 is -3: the minus sign counts, 22 characters.
    r = VocalyneWordHighlight::map(plain, 3, 70, 22, 24);
    EXPECT_EQ(r.from, 0);
    EXPECT_EQ(r.to, 3);
    // Other engines put nothing in front.
    r = VocalyneWordHighlight::map(plain, 4, 200, 21, 25);
    EXPECT_EQ(r.from, 21);
}

TEST(WordHighlight, SelectionOffsetAndMarkupBeforeTheWord)
{
    // A selection from 100 with 30 characters of markup at its start and 12
    // after its fourth character.
    const SpeechText s = indexed({{0, 100}}, {{0, -30}, {34, -12}});
    auto r = VocalyneWordHighlight::map(s, 1, 100, 30, 33);
    EXPECT_EQ(r.from, 100);
    EXPECT_EQ(r.to, 104);
    r = VocalyneWordHighlight::map(s, 1, 100, 47, 49);
    EXPECT_EQ(r.from, 105);
    EXPECT_EQ(r.to, 108);
    // The end of speech puts the caret at the start.
    EXPECT_TRUE(VocalyneWordHighlight::map(s, 1, 100, 0, -1).caretToStart);
    EXPECT_TRUE(VocalyneWordHighlight::map(s, 3, 100, 0, -1).caretToStart);
}

TEST(WordHighlight, MapsFilledOutOfOrderGiveTheSameAnswerAsAScan)
{
    // Hand-filled maps need not be ordered; the lookup must not assume it.
    SpeechText s = indexed({{0, 3}, {40, 9}, {20, 5}}, {{30, -4}, {5, -2}, {30, -1}, {12, -7}});
    EXPECT_FALSE(s.rangeMapOrdered);
    for (qint32 last = -3; last < 60; ++last) {
        const auto fast = VocalyneWordHighlight::map(s, 1, 100, last, last);
        if (last == -1)
            continue;
        EXPECT_EQ(qMakePair(fast.from, fast.to), referenceHighlight(s, 1, 100, last, last)) << last;
    }
    // Stale lookup tables are not trusted.
    s.insertionMap.append({1, -100});
    EXPECT_FALSE(s.indexed());
    EXPECT_EQ(VocalyneWordHighlight::shift(s, 50), -114 + 5); // last entry in list order
}
