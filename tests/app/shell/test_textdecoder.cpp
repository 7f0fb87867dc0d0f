// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynetextdecoder.h"

#include <gtest/gtest.h>

TEST(TextDecoder, ValidUtf8IsReadAsUtf8WithoutItsByteOrderMark)
{
    const QString text = QStringLiteral("naïve façade — Ελληνικά 😀");
    EXPECT_EQ(VocalyneTextDecoder::decode(text.toUtf8()), text);
    EXPECT_EQ(VocalyneTextDecoder::decode("\xEF\xBB\xBF" + text.toUtf8()), text);
    EXPECT_TRUE(VocalyneTextDecoder::isValidUtf8(text.toUtf8()));
}

TEST(TextDecoder, EightBitTextIsNotGarbled)
{
    const QByteArray latin1("Z\xfcrich, S\xe3o Paulo, \xa3" "5");
    EXPECT_FALSE(VocalyneTextDecoder::isValidUtf8(latin1));
    EXPECT_EQ(VocalyneTextDecoder::decode(latin1), QStringLiteral("Zürich, São Paulo, £5"));
    // A lone lead byte at the end is not UTF-8 either.
    EXPECT_EQ(VocalyneTextDecoder::decode(QByteArray("abc\xc3")), QStringLiteral("abcÃ"));
    EXPECT_TRUE(VocalyneTextDecoder::decode(QByteArray()).isEmpty());
}
