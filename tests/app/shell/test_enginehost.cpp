// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalyneenginehost.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

// The engine posts its events from its own thread; they must arrive through
// Qt's event loop on this thread, as word callbacks, ending with (0, -1).
TEST(EngineHost, DeliversWordEventsThroughTheEventLoop)
{
    VocalyneEngineHost host;
    QList<QPair<int, int>> words;
    host.setWordHandler([&words](int first, int last) { words.append({first, last}); });
    host.start();
    ASSERT_NE(host.window(), nullptr);

    const QList<VocalyneInstalledVoice> voices = VocalyneEngineHost::installedVoices();
    ASSERT_FALSE(voices.isEmpty());
    EXPECT_FALSE(voices.first().name.isEmpty());

    const QByteArray name = voices.first().name.toUtf8();
    ASSERT_EQ(QVTTSSpeak(host.window(), QVTTSVoiceEngineType(voices.first().engineTypeId),
                         name.constData(), voices.first().voiceId, voices.first().langId,
                         "one two three", -1, 100, 100, 0, -1, QVTTSTextPlain, -1),
              QVTTSSpeakSuccess);

    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 20000 && (words.isEmpty() || words.last().second != -1))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);

    ASSERT_FALSE(words.isEmpty());
    EXPECT_EQ(words.last(), qMakePair(0, -1));
    ASSERT_GE(words.size(), 4); // three words and the end
    EXPECT_EQ(words.first(), qMakePair(0, 2));
}
