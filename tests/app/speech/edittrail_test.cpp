// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Positions of a text as it was, found in the text after edits.
#include "vocalyneedittrail.h"

#include <QString>
#include <gtest/gtest.h>

namespace {

// Applies an edit to a text and to the trail alike.
void edit(QString &text, VocalyneEditTrail &trail, int from, int removed, const QString &added)
{
    text.replace(from, removed, added);
    trail.record(from, removed, int(added.size()));
}

QString spanText(const QString &text, QPair<int, int> span)
{
    return text.mid(span.first, span.second - span.first);
}

} // namespace

TEST(EditTrail, WordsAreFoundAfterTypingDeletingAndReplacingAroundThem)
{
    const QString original = QStringLiteral("alpha beta gamma delta epsilon");
    QString text = original;
    VocalyneEditTrail trail;
    auto word = [&](const char *w) {
        const int at = int(original.indexOf(QLatin1String(w)));
        return spanText(text, trail.mapRange(at, at + int(qstrlen(w))));
    };

    edit(text, trail, 0, 0, QStringLiteral("X"));   // typed before everything
    edit(text, trail, 1, 0, QStringLiteral("YZ ")); // typing on
    EXPECT_EQ(trail.size(), 1);
    edit(text, trail, int(text.indexOf(QLatin1String("gamma"))), 6, QString()); // a word removed
    edit(text, trail, int(text.indexOf(QLatin1String("delta"))) + 5, 0, QStringLiteral("!"));
    edit(text, trail, int(text.indexOf(QLatin1String("eps"))), 3, QStringLiteral("EPSI"));

    EXPECT_EQ(text, QStringLiteral("XYZ alpha beta delta! EPSIilon"));
    EXPECT_EQ(word("alpha"), QStringLiteral("alpha"));
    EXPECT_EQ(word("beta"), QStringLiteral("beta"));
    EXPECT_TRUE(word("gamma").isEmpty());
    // Text typed right after a word stays outside it.
    EXPECT_EQ(word("delta"), QStringLiteral("delta"));
    // A word partly rewritten keeps its place and its end.
    EXPECT_TRUE(word("epsilon").endsWith(QStringLiteral("ilon")));
}

TEST(EditTrail, BackspaceAndDeleteRunsStayOneEditAndReportedRewritesOfEqualLengthChangeNothing)
{
    QString text = QStringLiteral("0123456789abcdef");
    VocalyneEditTrail trail;
    for (int i = 0; i < 3; ++i) // backspace three times after '6'
        edit(text, trail, 6 - i, 1, QString());
    for (int i = 0; i < 2; ++i) // delete twice at the same place
        edit(text, trail, 4, 1, QString());
    EXPECT_EQ(text, QStringLiteral("01239abcdef"));
    EXPECT_EQ(trail.size(), 1);
    EXPECT_EQ(trail.map(10), 5); // 'a' behind the removed run
    EXPECT_EQ(trail.map(5), 4);  // a removed character: where the run was
    EXPECT_EQ(trail.map(2), 2);  // before it: untouched

    // A paragraph reported as removed and added again with one more
    // character at its end (as the text widget does) is one insertion.
    trail.clear();
    trail.record(0, 11, 11);
    EXPECT_TRUE(trail.isEmpty());
    trail.record(3, 5, 6);
    EXPECT_EQ(trail.map(9), 10);
}
