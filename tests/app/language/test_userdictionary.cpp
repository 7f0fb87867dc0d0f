// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "messagerecorder.h"
#include "qvtts.h"
#include "vocalyneuserdictionary.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace {

using Entry = VocalyneUserDictionary::Entry;

Entry entry(const QString &source, const QString &target, bool enabled = true,
            uint16_t language = 1033, const QString &tab = QStringLiteral("English"))
{
    Entry e;
    e.source = source;
    e.target = target;
    e.langName = tab;
    e.langId = language;
    e.partOfSpName = QStringLiteral("Noun");
    e.partOfSpId = QVTTSPartOfSpeechNoun;
    e.isEnabled = enabled;
    return e;
}

int32_t removeWord(const char *word, const char *phonemes, uint32_t language = 1033)
{
    return MSSAPIAddRemoveWord(word, phonemes, language, QVTTSPartOfSpeechNoun, 1);
}

} // namespace

TEST(UserDictionary, IsStoredWholeInNumberedGroups)
{
    QList<Entry> entries{entry(QStringLiteral("Größe"), QStringLiteral("g r oe 1 s e@"), false,
                               1031, QStringLiteral("German")),
                         entry(QStringLiteral("tomato"), QStringLiteral("t ax m aa 1 t ow"))};
    entries[1].partOfSpName = QStringLiteral("Verb");
    entries[1].partOfSpId = QVTTSPartOfSpeechVerb;
    VocalyneUserDictionary::save(entries);
    {
        QSettings settings;
        EXPECT_EQ(settings.value(QStringLiteral("UserDictionary/0/isEnabled")).toString(),
                  QStringLiteral("0"));
        EXPECT_EQ(settings.value(QStringLiteral("UserDictionary/1/langId")).toUInt(), 1033u);
    }
    const QList<Entry> loaded = VocalyneUserDictionary::load();
    ASSERT_EQ(loaded.size(), 2);
    EXPECT_EQ(loaded[0].source, QStringLiteral("Größe"));
    EXPECT_EQ(loaded[0].langName, QStringLiteral("German"));
    EXPECT_EQ(loaded[0].langId, 1031);
    EXPECT_FALSE(loaded[0].isEnabled);
    EXPECT_TRUE(loaded[0].isPhoneme);
    EXPECT_EQ(loaded[1].partOfSpName, QStringLiteral("Verb"));
    EXPECT_EQ(loaded[1].partOfSpId, QVTTSPartOfSpeechVerb);
    EXPECT_EQ(loaded[1].target, QStringLiteral("t ax m aa 1 t ow"));

    // Saving fewer entries leaves none of the old ones behind.
    VocalyneUserDictionary::save({loaded[1]});
    ASSERT_EQ(VocalyneUserDictionary::load().size(), 1);
    EXPECT_FALSE(QSettings().contains(QStringLiteral("UserDictionary/1/source")));
}

TEST(UserDictionary, ApplyingAddsEnabledAndRemovesDisabledAndRemovedEntries)
{
    MessageRecorder messages;
    ASSERT_EQ(MSSAPIAddRemoveWord("potato", "p ax t ey 1 t ow", 1033, QVTTSPartOfSpeechNoun, 0), 0);
    ASSERT_EQ(MSSAPIAddRemoveWord("gone", "g ao n", 1033, QVTTSPartOfSpeechNoun, 0), 0);

    const QList<Entry> stored{
        entry(QStringLiteral("Tomato"), QStringLiteral("t ax m aa 1 t ow ")),
        entry(QStringLiteral("potato"), QStringLiteral("p ax t ey 1 t ow"), false),
        entry(QStringLiteral("bad"), QStringLiteral("b qq d")),
        entry(QStringLiteral("Pferd"), QStringLiteral("pf EH 1 r t"), true, 1031,
              QStringLiteral("German"))};
    const QList<Entry> removed{entry(QStringLiteral("gone"), QStringLiteral("g ao n"))};
    const QMap<uint16_t, QString> texts =
        VocalyneUserDictionary::apply(stored, removed, &MSSAPIAddRemoveWord);

    EXPECT_EQ(removeWord("Tomato", "t ax m aa 1 t ow"), 0) << "enabled entries are added";
    EXPECT_EQ(removeWord("Pferd", "pf EH 1 r t", 1031), 0);
    EXPECT_EQ(removeWord("potato", "p ax t ey 1 t ow"), 4) << "disabled entries are removed";
    EXPECT_EQ(removeWord("gone", "g ao n"), 4) << "removed entries are removed";

    ASSERT_EQ(messages.messages.size(), 1) << "one failing entry does not stop the others";
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(messages.messages[0].text,
              QStringLiteral("Failed to update the lexicon for word bad (error code: 8)."));

    EXPECT_EQ(texts.value(1033), QStringLiteral("tomato 0 t ax m aa 1 t ow \nbad 0 b qq d\n"));
    EXPECT_EQ(texts.value(1031), QStringLiteral("pferd 0 pf EH 1 r t\n"));
}
