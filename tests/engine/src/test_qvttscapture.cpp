// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// What the engine's prosody and format arguments do to the audio itself:
// each text is captured as a WAV file and measured.
#include "qvttstesthost.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <sndfile.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

struct Audio
{
    int sampleRate = 0;
    long long frames = 0;
    int peak = 0;
};

Audio measure(const QString &path)
{
    Audio audio;
    SF_INFO info{};
    SNDFILE *file = sf_open(path.toLocal8Bit().constData(), SFM_READ, &info);
    if (!file)
        return audio;
    audio.sampleRate = info.samplerate;
    audio.frames = info.frames;
    std::vector<short> samples(4096);
    sf_count_t got = 0;
    while ((got = sf_read_short(file, samples.data(), sf_count_t(samples.size()))) > 0)
        for (sf_count_t i = 0; i < got; ++i)
            audio.peak = std::max(audio.peak, std::abs(int(samples[size_t(i)])));
    sf_close(file);
    return audio;
}

class CaptureOutput
{
public:
    CaptureOutput()
    {
        const char *previous = std::getenv("VOCALYNE_AUDIO_OUTPUT");
        m_previous = previous ? previous : "";
        const QByteArray choice = "capture:" + m_dir.path().toLocal8Bit();
        setenv("VOCALYNE_AUDIO_OUTPUT", choice.constData(), 1);
    }
    ~CaptureOutput() { setenv("VOCALYNE_AUDIO_OUTPUT", m_previous.c_str(), 1); }
    // The captured texts, in the order they were spoken.
    QStringList files() const
    {
        QStringList names =
            QDir(m_dir.path()).entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name);
        for (QString &name : names)
            name = m_dir.filePath(name);
        return names;
    }

private:
    QTemporaryDir m_dir;
    std::string m_previous;
};

} // namespace

TEST(QVTTSCaptureTest, RateVolumeAndFormatShapeTheAudio)
{
    CaptureOutput capture;
    QVTTSTestHost host;
    const std::string voice = QVTTSTestHost::voiceContaining("English (America)");
    const char *text = "One two three four five six seven eight nine ten.";
    auto say = [&](int32_t rate, int32_t volume, int16_t format) {
        return QVTTSSpeak(nullptr, QVTTSEngineSpeechPlatform, voice.c_str(), -1, 0, text, -1, rate,
                          volume, 0, 0, QVTTSTextPlain, format);
    };
    ASSERT_EQ(say(-1, -1, -1), 0);  // the voice's normal rate
    ASSERT_EQ(say(350, -1, -1), 0); // fastest
    ASSERT_EQ(say(30, -1, -1), 0);  // slowest
    ASSERT_EQ(say(100, 0, -1), 0);  // normal rate again, silent
    ASSERT_EQ(say(-1, 100, 18), 0); // 16 kHz from now on
    ASSERT_EQ(say(-1, -1, -1), 0);  // format and volume stay
    ASSERT_TRUE(host.waitForEnds(6));
    UninitQVTTSEngine(); // closes the last file

    const QStringList files = capture.files();
    ASSERT_EQ(files.size(), 6);
    const Audio normal = measure(files[0]);
    const Audio fast = measure(files[1]);
    const Audio slow = measure(files[2]);
    const Audio silent = measure(files[3]);
    const Audio narrow = measure(files[4]);
    const Audio kept = measure(files[5]);

    EXPECT_GT(normal.peak, 1000);
    EXPECT_LT(fast.frames * 2, normal.frames);
    EXPECT_GT(slow.frames, normal.frames * 2);
    EXPECT_EQ(silent.peak, 0);
    EXPECT_NEAR(double(silent.frames), double(normal.frames), normal.frames * 0.1);
    EXPECT_EQ(normal.sampleRate, 22050);
    EXPECT_EQ(narrow.sampleRate, 16000);
    EXPECT_GT(narrow.peak, 1000);
    EXPECT_EQ(kept.sampleRate, 16000);
    EXPECT_GT(kept.peak, 1000);
}
