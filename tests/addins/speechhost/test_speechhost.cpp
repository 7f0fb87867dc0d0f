// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "hostconnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QJsonObject speakRequest(int id, const QString &text)
{
    return {{QStringLiteral("type"), QStringLiteral("speak")},
            {QStringLiteral("id"), id},
            {QStringLiteral("text"), text},
            {QStringLiteral("speed"), 100},
            {QStringLiteral("volume"), 100},
            {QStringLiteral("pitch"), 100}};
}

QString type(const QJsonObject &message)
{
    return message.value(QStringLiteral("type")).toString();
}

// The words the host reported, cut from the text it was given.
QStringList spokenWords(const QList<QJsonObject> &messages, const QString &text)
{
    QStringList words;
    for (const QJsonObject &message : messages) {
        if (type(message) != QLatin1String("word"))
            continue;
        const int start = message.value(QStringLiteral("start")).toInt();
        const int end = message.value(QStringLiteral("end")).toInt();
        words.append(text.mid(start, end - start));
    }
    return words;
}

QString settingsFile()
{
    return QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) +
           QStringLiteral("/Halvern/Vocalyne.conf");
}

} // namespace

TEST(SpeechHost, HelloListsVoicesAndTheStoredDefaults)
{
    QFile::remove(settingsFile());
    {
        HostConnection host;
        host.send({{QStringLiteral("type"), QStringLiteral("hello")}, {QStringLiteral("id"), 1}});
        const QJsonObject hello = host.receive();
        ASSERT_EQ(type(hello), QStringLiteral("hello"));
        EXPECT_EQ(hello.value(QStringLiteral("id")).toInt(), 1);
        EXPECT_TRUE(hello.value(QStringLiteral("engineReady")).toBool());
        const QJsonArray voices = hello.value(QStringLiteral("voices")).toArray();
        ASSERT_GT(voices.size(), 10);
        // The engine's own order: the best voice of the user's language first.
        EXPECT_TRUE(voices.at(0).toString().startsWith(QStringLiteral("Flite English")));
        EXPECT_TRUE(voices.contains(QStringLiteral("espeak-ng German")));
        EXPECT_FALSE(hello.value(QStringLiteral("defaults"))
                         .toObject()
                         .value(QStringLiteral("present"))
                         .toBool());
        EXPECT_EQ(host.close(), 0);
    }
    {
        QSettings settings(settingsFile(), QSettings::NativeFormat);
        settings.setValue(QStringLiteral("DefaultSpeechValues/voiceName"),
                          QStringLiteral("espeak-ng German"));
        settings.setValue(QStringLiteral("DefaultSpeechValues/speed"), 150);
        settings.setValue(QStringLiteral("DefaultSpeechValues/volume"), 80);
        settings.setValue(QStringLiteral("DefaultSpeechValues/pitch"), 120);
    }
    {
        HostConnection host;
        host.send({{QStringLiteral("type"), QStringLiteral("hello")}});
        const QJsonObject defaults = host.receive().value(QStringLiteral("defaults")).toObject();
        EXPECT_TRUE(defaults.value(QStringLiteral("present")).toBool());
        EXPECT_EQ(defaults.value(QStringLiteral("voiceName")).toString(),
                  QStringLiteral("espeak-ng German"));
        EXPECT_EQ(defaults.value(QStringLiteral("speed")).toInt(), 150);
        EXPECT_EQ(defaults.value(QStringLiteral("volume")).toInt(), 80);
        EXPECT_EQ(defaults.value(QStringLiteral("pitch")).toInt(), 120);
    }
    {
        // All four values or none: a missing pitch leaves the defaults absent.
        QSettings settings(settingsFile(), QSettings::NativeFormat);
        settings.remove(QStringLiteral("DefaultSpeechValues/pitch"));
    }
    HostConnection host;
    host.send({{QStringLiteral("type"), QStringLiteral("hello")}});
    EXPECT_FALSE(host.receive()
                     .value(QStringLiteral("defaults"))
                     .toObject()
                     .value(QStringLiteral("present"))
                     .toBool());
    QFile::remove(settingsFile());
}

TEST(SpeechHost, MarkupLikeTextIsSpokenAsTextWithEveryWordReported)
{
    QTemporaryDir capture;
    HostConnection host(QStringLiteral("capture:") + capture.path());
    const QString text = QStringLiteral("if (a < b && c > d) <voice required=\"Name=x\"> "
                                        "stays <silence msec=\"90000\"/> audible &amp; clear.");
    host.send(speakRequest(5, text));
    const QList<QJsonObject> messages = host.receiveUntil(QStringLiteral("end"));
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_EQ(type(messages.first()), QStringLiteral("speak"));
    EXPECT_EQ(messages.first().value(QStringLiteral("result")).toInt(), 0);
    EXPECT_EQ(messages.last().value(QStringLiteral("id")).toInt(), 5);

    // Every word of the text, markup-like ones included, comes back in order.
    const QStringList words = spokenWords(messages, text);
    const QStringList expected = {QStringLiteral("voice"),   QStringLiteral("required"),
                                  QStringLiteral("stays"),   QStringLiteral("silence"),
                                  QStringLiteral("audible"), QStringLiteral("clear")};
    int at = 0;
    for (const QString &word : expected) {
        const int found = words.indexOf(word, at);
        EXPECT_GE(found, 0) << word.toStdString() << " in "
                            << words.join(QLatin1Char('|')).toStdString();
        at = qMax(at, found);
    }
    // The audio of the whole text was made, and no 90-second silence.
    const QFileInfo wav(capture.filePath(QStringLiteral("utt-0001.wav")));
    ASSERT_TRUE(wav.exists());
    EXPECT_GT(wav.size(), 16000 * 4);      // more than a second at 16 kHz stereo
    EXPECT_LT(wav.size(), 16000 * 4 * 30); // far less than the silence would be
}

TEST(SpeechHost, StopEndsSpeechStartedEarlierAndPauseHoldsWords)
{
    // Real-time output, so that speech is still going when stop arrives.
    HostConnection host(QStringLiteral("null"));
    QString text;
    for (int i = 0; i < 200; ++i)
        text += QStringLiteral("This sentence is read aloud slowly. ");
    host.send(speakRequest(1, text));
    QList<QJsonObject> started = host.receiveUntil(QStringLiteral("word"));
    ASSERT_FALSE(started.isEmpty());

    host.send({{QStringLiteral("type"), QStringLiteral("pause")}});
    const QList<QJsonObject> paused = host.receiveUntil(QStringLiteral("pause"));
    ASSERT_FALSE(paused.isEmpty());
    EXPECT_EQ(paused.last().value(QStringLiteral("result")).toInt(), 0);
    // While paused, no words arrive.
    EXPECT_TRUE(host.receive(700).isEmpty());
    host.send({{QStringLiteral("type"), QStringLiteral("resume")}});
    const QList<QJsonObject> resumed = host.receiveUntil(QStringLiteral("resume"));
    ASSERT_FALSE(resumed.isEmpty());
    EXPECT_EQ(resumed.last().value(QStringLiteral("result")).toInt(), 0);
    ASSERT_FALSE(host.receiveUntil(QStringLiteral("word"), 5000).isEmpty());

    host.send({{QStringLiteral("type"), QStringLiteral("stop")}});
    const QList<QJsonObject> stopped = host.receiveUntil(QStringLiteral("stop"));
    ASSERT_FALSE(stopped.isEmpty());
    EXPECT_EQ(stopped.last().value(QStringLiteral("result")).toInt(), 0);
    // Nothing of the dropped text follows, not even its end.
    EXPECT_TRUE(host.receive(700).isEmpty());

    // The host speaks again afterwards.
    host.send(speakRequest(2, QStringLiteral("Again.")));
    const QList<QJsonObject> again = host.receiveUntil(QStringLiteral("end"), 20000);
    ASSERT_FALSE(again.isEmpty());
    EXPECT_EQ(again.last().value(QStringLiteral("id")).toInt(), 2);
}

TEST(SpeechHost, BadMessagesAreAnsweredAndTheChannelStaysInStep)
{
    HostConnection host;
    host.sendRaw(NativeMessageReader::frame("not json"));
    EXPECT_EQ(type(host.receive()), QStringLiteral("error"));
    host.sendRaw(NativeMessageReader::frame("[1,2]"));
    EXPECT_EQ(type(host.receive()), QStringLiteral("error"));
    host.send({{QStringLiteral("type"), QStringLiteral("format-disk")}, {QStringLiteral("id"), 9}});
    const QJsonObject unknown = host.receive();
    EXPECT_EQ(type(unknown), QStringLiteral("error"));
    EXPECT_EQ(unknown.value(QStringLiteral("id")).toInt(), 9);

    // An announced length beyond the limit: answered, its bytes skipped.
    QByteArray oversized(4, '\0');
    const quint32 length = 65u * 1024u * 1024u;
    memcpy(oversized.data(), &length, 4);
    host.sendRaw(oversized);
    const QJsonObject tooLong = host.receive();
    EXPECT_EQ(type(tooLong), QStringLiteral("error"));
    EXPECT_TRUE(
        tooLong.value(QStringLiteral("error")).toString().contains(QStringLiteral("too long")));
    const QByteArray chunk(1024 * 1024, 'z');
    for (int i = 0; i < 65; ++i)
        host.sendRaw(chunk);
    host.send({{QStringLiteral("type"), QStringLiteral("hello")}});
    EXPECT_EQ(type(host.receive()), QStringLiteral("hello"));

    // A voice that does not exist gives the engine's result; a missing one
    // falls back to the first voice.
    QJsonObject unknownVoice = speakRequest(3, QStringLiteral("Hello."));
    unknownVoice.insert(QStringLiteral("voice"), QStringLiteral("No Such Voice"));
    host.send(unknownVoice);
    EXPECT_EQ(host.receive().value(QStringLiteral("result")).toInt(), 11);
    host.send(speakRequest(4, QStringLiteral("Hello.")));
    const QJsonObject spoken = host.receive();
    EXPECT_EQ(spoken.value(QStringLiteral("result")).toInt(), 0);
    EXPECT_FALSE(spoken.value(QStringLiteral("voice")).toString().isEmpty());

    // A channel cut in the middle of a message ends the host cleanly.
    host.sendRaw(QByteArray("\x10\x00", 2));
    EXPECT_EQ(host.close(), 0);
}
