// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The engine's export operations: real speech into real files and buffers,
// read back with libsndfile.
#include "qvttstesthost.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sndfile.h>

#include <vector>

namespace {

const char kText[] = "Exported speech keeps every word. It ends here.";

struct FileInfo
{
    bool ok = false;
    int format = 0;
    int rate = 0;
    int channels = 0;
    double seconds = 0;
};

FileInfo inspect(const QString &path)
{
    FileInfo result;
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return result;
    result.ok = true;
    result.format = info.format;
    result.rate = info.samplerate;
    result.channels = info.channels;
    result.seconds = double(info.frames) / info.samplerate;
    sf_close(file);
    return result;
}

class EngineExport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_voice = QVTTSTestHost::voiceContaining("English (America)");
        ASSERT_FALSE(m_voice.empty());
        ASSERT_TRUE(m_dir.isValid());
    }

    QVTTSExportReturnValue exportTo(const QString &path, int format, const char *token = nullptr,
                                    const char *text = kText, const char *voice = nullptr)
    {
        const QByteArray file = QFile::encodeName(path);
        return QVTTSExportToFileEx(QVTTSEngineSpeechPlatform, voice ? voice : m_voice.c_str(), -1,
                                   0, text, 100, 100, 100, -1, -1, QVTTSTextXml, file.constData(),
                                   int16_t(format), token, 0, 0);
    }
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QStringList leftovers() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QVTTSTestHost m_host;
    std::string m_voice;
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(EngineExport, EveryEncodingIsARealFileOfTheSameSpeech)
{
    const struct
    {
        int number;
        const char *token;
        int format;
        int rate;
        int channels;
    } cases[] = {
        {4, nullptr, SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 8000, 1},
        {23, nullptr, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 2},
        {39, nullptr, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 48000, 2},
        {42, nullptr, SF_FORMAT_WAV | SF_FORMAT_ALAW, 8000, 2},
        {53, nullptr, SF_FORMAT_WAV | SF_FORMAT_ULAW, 22050, 1},
        {64, nullptr, SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM, 44100, 2},
        {66, nullptr, SF_FORMAT_WAV | SF_FORMAT_GSM610, 11025, 1},
        {16, "aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 16000, 1},
        {-1, "snd", SF_FORMAT_AU | SF_FORMAT_PCM_16, 8000, 1},
    };
    double first = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.number);
        const QString file = path("speech.out");
        ASSERT_EQ(exportTo(file, c.number, c.token), QVTTSExportSuccess);
        const FileInfo info = inspect(file);
        ASSERT_TRUE(info.ok);
        EXPECT_EQ(info.format, c.format);
        EXPECT_EQ(info.rate, c.rate);
        EXPECT_EQ(info.channels, c.channels);
        EXPECT_GT(info.seconds, 1.5);
        if (first == 0)
            first = info.seconds;
        EXPECT_NEAR(info.seconds, first, first * 0.02);
        EXPECT_EQ(leftovers(), QStringList{QStringLiteral("speech.out")});
        QFile::remove(file);
    }
}

TEST_F(EngineExport, CallbackComesOnceAfterTheCallReturned)
{
    ASSERT_EQ(exportTo(path("a.wav"), 22), QVTTSExportSuccess);
    // Nothing has been dispatched yet: the call itself never runs the callback.
    EXPECT_TRUE(QVTTSTestHost::exports().empty());
    m_host.pump(300);
    EXPECT_EQ(QVTTSTestHost::exports(), (std::vector<QVTTSTestHost::Pair>{{0, -1}}));
    EXPECT_EQ(QVTTSTestHost::hostExportMessages(), 1);
    // A failed export completes too, once.
    EXPECT_EQ(exportTo(path("b.wav"), 40), QVTTSExportUnknownEncoding);
    m_host.pump(300);
    EXPECT_EQ(QVTTSTestHost::exports().size(), 2u);
    // No word of an export reaches the host as speech.
    EXPECT_TRUE(QVTTSTestHost::words().empty());
}

TEST_F(EngineExport, FailuresLeaveTheUsersFileAndNoPartialOne)
{
    const QString file = path("keep.wav");
    {
        QFile existing(file);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("the user's own file");
    }
    EXPECT_EQ(exportTo(file, 40), QVTTSExportUnknownEncoding); // TrueSpeech
    EXPECT_EQ(exportTo(file, 69), QVTTSExportUnknownEncoding);
    EXPECT_EQ(exportTo(file, 22, nullptr, kText, "No Such Voice"), QVTTSExportVoiceNotFound);
    EXPECT_EQ(exportTo(file, 22, nullptr, ""), QVTTSExportZeroLengthText);
    EXPECT_EQ(exportTo(path("missing/folder.wav"), 22), QVTTSExportFileError);
    QFile existing(file);
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), QByteArray("the user's own file"));
    EXPECT_EQ(leftovers(), QStringList{QStringLiteral("keep.wav")});
    // A successful export replaces it whole.
    existing.close();
    ASSERT_EQ(exportTo(file, 18), QVTTSExportSuccess);
    EXPECT_EQ(inspect(file).rate, 16000);
    EXPECT_EQ(leftovers(), QStringList{QStringLiteral("keep.wav")});
}

TEST_F(EngineExport, BufferReportsTheSizeItNeedsAndHoldsTheSameFile)
{
    int32_t size = 0;
    ASSERT_EQ(QVTTSExportToBuffer(QVTTSEngineSpeechPlatform, m_voice.c_str(), -1, 0, kText, nullptr,
                                  &size, 100, 100, 100, 18, 0, 0, 0, QVTTSTextXml, nullptr),
              QVTTSExportBufferTooSmall);
    ASSERT_GT(size, 16000 * 2);
    std::vector<char> buffer(size_t(size) + 100);
    int32_t room = int32_t(buffer.size());
    ASSERT_EQ(QVTTSExportToBuffer(QVTTSEngineSpeechPlatform, m_voice.c_str(), -1, 0, kText,
                                  buffer.data(), &room, 100, 100, 100, 18, 0, 0, 0, QVTTSTextXml,
                                  nullptr),
              QVTTSExportSuccess);
    // The same speech both times, give or take the resampler's last samples.
    EXPECT_NEAR(room, size, 64);
    const QString file = path("image.wav");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(buffer.data(), room);
    out.close();
    const FileInfo info = inspect(file);
    ASSERT_TRUE(info.ok);
    EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    EXPECT_EQ(info.rate, 16000);
    EXPECT_GT(info.seconds, 1.5);
}

TEST_F(EngineExport, PlainTextWithAPitchSpeaksOnlyTheText)
{
    const QByteArray file = QFile::encodeName(path("plain.wav"));
    const auto plain = [&](int32_t pitch, const char *text) {
        EXPECT_EQ(QVTTSExportToFileEx(QVTTSEngineSpeechPlatform, m_voice.c_str(), -1, 0, text,
                                      pitch, 100, 100, -1, -1, QVTTSTextPlain, file.constData(), 22,
                                      nullptr, 0, 0),
                  QVTTSExportSuccess);
        return inspect(path("plain.wav")).seconds;
    };
    // The pitch markup put in front of the text must not be read out, and
    // characters that are markup elsewhere are plain text here.
    const char text[] = "Tom & Jerry <3 cheese. The end.";
    const double unpitched = plain(-1, text);
    EXPECT_NEAR(plain(100, text), unpitched, unpitched * 0.05);
    EXPECT_NEAR(plain(130, text), unpitched, unpitched * 0.1);
}
