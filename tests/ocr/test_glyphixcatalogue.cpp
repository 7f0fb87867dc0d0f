// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "tsfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

const QString SourceCatalogue =
    QStringLiteral(GLYPHIX_SOURCE_DIR "/translations/HalvernGlyphix_de.ts");

} // namespace

TEST(OcrCatalogue, EveryTextHasAFittingGermanTranslationInTheCompiledCatalogue)
{
    QString error;
    const QList<TsMessage> messages = readTsFile(SourceCatalogue, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    // The dialog, its messages and the eight languages.
    ASSERT_GT(messages.size(), 30);

    QTranslator compiled;
    ASSERT_TRUE(compiled.load(
        QDir(QStringLiteral(GLYPHIX_PROGRAM_FOLDER)).filePath(QStringLiteral("HalvernGlyphix_de.qm"))));
    QStringList faults;
    for (const TsMessage &message : messages) {
        QStringList problems = translationFaults(message.source, message.translation);
        if (message.unfinished)
            problems << QStringLiteral("marked unfinished");
        const QString shown = compiled.translate(
            message.context.toUtf8().constData(), message.source.toUtf8().constData(),
            message.comment.isEmpty() ? nullptr : message.comment.toUtf8().constData());
        if (shown != message.translation)
            problems << QStringLiteral("compiled catalogue shows \"%1\"").arg(shown);
        if (!problems.isEmpty())
            faults << message.context + QStringLiteral(": \"") + message.source +
                          QStringLiteral("\": ") + problems.join(QStringLiteral(", "));
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

TEST(OcrCatalogue, HoldsEveryTranslatableTextOfTheDialog)
{
    // A text added to the dialog without a translation would show in English
    // in a German window.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString copy = dir.filePath(QStringLiteral("HalvernGlyphix_de.ts"));
    ASSERT_TRUE(QFile::copy(SourceCatalogue, copy));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(VOCALYNE_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"),
                   QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral(GLYPHIX_SOURCE_DIR), QStringLiteral("-ts"), copy});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAll().toStdString();

    QString error;
    const QList<TsMessage> current = readTsFile(copy, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    QStringList untranslated;
    for (const TsMessage &message : current)
        if (message.unfinished || message.translation.isEmpty())
            untranslated << message.context + QStringLiteral(": ") + message.source;
    EXPECT_TRUE(untranslated.isEmpty())
        << "Refresh ocr/glyphix/translations/HalvernGlyphix_de.ts (target "
           "HalvernGlyphix_lupdate) and translate:\n"
        << untranslated.join(QLatin1Char('\n')).toStdString();
}
