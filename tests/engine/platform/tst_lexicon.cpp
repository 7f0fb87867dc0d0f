// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "voicetesthelpers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

using namespace qvsp;
using namespace voicetest;

namespace {

constexpr uint32_t kPlain = kSpeakAsync | kSpeakIsNotXml;

// Keeps the lexicon of a test in a folder of its own.
class LexiconTest : public ::testing::Test
{
protected:
    void SetUp() override { setenv("XDG_DATA_HOME", m_folder.path().c_str(), 1); }
    std::string storePath() const { return m_folder.path() + "/Halvern/Vocalyne/lexicon.txt"; }

    TemporaryFolder m_folder;
};

TEST_F(LexiconTest, PhoneConvertersFollowTheLanguage)
{
    PhoneConverterPtr english;
    ASSERT_EQ(createPhoneConverter(0x0409, english), kOk);
    std::vector<uint16_t> ids;
    EXPECT_EQ(english->phoneToId("h eh 1 l ow", ids), kOk);
    EXPECT_EQ(ids.size(), 5u);
    EXPECT_EQ(english->phoneToId("h eh 1 l xx", ids), kInvalidArg) << "not an English phone";
    EXPECT_EQ(english->phoneToId("   ", ids), kInvalidArg);
    std::string tooLong;
    for (int i = 0; i < 384; ++i)
        tooLong += "ah ";
    EXPECT_EQ(english->phoneToId(tooLong, ids), kInvalidArg) << "384 would leave no terminator";

    PhoneConverterPtr british;
    EXPECT_EQ(createPhoneConverter(0x0809, british), kOk);
    PhoneConverterPtr german;
    ASSERT_EQ(createPhoneConverter(0x0407, german), kOk);
    EXPECT_EQ(german->phoneToId("pf EH 1 r d ? e@", ids), kOk);
    EXPECT_EQ(ids.size(), 7u) << "multi-letter phones and marks are one identifier each";
    EXPECT_EQ(german->phoneToId("eh", ids), kOk);
    const std::vector<uint16_t> lower = ids;
    EXPECT_EQ(german->phoneToId("EH", ids), kOk);
    EXPECT_NE(ids, lower) << "German phones differ by letter case";
    EXPECT_EQ(german->phoneToId("h [[a", ids), kInvalidArg);
    EXPECT_EQ(german->phoneToId("th", ids), kInvalidArg) << "an English phone";
    PhoneConverterPtr spanish;
    ASSERT_EQ(createPhoneConverter(0x0C0A, spanish), kOk);
    EXPECT_EQ(spanish->phoneToId("rr", ids), kOk);
    EXPECT_EQ(ids.size(), 1u);

    PhoneConverterPtr none;
    EXPECT_EQ(createPhoneConverter(0x0462, none), kNotFound) << "no table for Frisian";
    EXPECT_EQ(createPhoneConverter(0x0413, none), kNotFound) << "nor for Dutch";
}

TEST_F(LexiconTest, PronunciationsAreStoredAndRemovedExactly)
{
    LexiconPtr lexicon;
    ASSERT_EQ(createLexicon(lexicon), kOk);
    PhoneConverterPtr english;
    ASSERT_EQ(createPhoneConverter(0x0409, english), kOk);
    std::vector<uint16_t> ids;
    ASSERT_EQ(english->phoneToId("t ax m aa 1 t ow", ids), kOk);

    EXPECT_EQ(lexicon->removePronunciation(u"tomato", 0x0409, 0x1000, ids), kNotFound);
    EXPECT_EQ(lexicon->addPronunciation(u"tomato", 0x0409, 0x1000, ids), kOk);
    EXPECT_EQ(lexicon->addPronunciation(u"tomato", 0x0409, 0x1000, ids), kOk);
    EXPECT_EQ(lexicon->addPronunciation(u"Ünïcödé wörd", 0x0407, 0x2000, {0x161}), kOk);
    std::ifstream stored(storePath());
    EXPECT_TRUE(stored.good()) << "the lexicon lives in the user's data folder";

    // Another lexicon object (another host) sees the same words.
    LexiconPtr other;
    ASSERT_EQ(createLexicon(other), kOk);
    EXPECT_EQ(other->removePronunciation(u"tomato", 0x0409, 0x2000, ids), kNotFound)
        << "another part of speech is another pronunciation";
    EXPECT_EQ(other->removePronunciation(u"tomato", 0x0409, 0x1000, ids), kOk);
    EXPECT_EQ(other->removePronunciation(u"tomato", 0x0409, 0x1000, ids), kNotFound)
        << "adding twice stored it once";
    EXPECT_EQ(other->removePronunciation(u"Ünïcödé wörd", 0x0407, 0x2000, {0x161}), kOk);

    EXPECT_EQ(lexicon->addPronunciation(u"", 0x0409, 0x1000, ids), kInvalidArg);
    EXPECT_EQ(lexicon->addPronunciation(u"two\tfields", 0x0409, 0x1000, ids), kInvalidArg);
    EXPECT_EQ(lexicon->addPronunciation(u"word", 0x0409, 0x1000, {}), kInvalidArg);
}

TEST_F(LexiconTest, SpokenTextUsesTheLexiconAndKeepsWordPositions)
{
    auto voice = makeVoice("fast-null");
    ASSERT_TRUE(voice);
    const std::u16string text = u"A cat. A Cat.";
    auto before = speakAndCollect(*voice, text, kPlain);
    ASSERT_FALSE(before.empty());

    LexiconPtr lexicon;
    ASSERT_EQ(createLexicon(lexicon), kOk);
    PhoneConverterPtr english;
    ASSERT_EQ(createPhoneConverter(0x0409, english), kOk);
    std::vector<uint16_t> ids;
    ASSERT_EQ(english->phoneToId("h eh 1 l ow w er 1 l d h eh 1 l ow w er 1 l d", ids), kOk);
    ASSERT_EQ(lexicon->addPronunciation(u"cat", 0x0409, 0x1000, ids), kOk);

    auto after = speakAndCollect(*voice, text, kPlain);
    EXPECT_GT(double(after.back().audioStreamOffset), before.back().audioStreamOffset * 1.5)
        << "both cats, the second in capitals, take the long pronunciation";
    EXPECT_EQ(spokenWords(text, after), (std::vector<std::u16string>{u"A", u"cat", u"A", u"Cat"}));

    // A German voice does not use an English pronunciation.
    ASSERT_EQ(voice->setVoice(tokenNamed(u"espeak-ng German")), kOk);
    const auto german = speakAndCollect(*voice, u"cat", kPlain);
    ASSERT_EQ(lexicon->removePronunciation(u"cat", 0x0409, 0x1000, ids), kOk);
    const auto germanAfter = speakAndCollect(*voice, u"cat", kPlain);
    EXPECT_NEAR(double(german.back().audioStreamOffset),
                double(germanAfter.back().audioStreamOffset),
                germanAfter.back().audioStreamOffset * 0.1);
}

} // namespace
