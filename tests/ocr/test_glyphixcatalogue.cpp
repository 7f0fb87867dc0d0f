// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "tsfile.h"

#include <QDir>
#include <QFile>
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
    QString error;
    const QStringList untranslated =
        untranslatedAfterLupdate(QStringLiteral(VOCALYNE_LUPDATE), SourceCatalogue,
                                 QStringLiteral(GLYPHIX_SOURCE_DIR), &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_TRUE(untranslated.isEmpty())
        << "Refresh ocr/glyphix/translations/HalvernGlyphix_de.ts (target "
           "HalvernGlyphix_lupdate) and translate:\n"
        << untranslated.join(QLatin1Char('\n')).toStdString();
}
