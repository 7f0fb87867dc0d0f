// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Pause and resume need an output that plays in real time: with the fast
// output the whole text would be over before the pause.
#include "qvttstesthost.h"

#include <gtest/gtest.h>

#include <QString>

TEST(QVTTSPauseTest, PauseHoldsWordsUntilResume)
{
    QVTTSTestHost host;
    const std::string voice = QVTTSTestHost::voiceContaining("English (America)");
    const QString text = QStringLiteral(
        "One two three four five six seven eight nine ten eleven twelve thirteen fourteen.");
    const QByteArray utf8 = text.toUtf8();
    ASSERT_EQ(QVTTSSpeak(nullptr, QVTTSEngineSpeechPlatform, voice.c_str(), -1, 0, utf8.constData(),
                         -1, -1, -1, 0, 0, QVTTSTextPlain, -1),
              0);
    ASSERT_TRUE(host.waitForCalls(2));
    ASSERT_EQ(QVTTSPause(QVTTSEngineSpeechPlatform, 0), 0);
    host.pump(200); // a word already under way may still be announced
    const size_t held = QVTTSTestHost::words().size();
    host.pump(1200);
    EXPECT_EQ(QVTTSTestHost::words().size(), held) << "words arrived while paused";
    EXPECT_EQ(host.endCount(), 0);

    ASSERT_EQ(QVTTSResume(QVTTSEngineSpeechPlatform, 0), 0);
    ASSERT_TRUE(host.waitForEnds(1, 30000));
    EXPECT_EQ(QVTTSTestHost::spokenWords(), QVTTSTestHost::wordRanges(text));
}

TEST(QVTTSPauseTest, SpeakingResumesAPausedVoice)
{
    QVTTSTestHost host;
    const std::string voice = QVTTSTestHost::voiceContaining("English (America)");
    ASSERT_EQ(QVTTSPause(QVTTSEngineSpeechPlatform, 0), 0);
    ASSERT_EQ(QVTTSSpeak(nullptr, QVTTSEngineSpeechPlatform, voice.c_str(), -1, 0, "Go on", -1, -1,
                         -1, 0, 0, QVTTSTextPlain, -1),
              0);
    ASSERT_TRUE(host.waitForEnds(1, 30000));
    EXPECT_EQ(QVTTSTestHost::words(), (std::vector<QVTTSTestHost::Pair>{{0, 1}, {3, 4}, {0, -1}}));
}
