// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The export worker given office documents as its input file, run as the
// batch export runs it.
#include "exportertesting.h"
#include "qstringprint.h"
#include "testdocuments.h"
#include "testpdf.h"
#include "vocalyneexportcatalogue.h"
#include "vocalyneexportfiles.h"
#include "vocalyneexportrequest.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace TestPackages;

namespace {

const QString kSentence = QStringLiteral("The harbour opens at dawn. Ships bring salt and news.");

class WorkerDocuments : public ::testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    }
    // Exports the file into a WAV file of the same name; the exit code as
    // the main program reads it.
    int exportFile(const QString &input)
    {
        VocalyneExportRequest r;
        r.voiceName = testVoiceName();
        r.setFormat(VocalyneExportCatalogue::row(20));
        r.isXml = false;
        r.inputPath = input;
        r.outputPath = output(input);
        QProcess process;
        process.start(QStringLiteral(VOCALYNE_EXPORTER_PROGRAM), r.toArguments());
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return -1000;
        const int code = process.exitCode();
        return code >= 128 ? code - 256 : code;
    }
    static QString output(const QString &input) { return input + QStringLiteral(".wav"); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(WorkerDocuments, OfficeDocumentsAreSpokenAsTheirTextNotTheirBytes)
{
    const QString text = write(QStringLiteral("plain.txt"), kSentence.toUtf8());
    const QString word = write(QStringLiteral("letter.docx"), docx(wp(kSentence)));
    const QString rtf = write(QStringLiteral("letter.rtf"),
                              "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\info{\\title Not read}}" +
                                  kSentence.toLatin1() + "\\par}");
    ASSERT_EQ(exportFile(text), 0);
    ASSERT_EQ(exportFile(word), 0);
    ASSERT_EQ(exportFile(rtf), 0);
    const double expected = readAudioInfo(output(text)).seconds;
    ASSERT_GT(expected, 1.0);
    // The same words take the same time; markup or zip bytes would not.
    EXPECT_NEAR(readAudioInfo(output(word)).seconds, expected, 0.05);
    EXPECT_NEAR(readAudioInfo(output(rtf)).seconds, expected, 0.05);
}

TEST_F(WorkerDocuments, ExtractionFailuresBecomeTheirExitCodes)
{
    const QString plain = dir.filePath(QStringLiteral("plain.pdf"));
    ASSERT_TRUE(writePdf(plain, {{kSentence}}));
    const QString locked = dir.filePath(QStringLiteral("locked.pdf"));
    ASSERT_TRUE(encryptPdf(plain, locked, QStringLiteral("secret")));
    const QString empty = write(QStringLiteral("empty.docx"), docx(QStringLiteral("<w:p/>")));
    const QByteArray whole = docx(wp(kSentence));
    const QString damaged = write(QStringLiteral("damaged.docx"), whole.left(whole.size() / 2));

    EXPECT_EQ(exportFile(locked), -9);
    EXPECT_EQ(exportFile(empty), -6);
    EXPECT_EQ(exportFile(damaged), -4);
    for (const QString &input : {locked, empty, damaged})
        EXPECT_FALSE(QFile::exists(output(input))) << input.toStdString();
    // A PDF that opens is spoken.
    EXPECT_EQ(exportFile(plain), 0);
    EXPECT_TRUE(readAudioInfo(output(plain)).ok);
}
