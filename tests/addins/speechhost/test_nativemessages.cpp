// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "nativemessagereader.h"
#include "speechhostsession.h"
#include "speechtextescaper.h"

#include <gtest/gtest.h>

TEST(NativeMessages, MessagesSplitAnywhereAreReassembled)
{
    const QByteArray stream = NativeMessageReader::frame("{\"type\":\"hello\"}") +
                              NativeMessageReader::frame(QByteArray()) +
                              NativeMessageReader::frame("{\"text\":\"\xc3\xa4\"}");
    for (int piece : {1, 3, 5, 1000}) {
        NativeMessageReader reader;
        QList<QByteArray> payloads;
        for (int i = 0; i < stream.size(); i += piece) {
            for (const auto &message :
                 reader.append(stream.constData() + i, qMin<qsizetype>(piece, stream.size() - i)))
                payloads.append(message.payload);
        }
        ASSERT_EQ(payloads.size(), 3) << piece;
        EXPECT_EQ(payloads.at(0), QByteArray("{\"type\":\"hello\"}"));
        EXPECT_TRUE(payloads.at(1).isEmpty());
        EXPECT_EQ(payloads.at(2), QByteArray("{\"text\":\"\xc3\xa4\"}"));
        EXPECT_EQ(reader.pendingBytes(), 0);
    }
}

TEST(NativeMessages, OversizedMessageIsSkippedWithoutHoldingIt)
{
    NativeMessageReader reader(16);
    const QByteArray big = NativeMessageReader::frame(QByteArray(40, 'x'));
    const QByteArray next = NativeMessageReader::frame("{}");
    QList<NativeMessageReader::Message> messages;
    for (char c : big + next) {
        messages += reader.append(&c, 1);
        EXPECT_LE(reader.pendingBytes(), 4 + 16);
    }
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages.at(0).oversized);
    EXPECT_EQ(messages.at(0).length, 40u);
    EXPECT_FALSE(messages.at(1).oversized);
    EXPECT_EQ(messages.at(1).payload, QByteArray("{}"));
}

TEST(SpeechText, MarkupCharactersAreEscapedAndPositionsLeadBack)
{
    const QString text = QStringLiteral("a<b & \"c\" it's\x01 \U0001F600 >");
    const SpeechTextEscaper escaper(text);
    EXPECT_EQ(escaper.escaped(),
              QStringLiteral("a&lt;b &amp; &quot;c&quot; it&apos;s  \U0001F600 &gt;"));
    // Every escaped position leads to the character it came from.
    for (int i = 0; i < escaper.escaped().size(); ++i) {
        const int original = escaper.originalPosition(i);
        ASSERT_GE(original, 0);
        ASSERT_LT(original, text.size());
    }
    // "b" after the entity, the whole "&amp;", and a word spanning entities.
    EXPECT_EQ(escaper.originalRange(5, 5), std::make_pair(2, 3));
    EXPECT_EQ(escaper.originalRange(7, 11), std::make_pair(4, 5));
    EXPECT_EQ(escaper.originalRange(13, 24), std::make_pair(6, 9));
    EXPECT_EQ(escaper.originalRange(27, 35), std::make_pair(10, 14));
    // Past the end is clamped to the text.
    EXPECT_EQ(escaper.originalRange(1000, 2000).second, int(text.size()));
    // A lone surrogate half cannot go out as UTF-8.
    EXPECT_EQ(SpeechTextEscaper(QString(QChar(0xD800))).escaped(), QStringLiteral(" "));
}

TEST(SpeechText, PitchPrefixFollowsTheWholeToneSteps)
{
    EXPECT_EQ(SpeechHostSession::pitchPrefix(100), QStringLiteral("<pitch middle = '0'/>"));
    EXPECT_EQ(SpeechHostSession::pitchPrefix(70), QStringLiteral("<pitch middle = '-3'/>"));
    EXPECT_EQ(SpeechHostSession::pitchPrefix(200), QStringLiteral("<pitch middle = '6'/>"));
    EXPECT_EQ(SpeechHostSession::pitchPrefix(0), QStringLiteral("<pitch middle = '-10'/>"));
}
