// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "messagerecorder.h"
#include "qvtts.h"
#include "vocalyneuserdictionary.h"
#include "vocalynevendorlexicons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(VendorLexicons, EachInstalledVendorVoiceGetsTheLinesOfItsLanguage)
{
    MessageRecorder messages;
    QTemporaryDir voices;
    QDir root(voices.path());
    for (const char *folder : {"Allison", "Katrin", "Isabelle", "Nobody"})
        ASSERT_TRUE(root.mkdir(QLatin1String(folder)));
    // An old lexicon that its owner may not write, with lines that must go.
    const QString katrin =
        VocalyneVendorLexicons::lexiconPath(voices.path(), QStringLiteral("Katrin"));
    {
        QFile old(katrin);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("alt 0 a l t\nstale 0 s t a l e\n");
        old.setPermissions(QFileDevice::ReadOwner);
    }
    const QMap<uint16_t, QString> texts{{1033, QStringLiteral("tomato 0 t ax m aa 1 t ow\n")},
                                        {1031, QStringLiteral("pferd 0 pf EH 1 r t\n")}};
    const QStringList installed{QStringLiteral("Cepstral Allison"),
                                QStringLiteral("Cepstral Katrin"),
                                QStringLiteral("Cepstral Isabelle"),
                                QStringLiteral("cepstral Amy"),    // not the vendor's spelling
                                QStringLiteral("Cepstral Nobody"), // not in the voice table
                                QStringLiteral("Cepstral Marta"),  // its folder is missing
                                QStringLiteral("English (America)")};

    const QStringList written = VocalyneVendorLexicons::rewrite(installed, texts, voices.path());

    const QString allison =
        VocalyneVendorLexicons::lexiconPath(voices.path(), QStringLiteral("Allison"));
    const QString isabelle =
        VocalyneVendorLexicons::lexiconPath(voices.path(), QStringLiteral("Isabelle"));
    EXPECT_EQ(written, (QStringList{allison, katrin, isabelle}));
    EXPECT_EQ(contents(allison), QByteArray("tomato 0 t ax m aa 1 t ow\n"));
    EXPECT_EQ(contents(katrin), QByteArray("pferd 0 pf EH 1 r t\n"));
    EXPECT_TRUE(QFileInfo(katrin).permissions() & QFileDevice::WriteOwner);
    EXPECT_EQ(contents(isabelle), QByteArray()) << "no French entries: an empty lexicon";
    EXPECT_FALSE(QFile::exists(
        VocalyneVendorLexicons::lexiconPath(voices.path(), QStringLiteral("Nobody"))));
    EXPECT_FALSE(
        QFile::exists(VocalyneVendorLexicons::lexiconPath(voices.path(), QStringLiteral("Amy"))));

    // The voice whose folder is missing is reported, and the others went on.
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Error"));
    EXPECT_TRUE(messages.messages[0].text.startsWith(
        QStringLiteral("Failed to open lexicon ") +
        VocalyneVendorLexicons::lexiconPath(voices.path(), QStringLiteral("Marta")) +
        QLatin1Char('\n')))
        << messages.messages[0].text.toStdString();
    EXPECT_TRUE(messages.messages[0].text.endsWith(
        QStringLiteral("Please make sure you have WRITE permissions for the file.")));
}

TEST(VendorLexicons, ApplyingTheDictionaryFindsNoVendorVoiceAmongThePlatformVoices)
{
    // The engine's voices here are the platform's own: applying the user
    // dictionary writes the lexicon and no vendor file, even where a
    // vendor voice folder exists.
    ASSERT_NE(InitQVTTSEngineEx(QVCreateWindow(nullptr), nullptr, nullptr), nullptr);
    ASSERT_EQ(GetQVTTSVoice(0, nullptr, nullptr, nullptr, nullptr, nullptr), 0) << "no voices";
    MessageRecorder messages;
    QTemporaryDir voices;
    ASSERT_TRUE(QDir(voices.path()).mkdir(QStringLiteral("Allison")));
    VocalyneUserDictionary::Entry e;
    e.source = QStringLiteral("tomato");
    e.target = QStringLiteral("t ax m aa 1 t ow");
    e.langName = QStringLiteral("English");
    e.langId = 1033;
    e.partOfSpId = QVTTSPartOfSpeechNoun;
    VocalyneUserDictionary::save({e});

    VocalyneUserDictionary::applyToVoices({}, nullptr, voices.path());
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(MSSAPIAddRemoveWord("tomato", "t ax m aa 1 t ow", 1033, QVTTSPartOfSpeechNoun, 1), 0);
    EXPECT_FALSE(QFile::exists(
        VocalyneVendorLexicons::lexiconPath(voices.path(), QStringLiteral("Allison"))));
}
