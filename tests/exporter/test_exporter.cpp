// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The export worker program run as the main program runs it: eighteen
// arguments, the text in a shared-memory block or a file, an exit code and
// a real audio file read back with libsndfile.
#include "exportertesting.h"
#include "vocalyneexportcatalogue.h"
#include "vocalyneexportfiles.h"
#include "vocalyneexportrequest.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSharedMemory>
#include <QTemporaryDir>

#include <cstring>

namespace {

const QString kText = QStringLiteral("Every format speaks the same words. Then it stops.");

class Worker : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    VocalyneExportRequest request(const QString &name, const ExportSettingData &format) const
    {
        VocalyneExportRequest r;
        r.voiceName = testVoiceName();
        r.outputPath = VocalyneExportFiles::join(m_dir.path(), name);
        r.setFormat(format);
        r.isXml = false;
        return r;
    }
    QString textFile(const QByteArray &bytes, const QString &name = QStringLiteral("input.txt"))
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }
    // The exit code as the main program reads it.
    static int run(const QStringList &arguments, const QString &shmKey = QString())
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("VOCALYNE_SHM_KEY"));
        if (!shmKey.isEmpty())
            environment.insert(QStringLiteral("VOCALYNE_SHM_KEY"), shmKey);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VOCALYNE_EXPORTER_PROGRAM), arguments);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return -1000;
        const int code = process.exitCode();
        return code >= 128 ? code - 256 : code;
    }
    QStringList files() const
    {
        return QDir(m_dir.path())
            .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir m_dir;
};

int expectedFormat(const ExportSettingData &row)
{
    if (row.strToken == QLatin1String("aiff"))
        return SF_FORMAT_AIFF | SF_FORMAT_PCM_16;
    if (row.strToken == QLatin1String("snd"))
        return SF_FORMAT_AU | SF_FORMAT_PCM_16;
    if (row.strToken == QLatin1String("pcm8"))
        return SF_FORMAT_WAV | SF_FORMAT_PCM_U8;
    if (row.strToken == QLatin1String("pcm16"))
        return SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    if (row.strToken == QLatin1String("alaw"))
        return SF_FORMAT_WAV | SF_FORMAT_ALAW;
    if (row.strToken == QLatin1String("ulaw"))
        return SF_FORMAT_WAV | SF_FORMAT_ULAW;
    if (row.strToken == QLatin1String("adpcm"))
        return SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM;
    return SF_FORMAT_WAV | SF_FORMAT_GSM610;
}

} // namespace

TEST_F(Worker, EveryRowOfTheCatalogueIsWrittenAndReadsBack)
{
    const QString input = textFile(kText.toUtf8());
    const QList<ExportSettingData> rows = VocalyneExportCatalogue::rows();
    double reference = 0;
    for (int i = 0; i < rows.size(); ++i) {
        const ExportSettingData &row = rows.at(i);
        SCOPED_TRACE(row.formatName.toStdString());
        const QString name =
            QStringLiteral("row%1.%2").arg(i + 1).arg(VocalyneExportCatalogue::extension(row));
        VocalyneExportRequest r = request(name, row);
        r.inputPath = input;
        const int code = run(r.toArguments());
        if (row.strToken == QLatin1String("pcm1")) {
            // No TrueSpeech encoder here: an engine code the main program
            // reports as an unsupported format, and no file at all.
            EXPECT_GE(code, 1);
            EXPECT_LE(code, 104);
            EXPECT_FALSE(QFile::exists(r.outputPath));
            continue;
        }
        ASSERT_EQ(code, 0);
        const AudioFileInfo info = readAudioInfo(r.outputPath);
        ASSERT_TRUE(info.ok);
        EXPECT_EQ(info.format, expectedFormat(row));
        if (row.strToken == QLatin1String("aiff")) {
            EXPECT_EQ(info.rate, 16000);
            EXPECT_EQ(info.channels, 1);
        } else {
            EXPECT_EQ(info.rate, row.audioSamplingRate);
            EXPECT_EQ(info.channels, row.audioChannels);
        }
        if (reference == 0)
            reference = info.seconds;
        EXPECT_NEAR(info.seconds, reference, reference * 0.02);
    }
    // Only the finished files: no partial file or intermediate anywhere.
    EXPECT_EQ(files().size(), 66 + 1);
    for (const QString &name : files())
        EXPECT_FALSE(name.startsWith(QLatin1Char('.'))) << name.toStdString();
}

TEST_F(Worker, Mp3IsEncodedFromTheIntermediateWhichThenGoes)
{
    const QString input = textFile(kText.toUtf8());
    double reference = 0;
    for (int number : {2, 9, 20, 33, 37, 44, 49, 62}) {
        ExportSettingData row = VocalyneExportCatalogue::row(number);
        SCOPED_TRACE(row.formatName.toStdString());
        row.isMP3 = true;
        VocalyneExportRequest r = request(QStringLiteral("talk%1.mp3").arg(number), row);
        r.inputPath = input;
        if (number == 2) {
            // The intermediate of an earlier export that was killed: none of
            // its audio may end up in this one.
            VocalyneExportRequest stale = r;
            stale.isMP3 = false;
            stale.outputPath = VocalyneExportFiles::intermediatePath(r.outputPath);
            stale.inputPath =
                textFile((kText + kText + kText).toUtf8(), QStringLiteral("stale.txt"));
            ASSERT_EQ(run(stale.toArguments()), 0);
        }
        ASSERT_EQ(run(r.toArguments()), 0);
        const AudioFileInfo info = readAudioInfo(r.outputPath);
        ASSERT_TRUE(info.ok);
        EXPECT_EQ(info.format & SF_FORMAT_TYPEMASK, SF_FORMAT_MPEG);
        EXPECT_EQ(info.rate, row.audioSamplingRate);
        EXPECT_EQ(info.channels, row.audioChannels);
        if (reference == 0)
            reference = info.seconds;
        EXPECT_NEAR(info.seconds, reference, reference * 0.02);
        EXPECT_FALSE(QFile::exists(VocalyneExportFiles::intermediatePath(r.outputPath)));
    }
    EXPECT_EQ(files().size(), 8 + 2);
}

TEST_F(Worker, TextComesFromTheInstanceBlockOrTheBareToken)
{
    const QByteArray text = QStringLiteral("Grüße aus dem Speicher. Ça marche.").toUtf8();
    const auto fill = [&](QSharedMemory &block) {
        ASSERT_TRUE(block.create(text.size() + 1));
        block.lock();
        std::memcpy(block.data(), text.constData(), size_t(text.size()) + 1);
        block.unlock();
    };
    const QString key =
        VocalyneExportFiles::instanceSharedMemoryKey(QCoreApplication::applicationPid());
    const ExportSettingData row = VocalyneExportCatalogue::row(20);
    {
        QSharedMemory block(key);
        fill(block);
        EXPECT_EQ(run(request(QStringLiteral("keyed.wav"), row).toArguments(), key), 0);
        // No key handed over: the bare token's block, which is not there.
        EXPECT_EQ(run(request(QStringLiteral("none.wav"), row).toArguments()), -2);
    }
    {
        QSharedMemory block(VocalyneExportFiles::token());
        fill(block);
        // A key whose block is gone falls back to the bare token.
        EXPECT_EQ(run(request(QStringLiteral("fallback.wav"), row).toArguments(), key), 0);
    }
    const double keyed = readAudioInfo(m_dir.filePath(QStringLiteral("keyed.wav"))).seconds;
    EXPECT_GT(keyed, 1.0);
    EXPECT_NEAR(readAudioInfo(m_dir.filePath(QStringLiteral("fallback.wav"))).seconds, keyed, 0.01);
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("none.wav"))));
}

TEST_F(Worker, TextFilesAreDecodedAsTheMainProgramDecodesThem)
{
    const ExportSettingData row = VocalyneExportCatalogue::row(20);
    const QString sentence = QStringLiteral("Déjà vu, naïve café.");
    VocalyneExportRequest utf8 = request(QStringLiteral("utf8.wav"), row);
    utf8.inputPath = textFile(QByteArray("\xEF\xBB\xBF") + sentence.toUtf8());
    ASSERT_EQ(run(utf8.toArguments()), 0);
    VocalyneExportRequest latin1 = request(QStringLiteral("latin1.wav"), row);
    latin1.inputPath = textFile(sentence.toLatin1(), QStringLiteral("latin1.txt"));
    ASSERT_EQ(run(latin1.toArguments()), 0);
    // The same words either way: a misread byte would be spoken differently.
    EXPECT_NEAR(readAudioInfo(utf8.outputPath).seconds, readAudioInfo(latin1.outputPath).seconds,
                0.01);
}

TEST_F(Worker, FailuresAnswerWithTheirExitCodesAndLeaveNoFile)
{
    const ExportSettingData row = VocalyneExportCatalogue::row(20);
    const QString input = textFile(kText.toUtf8());
    VocalyneExportRequest r = request(QStringLiteral("out.wav"), row);
    r.inputPath = input;

    QStringList arguments = r.toArguments();
    EXPECT_EQ(run(arguments.mid(0, 17)), -1);
    arguments[5] = QStringLiteral("fast");
    EXPECT_EQ(run(arguments), -1);

    VocalyneExportRequest missing = r;
    missing.inputPath = m_dir.filePath(QStringLiteral("nothing.txt"));
    EXPECT_EQ(run(missing.toArguments()), -4);

    VocalyneExportRequest blank = r;
    blank.inputPath = textFile(" \n\t ", QStringLiteral("blank.txt"));
    EXPECT_EQ(run(blank.toArguments()), -6);

    VocalyneExportRequest folder = r;
    folder.inputPath = input;
    folder.outputPath = m_dir.filePath(QStringLiteral("no/such/folder.wav"));
    EXPECT_EQ(run(folder.toArguments()), -5);

    VocalyneExportRequest voice = r;
    voice.inputPath = input;
    voice.voiceName = QStringLiteral("Nobody");
    const int code = run(voice.toArguments());
    EXPECT_GE(code, 1);
    EXPECT_LE(code, 104);

    const QStringList left = files();
    EXPECT_EQ(left, (QStringList{QStringLiteral("blank.txt"), QStringLiteral("input.txt")}));
}
