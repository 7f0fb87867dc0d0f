// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// Flite voices through the engine's C interface: listed with engine type 3,
// spoken with every word reported, exported into real files.
#include "qvttstesthost.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sndfile.h>

namespace {

const char kRms[] = "Flite English (America) RMS, male";

TEST(FliteEngine, VoicesAreListedAsEngineTypeThreeBestFirst)
{
    QVTTSTestHost host;
    QVTTSVoiceEngineType type = QVTTSVoiceEngineType(0);
    int32_t length = 0;
    ASSERT_EQ(GetQVTTSVoice(0, &type, nullptr, &length, nullptr, nullptr), 0);
    std::string first(size_t(length) + 1, '\0');
    GetQVTTSVoice(0, &type, first.data(), &length, nullptr, nullptr);
    first.resize(size_t(length));
    EXPECT_EQ(type, QVTTSEngineSpeechPlatform);
    EXPECT_EQ(first, "Flite English (America) SLT, female");
    EXPECT_EQ(QVTTSTestHost::voiceContaining("RMS"), kRms);
}

TEST(FliteEngine, SpeaksEveryWordOfAMixedVoiceTextInOrder)
{
    QVTTSTestHost host;
    // The markup the program writes for a section in another voice.
    const QString text = QStringLiteral(
        "<pitch absmiddle=\"0\"/>First words, <voice required=\"Name=espeak-ng German\">"
        "dann Deutsch</voice> and <voice required=\"Name=Flite English (America) KAL, male\">"
        "the diphone voice</voice> to the end.");
    const QByteArray utf8 = text.toUtf8();
    ASSERT_EQ(QVTTSSpeak(nullptr, QVTTSEngineSpeechPlatform, kRms, -1, 0, utf8.constData(), -1, -1,
                         -1, 0, 0, QVTTSTextXml, -1),
              0);
    ASSERT_TRUE(host.waitForEnds(1));
    std::vector<QVTTSTestHost::Pair> expected;
    for (const char *word : {"First", "words", "dann", "Deutsch", "and", "the", "diphone", "voice",
                             "to", "the", "end"}) {
        const int from = expected.empty() ? 0 : expected.back().second + 1;
        const int at = int(text.indexOf(QLatin1String(word), from));
        ASSERT_GE(at, 0);
        expected.emplace_back(at, at + int(std::strlen(word)) - 1);
    }
    EXPECT_EQ(QVTTSTestHost::spokenWords(), expected);
}

TEST(FliteEngine, ExportsTheVoiceInEveryEncoding)
{
    QVTTSTestHost host;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct
    {
        int number;
        const char *token;
        int format;
        int rate;
        int channels;
    } cases[] = {
        {22, nullptr, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1},
        {4, nullptr, SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 8000, 1},
        {39, nullptr, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 48000, 2},
        {53, nullptr, SF_FORMAT_WAV | SF_FORMAT_ULAW, 22050, 1},
        {16, "aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 16000, 1},
    };
    double first = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.number);
        const QByteArray file = QFile::encodeName(dir.filePath(QStringLiteral("flite.out")));
        ASSERT_EQ(QVTTSExportToFileEx(QVTTSEngineSpeechPlatform, kRms, -1, 0,
                                      "Exported by Flite. Every word is kept.", 100, 100, 100, -1,
                                      -1, QVTTSTextXml, file.constData(), int16_t(c.number),
                                      c.token, 0, 0),
                  QVTTSExportSuccess);
        SF_INFO info{};
        SNDFILE *sound = sf_open(file.constData(), SFM_READ, &info);
        ASSERT_TRUE(sound);
        std::vector<short> samples(size_t(info.frames * info.channels));
        sf_read_short(sound, samples.data(), sf_count_t(samples.size()));
        sf_close(sound);
        EXPECT_EQ(info.format, c.format);
        EXPECT_EQ(info.samplerate, c.rate);
        EXPECT_EQ(info.channels, c.channels);
        const double seconds = double(info.frames) / info.samplerate;
        EXPECT_GT(seconds, 1.5);
        if (first == 0)
            first = seconds;
        EXPECT_NEAR(seconds, first, first * 0.02) << "the same speech in every file";
        short peak = 0;
        for (short s : samples)
            peak = std::max<short>(peak, short(std::abs(s)));
        EXPECT_GT(peak, 3000) << "speech, not silence";
        QFile::remove(QString::fromLocal8Bit(file));
    }
}

} // namespace
