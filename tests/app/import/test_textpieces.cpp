// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "qstringprint.h"
#include "testdocuments.h"
#include "vocalyneextractionresult.h"
#include "vocalynetextpieces.h"

#include <gtest/gtest.h>

namespace {

QString wordsOfLength(int length)
{
    QString text;
    while (text.size() < length)
        text += QStringLiteral("word ");
    text.truncate(length);
    if (text.endsWith(QLatin1Char(' ')))
        text[text.size() - 1] = QLatin1Char('x');
    return text;
}

} // namespace

TEST(TextPieces, ParagraphsShareAPieceUntilItIsFullAndAreNeverCutWhenTheyFit)
{
    TextCollector sink;
    VocalyneTextPieces pieces(sink);
    const QString a = wordsOfLength(10000);
    const QString b = wordsOfLength(6383); // a + '\n' + b is exactly one piece
    const QString c = QStringLiteral("last");
    pieces.paragraph(a);
    pieces.paragraph(b);
    pieces.paragraph(c);
    pieces.finish();
    ASSERT_EQ(sink.pieces.size(), 2);
    EXPECT_EQ(sink.pieces[0].size(), VocalyneTextPieces::MaxPiece);
    EXPECT_EQ(sink.pieces[0], a + QLatin1Char('\n') + b);
    EXPECT_EQ(sink.pieces[1], c);
    EXPECT_EQ(pieces.result(), VocalyneExtraction::TextExtracted);
}

TEST(TextPieces, LongParagraphsAreCutAtSpacesAndNeverInsideASurrogatePair)
{
    TextCollector sink;
    VocalyneTextPieces pieces(sink);
    const QString exact = wordsOfLength(VocalyneTextPieces::MaxPiece);
    pieces.paragraph(exact);
    pieces.finish();
    ASSERT_EQ(sink.pieces.size(), 1);
    EXPECT_EQ(sink.pieces[0], exact);

    // One unbroken run of characters outside the basic plane.
    TextCollector emoji;
    VocalyneTextPieces emojiPieces(emoji);
    QString run;
    for (int i = 0; i < VocalyneTextPieces::MaxPiece; ++i)
        run += QString::fromUcs4(U"\U0001F600");
    run.prepend(QLatin1Char('a'));
    emojiPieces.paragraph(run);
    emojiPieces.finish();
    ASSERT_GE(emoji.pieces.size(), 2);
    QString joined;
    for (const QString &piece : emoji.pieces) {
        EXPECT_LE(piece.size(), VocalyneTextPieces::MaxPiece);
        EXPECT_FALSE(piece.front().isLowSurrogate());
        EXPECT_FALSE(piece.back().isHighSurrogate());
        joined += piece;
    }
    EXPECT_EQ(joined, run);

    // Words of a long paragraph survive the cut whole, and the parts after
    // the first continue the paragraph.
    TextCollector prose;
    VocalyneTextPieces prosePieces(prose);
    const QString text = wordsOfLength(40000);
    prosePieces.paragraph(text);
    prosePieces.finish();
    ASSERT_EQ(prose.pieces.size(), 3);
    EXPECT_EQ(prose.text, text);
    for (const QString &piece : prose.pieces)
        for (const QString &word : words(piece))
            EXPECT_TRUE(word == QLatin1String("word") || word == QLatin1String("wordx"))
                << word.toStdString();
}

TEST(TextPieces, WhiteSpaceIsTidiedAndBlankParagraphsDropped)
{
    TextCollector sink;
    VocalyneTextPieces pieces(sink);
    pieces.paragraph(QStringLiteral("  two\u00a0  spaces \t tab \n line\r\n"));
    pieces.paragraph(QStringLiteral(" \t\n "));
    pieces.paragraph(QString(QChar(0)) + QStringLiteral("x\x01y"));
    pieces.finish();
    EXPECT_EQ(sink.text, QStringLiteral("two spaces\ttab\nline\nx y"));

    TextCollector empty;
    VocalyneTextPieces nothing(empty);
    nothing.paragraph(QStringLiteral("   "));
    nothing.finish();
    EXPECT_TRUE(empty.pieces.isEmpty());
    EXPECT_EQ(nothing.result(), VocalyneExtraction::NoText);
}

TEST(TextPieces, AStoppedSinkGetsNothingMore)
{
    TextCollector sink;
    sink.stopAfter = 1;
    VocalyneTextPieces pieces(sink);
    pieces.paragraph(wordsOfLength(VocalyneTextPieces::MaxPiece));
    EXPECT_FALSE(pieces.paragraph(QStringLiteral("second"))); // hands over the first: stop
    EXPECT_TRUE(pieces.stopped());
    EXPECT_FALSE(pieces.paragraph(QStringLiteral("third")));
    EXPECT_FALSE(pieces.checkpoint());
    pieces.finish();
    EXPECT_EQ(sink.pieces.size(), 1);
    EXPECT_EQ(pieces.result(), VocalyneExtraction::TextExtracted);
}
