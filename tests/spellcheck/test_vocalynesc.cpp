// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynesc.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const std::string shippedDir = VOCALYNESC_SHIPPED_DIR;
const std::string english = shippedDir + "/English-USUK.scd";
const std::string german = shippedDir + "/German.scd";

class VocalyneSCTest : public ::testing::Test
{
protected:
    std::string write(const char *name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(QString::fromUtf8(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return QFile::encodeName(path).toStdString();
    }

    static bool known(const char *word) { return QVSCIsWordKnown(word); }

    static std::vector<std::string> suggestions(const char *word)
    {
        std::vector<std::string> result;
        EXPECT_FALSE(QVSCCheckWord(word, result)) << word;
        return result;
    }

    /// True when expected is among the first `within` suggestions for typo.
    static ::testing::AssertionResult suggests(const char *typo, const char *expected,
                                               std::size_t within = 5)
    {
        const std::vector<std::string> list = suggestions(typo);
        const auto end = list.begin() + std::min(within, list.size());
        if (std::find(list.begin(), end, expected) != end)
            return ::testing::AssertionSuccess();
        std::string shown;
        for (const std::string &s : list)
            shown += s + ", ";
        return ::testing::AssertionFailure() << typo << " -> " << shown << "expected " << expected;
    }

    QTemporaryDir dir;
};

TEST_F(VocalyneSCTest, LoadStartsAnewOrAppends)
{
    const std::string first = write("first.scd", "alpha\nbeta\n");
    const std::string second = write("second.scd", "gamma\n");

    ASSERT_TRUE(QVSCLoadDictionary(first.c_str(), false));
    EXPECT_TRUE(known("alpha"));
    EXPECT_FALSE(known("gamma"));
    EXPECT_EQ(QVSCWordCount(), 2u);

    ASSERT_TRUE(QVSCLoadDictionary(second.c_str(), true));
    EXPECT_TRUE(known("alpha"));
    EXPECT_TRUE(known("gamma"));

    ASSERT_TRUE(QVSCLoadDictionary(second.c_str(), false));
    EXPECT_FALSE(known("alpha"));
    EXPECT_TRUE(known("gamma"));

    // A file that cannot be read is a failure, and a fresh start stays fresh.
    EXPECT_FALSE(QVSCLoadDictionary((first + ".missing").c_str(), false));
    EXPECT_FALSE(known("gamma"));
    EXPECT_FALSE(QVSCLoadDictionary(dir.path().toUtf8().constData(), true));
    EXPECT_FALSE(QVSCLoadDictionary(nullptr, false));
    EXPECT_EQ(QVSCWordCount(), 0u);

    // An empty file is an empty list, not an error.
    EXPECT_TRUE(QVSCLoadDictionary(write("empty.scd", "").c_str(), false));
}

TEST_F(VocalyneSCTest, LinesBecomeLowerCaseWordsWhateverTheirForm)
{
    // Byte order mark, Windows line ends, blanks, capitals, a last line
    // without its line end, a Latin-1 line and a decomposed accent.
    const QByteArray bytes = "\xEF\xBB\xBF"
                             "London\r\n\r\n  Zürich  \nSTRASSE\ncaf\xE9\nnaïve\n"
                             "re\xCC\x81sume\xCC\x81\nwasn't\nlast";
    ASSERT_TRUE(QVSCLoadDictionary(write("forms.scd", bytes).c_str(), false));
    EXPECT_EQ(QVSCWordCount(), 8u);
    for (const char *word :
         {"london", "zürich", "strasse", "café", "naïve", "résumé", "wasn't", "last"})
        EXPECT_TRUE(known(word)) << word;
    // Callers' words are matched the same way: capitals, a typographic
    // apostrophe, a decomposed accent.
    EXPECT_TRUE(known("Zürich"));
    EXPECT_TRUE(known("wasn\xE2\x80\x99t"));
    EXPECT_TRUE(known("cafe\xCC\x81"));
    EXPECT_FALSE(known("lon"));
    EXPECT_TRUE(known(""));
    EXPECT_TRUE(known(nullptr));
}

TEST_F(VocalyneSCTest, KnownWordLeavesSuggestionsAloneUnknownWordReplacesThem)
{
    ASSERT_TRUE(QVSCLoadDictionary(write("small.scd", "house\nmouse\nhorse\n").c_str(), false));
    std::vector<std::string> list = {"stale"};
    EXPECT_TRUE(QVSCCheckWord("house", list));
    EXPECT_EQ(list, std::vector<std::string>{"stale"});

    EXPECT_FALSE(QVSCCheckWord("hovse", list));
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(std::count(list.begin(), list.end(), "stale"), 0);
    EXPECT_EQ(std::count(list.begin(), list.end(), "house"), 1);
    EXPECT_EQ(std::count(list.begin(), list.end(), "horse"), 1);

    EXPECT_FALSE(QVSCCheckWord("qqqqqqqqqqqqqqqqqqqqq", list));
    EXPECT_TRUE(list.empty());
}

TEST_F(VocalyneSCTest, InsertedWordsStayKnownUntilTheListStartsAnew)
{
    const std::string path = write("base.scd", "speech\n");
    ASSERT_TRUE(QVSCLoadDictionary(path.c_str(), false));
    EXPECT_FALSE(known("vocalyne"));
    QVSCInsertWordToTree("vocalyne");
    QVSCInsertWordToTree("Überzug");
    EXPECT_TRUE(known("vocalyne"));
    EXPECT_TRUE(known("überzug"));
    // The inserted word is offered as a correction too.
    EXPECT_TRUE(suggests("vocalyen", "vocalyne"));

    // Appending a file keeps it; nothing was written to the file.
    ASSERT_TRUE(QVSCLoadDictionary(write("more.scd", "voice\n").c_str(), true));
    EXPECT_TRUE(known("vocalyne"));
    ASSERT_TRUE(QVSCLoadDictionary(path.c_str(), false));
    EXPECT_FALSE(known("vocalyne"));
    QVSCInsertWordToTree(nullptr);
    QVSCInsertWordToTree("");
    EXPECT_EQ(QVSCWordCount(), 1u);
}

TEST_F(VocalyneSCTest, ShippedEnglishDictionaryCorrectsCommonTypos)
{
    ASSERT_TRUE(QVSCLoadDictionary(english.c_str(), false));
    EXPECT_GT(QVSCWordCount(), 100000u);
    // American and British spellings, possessives and contractions.
    for (const char *word : {"the", "color", "colour", "organize", "organise", "harbour", "don't",
                             "children's", "café", "fishmongers"})
        EXPECT_TRUE(known(word)) << word;
    for (const char *word : {"teh", "recieve", "definately"})
        EXPECT_FALSE(known(word)) << word;

    EXPECT_TRUE(suggests("teh", "the", 1));
    EXPECT_TRUE(suggests("recieve", "receive"));
    EXPECT_TRUE(suggests("definately", "definitely"));
    EXPECT_TRUE(suggests("accomodate", "accommodate"));
    EXPECT_TRUE(suggests("seperate", "separate"));
    EXPECT_TRUE(suggests("wich", "which"));
    EXPECT_TRUE(suggests("dont", "don't", 1));
    EXPECT_TRUE(suggests("libary", "library"));
    EXPECT_TRUE(suggests("leter", "letter", 1));
    EXPECT_TRUE(suggests("occassion", "occasion", 1));
    // Beyond single slips: the n-gram comparison with the whole list.
    EXPECT_TRUE(suggests("acomodashun", "accommodation"));
    // A missing accent or apostrophe is the nearest miss.
    EXPECT_TRUE(suggests("cafe", "café", 1));
    EXPECT_TRUE(suggests("wouldnt", "wouldn't", 1));
}

TEST_F(VocalyneSCTest, ShippedGermanDictionaryAppendsToEnglish)
{
    ASSERT_TRUE(QVSCLoadDictionary(english.c_str(), false));
    EXPECT_FALSE(known("straße"));
    ASSERT_TRUE(QVSCLoadDictionary(german.c_str(), true));
    for (const char *word : {"straße", "größe", "übermorgen", "the", "Mädchen"})
        EXPECT_TRUE(known(word)) << word;
    EXPECT_TRUE(suggests("strasse", "straße", 1));
    EXPECT_TRUE(suggests("grösse", "größe"));
    EXPECT_TRUE(suggests("maedchen", "mädchen"));
    EXPECT_TRUE(suggests("fahrad", "fahrrad"));
}

} // namespace
