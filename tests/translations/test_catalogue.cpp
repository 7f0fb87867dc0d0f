// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "tsfile.h"
#include "vocalynecatalogues.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

const QString SourceCatalogue = QStringLiteral(VOCALYNE_TS_DIR "/Vocalyne_de.ts");
const QString CompiledFolder = QStringLiteral(VOCALYNE_QM_DIR);

QString describe(const TsMessage &message, const QStringList &faults)
{
    return message.context + QStringLiteral(": \"") + message.source + QStringLiteral("\" -> \"") +
           message.translation + QStringLiteral("\": ") + faults.join(QStringLiteral(", "));
}

} // namespace

TEST(MainCatalogue, EverySourceTextHasAFittingGermanTranslationInTheCompiledCatalogue)
{
    QString error;
    const QList<TsMessage> messages = readTsFile(SourceCatalogue, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    // The main program has several hundred texts; a near-empty file means
    // the sources were lost, not that everything is translated.
    ASSERT_GT(messages.size(), 500);

    QTranslator compiled;
    ASSERT_TRUE(compiled.load(QDir(CompiledFolder).filePath(QStringLiteral("Vocalyne_de.qm"))));

    QStringList faults;
    for (const TsMessage &message : messages) {
        QStringList problems = translationFaults(message.source, message.translation);
        if (message.unfinished)
            problems << QStringLiteral("marked unfinished");
        if (message.numerus)
            problems << QStringLiteral("plural forms are not used by the program");
        // What the running program gets is the compiled text.
        const QString shown = compiled.translate(
            message.context.toUtf8().constData(), message.source.toUtf8().constData(),
            message.comment.isEmpty() ? nullptr : message.comment.toUtf8().constData());
        if (shown != message.translation)
            problems << QStringLiteral("compiled catalogue shows \"%1\"").arg(shown);
        if (!problems.isEmpty())
            faults << describe(message, problems);
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

TEST(MainCatalogue, HoldsEveryTranslatableTextOfTheSources)
{
    // A text added to the program without a translation shows in English in
    // the middle of a German window; lupdate finds such texts in the sources.
    QString error;
    const QStringList untranslated = untranslatedAfterLupdate(
        QStringLiteral(VOCALYNE_LUPDATE), SourceCatalogue,
        QStringLiteral(VOCALYNE_SOURCE_DIR "/app"), &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_TRUE(untranslated.isEmpty())
        << "Refresh translations/Vocalyne_de.ts (target Vocalyne_lupdate) and translate:\n"
        << untranslated.join(QLatin1Char('\n')).toStdString();
}

TEST(CatalogueChecks, CatchTranslationsThatBreakTheProgram)
{
    EXPECT_TRUE(translationFaults(QStringLiteral("&File"), QStringLiteral("&Datei")).isEmpty());
    EXPECT_TRUE(translationFaults(QStringLiteral("Ctrl+Shift+S"), QStringLiteral("Ctrl+Shift+S"))
                    .isEmpty());
    EXPECT_TRUE(
        translationFaults(QStringLiteral("'%1' of %2"), QStringLiteral("%2: „%1“")).isEmpty());
    EXPECT_TRUE(translationFaults(QStringLiteral("&&"), QStringLiteral("&&")).isEmpty());

    EXPECT_FALSE(
        translationFaults(QStringLiteral("Replaced %1 of '%2'"), QStringLiteral("%1 ersetzt"))
            .isEmpty());
    EXPECT_FALSE(translationFaults(QStringLiteral("&View"), QStringLiteral("Ansicht")).isEmpty());
    EXPECT_FALSE(translationFaults(QStringLiteral("Ctrl+Z"), QStringLiteral("Strg+Z")).isEmpty());
    EXPECT_FALSE(
        translationFaults(QStringLiteral("<b>Note</b> text"), QStringLiteral("Hinweis Text"))
            .isEmpty());
    EXPECT_FALSE(translationFaults(QStringLiteral(" Voice "), QStringLiteral("Stimme")).isEmpty());
    EXPECT_FALSE(translationFaults(QStringLiteral("Exit"), QString()).isEmpty());
}

TEST(Catalogues, LocaleNamesFallBackToTheirLanguageAndIgnoreCodeSets)
{
    EXPECT_EQ(VocalyneCatalogues::localeCandidates(QStringLiteral("de_DE")),
              QStringList({QStringLiteral("de_DE"), QStringLiteral("de")}));
    EXPECT_EQ(VocalyneCatalogues::localeCandidates(QStringLiteral("de_AT.UTF-8@euro")),
              QStringList({QStringLiteral("de_AT"), QStringLiteral("de")}));
    EXPECT_EQ(VocalyneCatalogues::localeCandidates(QStringLiteral("de")),
              QStringList({QStringLiteral("de")}));
    EXPECT_TRUE(VocalyneCatalogues::localeCandidates(QStringLiteral("C")).isEmpty());
    EXPECT_TRUE(VocalyneCatalogues::localeCandidates(QStringLiteral("POSIX")).isEmpty());
    // The name becomes part of a file name: nothing may lead out of the folder.
    EXPECT_TRUE(VocalyneCatalogues::localeCandidates(QStringLiteral("../../x")).isEmpty());
}

TEST(Catalogues, GermanLocalesInstallTheProgramsAndQtsCatalogueForTheirLifetime)
{
    const char *file = "&File";
    for (const QString &locale : {QStringLiteral("de_DE"), QStringLiteral("de_CH.UTF-8")}) {
        {
            const VocalyneCatalogues catalogues(QStringLiteral("Vocalyne"), locale, CompiledFolder);
            EXPECT_TRUE(catalogues.programCatalogue().endsWith(QStringLiteral("/Vocalyne_de.qm")))
                << catalogues.programCatalogue().toStdString();
            EXPECT_EQ(QCoreApplication::translate("VocalyneMainWindowBase", file),
                      QStringLiteral("&Datei"));
            // Qt's own buttons and dialogs come from the system's catalogue.
            EXPECT_FALSE(catalogues.toolkitCatalogue().isEmpty());
            EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                      QStringLiteral("Abbrechen"));
        }
        EXPECT_EQ(QCoreApplication::translate("VocalyneMainWindowBase", file),
                  QStringLiteral("&File"));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                  QStringLiteral("Cancel"));
    }
}

TEST(Catalogues, EnglishAndUnknownLocalesStayEnglish)
{
    for (const QString &locale :
         {QStringLiteral("en_US"), QStringLiteral("en"), QStringLiteral("C"), QString()}) {
        const VocalyneCatalogues catalogues(QStringLiteral("Vocalyne"), locale, CompiledFolder);
        EXPECT_TRUE(catalogues.programCatalogue().isEmpty()) << locale.toStdString();
        EXPECT_EQ(QCoreApplication::translate("VocalyneMainWindowBase", "&File"),
                  QStringLiteral("&File"));
    }
}

TEST(Catalogues, ADamagedCatalogueIsSkippedForTheNextOneAndAMissingFolderIsNoError)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    {
        QFile damaged(dir.filePath(QStringLiteral("Vocalyne_de_DE.qm")));
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
        damaged.write("not a catalogue");
    }
    {
        const VocalyneCatalogues alone(QStringLiteral("Vocalyne"), QStringLiteral("de_DE"),
                                       dir.path());
        EXPECT_TRUE(alone.programCatalogue().isEmpty());
        EXPECT_EQ(QCoreApplication::translate("VocalyneMainWindowBase", "&File"),
                  QStringLiteral("&File"));
    }
    // With the language's catalogue beside it, that one is taken instead.
    ASSERT_TRUE(QFile::copy(QDir(CompiledFolder).filePath(QStringLiteral("Vocalyne_de.qm")),
                            dir.filePath(QStringLiteral("Vocalyne_de.qm"))));
    {
        const VocalyneCatalogues fallback(QStringLiteral("Vocalyne"), QStringLiteral("de_DE"),
                                          dir.path());
        EXPECT_EQ(fallback.programCatalogue(), dir.filePath(QStringLiteral("Vocalyne_de.qm")));
        EXPECT_EQ(QCoreApplication::translate("VocalyneMainWindowBase", "&File"),
                  QStringLiteral("&Datei"));
    }

    const VocalyneCatalogues missing(QStringLiteral("Vocalyne"), QStringLiteral("de_DE"),
                                     dir.filePath(QStringLiteral("nowhere")));
    EXPECT_TRUE(missing.programCatalogue().isEmpty());
}
