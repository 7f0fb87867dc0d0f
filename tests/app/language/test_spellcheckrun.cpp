// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynesc.h"
#include "vocalynespellcheckdictionaries.h"
#include "vocalynespellcheckrun.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

class SpellCheckRunTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings().clear();
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    }

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QStringList unknown(const QString &text)
    {
        QStringList words;
        for (const VocalyneMisspelling &entry : VocalyneSpellCheckRun::unknownWords(text))
            words.append(entry.word);
        return words;
    }

    void loadWords(const QByteArray &words)
    {
        ASSERT_TRUE(QVSCLoadDictionary(
            QFile::encodeName(write(QStringLiteral("words.scd"), words)).constData(), false));
    }

    QTemporaryDir dir;
};

TEST_F(SpellCheckRunTest, FindsUnknownWordsOncePerOccurrenceInDocumentOrder)
{
    loadWords("the\ncat\ndon't\nwell\nknown\ncafé\nnaïve\n");
    // Numbers, one-letter words and words the list knows in any case or
    // apostrophe are passed; an apostrophe inside a word keeps it whole,
    // a hyphen splits it.
    EXPECT_EQ(unknown(QStringLiteral("The cat, 1,000 cats; a b 42 x7 DON\u2019T don't.")),
              (QStringList{QStringLiteral("cats"), QStringLiteral("x7")}));
    EXPECT_EQ(
        unknown(QStringLiteral("well-knwon 'quoted' knwon cafe\u0301 na\u00efve")),
        (QStringList{QStringLiteral("knwon"), QStringLiteral("quoted"), QStringLiteral("knwon")}));
    EXPECT_EQ(unknown(QStringLiteral("isn't o'clock")),
              (QStringList{QStringLiteral("isn't"), QStringLiteral("o'clock")}));
    EXPECT_TRUE(unknown(QStringLiteral("1 22 333 a I \u00e9 -- ' 3.14")).isEmpty());

    const QList<VocalyneMisspelling> words =
        VocalyneSpellCheckRun::unknownWords(QStringLiteral("Gr\u00fc\u00dfe DON\u2019TS"));
    ASSERT_EQ(words.size(), 2);
    EXPECT_EQ(words.at(0).key, QByteArray("grüße"));
    EXPECT_EQ(words.at(1).word, QStringLiteral("DON\u2019TS"));
    EXPECT_EQ(words.at(1).key, QByteArray("don'ts"));
}

TEST_F(SpellCheckRunTest, SuggestionsFollowTheCapitalOfTheWord)
{
    loadWords("the\nhouse\nübel\n");
    EXPECT_EQ(VocalyneSpellCheckRun::suggestionsFor({QStringLiteral("Teh"), "teh"}).value(0),
              QStringLiteral("The"));
    EXPECT_EQ(VocalyneSpellCheckRun::suggestionsFor({QStringLiteral("teh"), "teh"}).value(0),
              QStringLiteral("the"));
    EXPECT_EQ(VocalyneSpellCheckRun::suggestionsFor({QStringLiteral("Ubel"), "ubel"}).value(0),
              QStringLiteral("Übel"));
    EXPECT_TRUE(VocalyneSpellCheckRun::suggestionsFor({QStringLiteral("Qqqqqqqqq"), "qqqqqqqqq"})
                    .isEmpty());
}

TEST_F(SpellCheckRunTest, FirstRunListsEnglishAsDefaultAndGermanSwitchedOff)
{
    QSettings settings;
    EXPECT_TRUE(VocalyneSpellCheckDictionaries::writeFirstRunDefaults(settings, dir.path()));
    const QList<VocalyneSpellCheckDictionary> list = VocalyneSpellCheckDictionaries::read(settings);
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list.at(0).name, QStringLiteral("English (U.S. and U.K.)"));
    EXPECT_EQ(list.at(0).path, dir.path() + QStringLiteral("/English-USUK.scd"));
    EXPECT_TRUE(list.at(0).enabled && list.at(0).isDefault);
    EXPECT_EQ(list.at(1).path, dir.path() + QStringLiteral("/German.scd"));
    EXPECT_FALSE(list.at(1).enabled || list.at(1).isDefault);
    EXPECT_EQ(settings.value(QStringLiteral("SpellCheckDictionaries/0/isEnabled")).toInt(), 1);

    // A list of the user's own is never replaced.
    VocalyneSpellCheckDictionaries::write(
        settings, {{QStringLiteral("Mine"), QStringLiteral("/x"), true, true}});
    EXPECT_FALSE(VocalyneSpellCheckDictionaries::writeFirstRunDefaults(settings, dir.path()));
    EXPECT_EQ(VocalyneSpellCheckDictionaries::read(settings).size(), 1);
}

TEST_F(SpellCheckRunTest, LoadsEnabledDictionariesAndReportsEachFailure)
{
    const QString first = write(QStringLiteral("a.scd"), "alpha\n");
    const QString second = write(QStringLiteral("b.scd"), "beta\n");
    const QString off = write(QStringLiteral("c.scd"), "gamma\n");
    QSettings settings;
    VocalyneSpellCheckDictionaries::write(
        settings, {{QStringLiteral("Gone"), dir.filePath(QStringLiteral("gone.scd")), true, false},
                   {QStringLiteral("A"), first, true, true},
                   {QStringLiteral("Off"), off, false, false},
                   {QStringLiteral("B"), second, true, false}});
    QVSCInsertWordToTree("stale");

    const QList<VocalyneSpellCheckDictionary> failures =
        VocalyneSpellCheckDictionaries::loadEnabled(settings);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_EQ(VocalyneSpellCheckDictionaries::loadFailureText(failures.at(0)),
              QStringLiteral("The spell checker dictionary 'Gone' (path: '%1') cannot be "
                             "loaded.\nPlease make sure that the file exists.")
                  .arg(dir.filePath(QStringLiteral("gone.scd"))));
    EXPECT_TRUE(QVSCIsWordKnown("alpha"));
    EXPECT_TRUE(QVSCIsWordKnown("beta"));
    EXPECT_FALSE(QVSCIsWordKnown("gamma"));
    EXPECT_FALSE(QVSCIsWordKnown("stale"));
}

TEST_F(SpellCheckRunTest, AddedWordsGoToTheUsersCopyOfAShippedDictionary)
{
    // The "program folder" holds a shipped dictionary whose last line has
    // no line end.
    QTemporaryDir program;
    const QString shipped = program.filePath(QStringLiteral("English-USUK.scd"));
    {
        QFile file(shipped);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("apple\nbanana");
    }
    QFile::setPermissions(shipped, QFileDevice::ReadOwner | QFileDevice::ReadOther);
    QSettings settings;
    VocalyneSpellCheckDictionaries::write(
        settings, {{QStringLiteral("Other"), dir.filePath(QStringLiteral("x.scd")), true, false},
                   {QStringLiteral("English"), shipped, true, true}});

    QString path, error;
    ASSERT_TRUE(VocalyneSpellCheckDictionaries::appendWordToDefault(
        settings, QStringLiteral("Zürich"), program.path(), &path, &error));
    const QString copy = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                         QStringLiteral("/English-USUK.scd");
    EXPECT_EQ(read(copy), QByteArray("apple\nbanana\nzürich\n"));
    EXPECT_EQ(read(shipped), QByteArray("apple\nbanana"));
    EXPECT_EQ(VocalyneSpellCheckDictionaries::read(settings).at(1).path, copy);
    EXPECT_EQ(VocalyneSpellCheckDictionaries::read(settings).at(0).name, QStringLiteral("Other"));

    // The copy is kept with its words when the settings point at the
    // shipped file again (a reset list); later words are appended to it.
    VocalyneSpellCheckDictionaries::write(settings,
                                          {{QStringLiteral("English"), shipped, true, true}});
    ASSERT_TRUE(VocalyneSpellCheckDictionaries::appendWordToDefault(
        settings, QStringLiteral("Bern"), program.path(), &path, &error));
    EXPECT_EQ(read(copy), QByteArray("apple\nbanana\nzürich\nbern\n"));

    // A default dictionary that cannot be written says which file and why.
    VocalyneSpellCheckDictionaries::write(settings,
                                          {{QStringLiteral("Folder"), dir.path(), true, true}});
    EXPECT_FALSE(VocalyneSpellCheckDictionaries::appendWordToDefault(
        settings, QStringLiteral("word"), program.path(), &path, &error));
    EXPECT_EQ(path, dir.path());
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
