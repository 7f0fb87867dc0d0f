// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "ocrcommandline.h"
#include "ocrlog.h"
#include "ocrtestimages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace OcrTestImages;

namespace {

QString joined(const QStringList &lines)
{
    return lines.join(QLatin1Char('\n'));
}

// Recognises one page written with `compression` and returns the recall.
double recallFor(const QStringList &lines, Tiff compression, const QString &language)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.tif"));
    EXPECT_TRUE(writeTiff({renderPage(lines)}, path, compression));
    QString text;
    EXPECT_EQ(runAdapter({path, path, QStringLiteral("-l"), language}, &text), 0);
    return wordRecall(joined(lines), text);
}

} // namespace

TEST(OcrAdapter, RecognisesEnglishAndGermanWithAccentsIntact)
{
    EXPECT_GE(recallFor(englishSample(), Tiff::Uncompressed, QStringLiteral("eng")), 0.98);
    // Umlauts and sharp s only survive when the text is written as UTF-8.
    EXPECT_GE(recallFor(germanSample(), Tiff::Uncompressed, QStringLiteral("deu")), 0.98);
}

TEST(OcrAdapter, ReadsCompressedTiffs)
{
    EXPECT_GE(recallFor(englishSample(), Tiff::Lzw, QStringLiteral("eng")), 0.98);
    EXPECT_GE(recallFor(englishSample(), Tiff::G4, QStringLiteral("eng")), 0.98);
}

TEST(OcrAdapter, ReadsEveryPageOfAMultiPageTiffInOrder)
{
    const QStringList first = {QStringLiteral("Chapter one begins with a morning walk.")};
    const QStringList second = {QStringLiteral("Chapter two describes the long journey home.")};
    const QStringList third = {QStringLiteral("Chapter three ends the story at midnight.")};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.tif"));
    ASSERT_TRUE(
        writeTiff({renderPage(first), renderPage(second), renderPage(third)}, path, Tiff::G4));
    QString text;
    ASSERT_EQ(runAdapter({path, path, QStringLiteral("-l"), QStringLiteral("eng")}, &text), 0);
    const int one = text.indexOf(QStringLiteral("one"));
    const int two = text.indexOf(QStringLiteral("two"));
    const int three = text.indexOf(QStringLiteral("three"));
    EXPECT_TRUE(one >= 0 && one < two && two < three) << text.toStdString();
    EXPECT_GE(wordRecall(joined(first + second + third), text), 0.98);
}

TEST(OcrAdapter, PathWithBlanksArrivesWithStars)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("my scans")));
    const QString path = dir.filePath(QStringLiteral("my scans/page one.tif"));
    ASSERT_TRUE(writeTiff({renderPage(englishSample().mid(0, 2))}, path, Tiff::Uncompressed));
    QString starred = path;
    starred.replace(QLatin1Char(' '), QLatin1Char('*'));
    QString text;
    EXPECT_EQ(runAdapter({starred, starred, QStringLiteral("-l"), QStringLiteral("eng")}, &text),
              0);
    EXPECT_TRUE(text.contains(QStringLiteral("lazy"))) << text.toStdString();

    // A file whose real name has a "*" is taken as it is.
    const QString literal = dir.filePath(QStringLiteral("a*b.tif"));
    ASSERT_TRUE(QFile::copy(path, literal));
    EXPECT_EQ(OcrCommandLine::resolveImagePath(literal), literal);
    EXPECT_EQ(OcrCommandLine::resolveImagePath(starred), path);
}

TEST(OcrAdapter, FailuresGiveTheirExitCodesAndAreLogged)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.tif"));
    EXPECT_EQ(runAdapter({missing, missing, QStringLiteral("-l"), QStringLiteral("eng")}), -1);

    // Not an image at all.
    const QString text = dir.filePath(QStringLiteral("notes.tif"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("these are not pixels\n");
    file.close();
    EXPECT_EQ(runAdapter({text, text, QStringLiteral("-l"), QStringLiteral("eng")}), -1);

    // A language without data, and a language code that tries to leave the
    // data folder, are failures below 100.
    const QString page = dir.filePath(QStringLiteral("page.tif"));
    ASSERT_TRUE(writeTiff({renderPage({QStringLiteral("Hello")})}, page, Tiff::Uncompressed));
    const int noData = runAdapter({page, page, QStringLiteral("-l"), QStringLiteral("xyz")});
    EXPECT_GT(noData, 0);
    EXPECT_LT(noData, 100);
    const int escape = runAdapter({page, page, QStringLiteral("-l"), QStringLiteral("../eng")});
    EXPECT_GT(escape, 0);
    EXPECT_LT(escape, 100);
    EXPECT_EQ(runAdapter({}), 1);

    // The adapter is not in the test's standard-paths test mode: its log is
    // in the temporary home's data folder.
    const QString logPath = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) +
                            QStringLiteral("/Halvern/HalvernGlyphix/tesseract.log");
    QFile log(logPath);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly)) << logPath.toStdString();
    const QString logged = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(logged.contains(QStringLiteral("cannot open the image"))) << logged.toStdString();
    EXPECT_TRUE(logged.contains(QStringLiteral("language data not installed: xyz")));
}

TEST(OcrAdapter, LogKeepsItsNewestLinesWhenLong)
{
    QTemporaryDir dir;
    OcrLog log(dir.filePath(QStringLiteral("sub/tesseract.log")));
    const QString line(200, QLatin1Char('x'));
    for (int i = 0; i < 7000; ++i)
        log.write(line + QString::number(i));
    QFile file(log.path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_LE(content.size(), 1024 * 1024 + 4096);
    EXPECT_TRUE(content.endsWith("x6999\n"));
    // Trimming starts at a whole line.
    EXPECT_TRUE(content.startsWith("20")) << content.left(40).toStdString();
}
