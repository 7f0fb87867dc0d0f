// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "voicetesthelpers.h"

#include <gtest/gtest.h>

#include <set>

using namespace qvsp;
using namespace voicetest;

namespace {

TEST(VoiceCatalogueTest, EveryVoiceHasAUniqueStableDescription)
{
    std::vector<VoiceTokenPtr> tokens;
    ASSERT_EQ(enumerateVoiceTokens(tokens), kOk);
    ASSERT_GE(tokens.size(), 100u);
    std::set<std::u16string> descriptions;
    std::set<std::string> ids;
    for (const auto &token : tokens) {
        const std::u16string text = description(token);
        EXPECT_FALSE(text.empty());
        EXPECT_TRUE(descriptions.insert(text).second) << "two voices read the same";
        EXPECT_TRUE(ids.insert(token->id()).second);
    }
    std::vector<VoiceTokenPtr> again;
    ASSERT_EQ(enumerateVoiceTokens(again), kOk);
    ASSERT_EQ(again.size(), tokens.size());
    for (size_t i = 0; i < tokens.size(); ++i)
        EXPECT_EQ(again[i]->id(), tokens[i]->id()) << "the order is the same every time";
    EXPECT_TRUE(tokenNamed(u"espeak-ng English (America)"));
}

TEST(VoiceCatalogueTest, DescriptionIsReadUnderTheLanguageIdentifierOrAsDefault)
{
    const VoiceTokenPtr american = tokenNamed(u"espeak-ng English (America)");
    const VoiceTokenPtr german = tokenNamed(u"espeak-ng German");
    ASSERT_TRUE(american);
    ASSERT_TRUE(german);
    std::u16string value;
    EXPECT_EQ(american->getStringValue(u"409", value), kOk);
    EXPECT_EQ(value, u"espeak-ng English (America)");
    EXPECT_EQ(german->getStringValue(u"407", value), kOk);
    EXPECT_EQ(value, u"espeak-ng German");
    // A value that is missing is told apart from other failures: the
    // engine falls back to the default value on exactly this result.
    EXPECT_EQ(german->getStringValue(u"409", value), kNotFound);
    EXPECT_EQ(german->getStringValue(u"Language", value), kOk);
    EXPECT_EQ(value, u"407");
    EXPECT_EQ(german->getStringValue(u"EspeakLanguage", value), kOk);
    EXPECT_EQ(value, u"de");
}

TEST(AudioFormatTest, PcmFormatsAreTakenCompressedOnesRefused)
{
    HResult hr = kFail;
    const AudioOutputPtr output = createDefaultAudioOutput(&hr);
    ASSERT_EQ(hr, kOk);
    ASSERT_TRUE(output);
    EXPECT_EQ(output->format(), 22) << "22050 Hz 16-bit mono until a host says otherwise";
    for (int number = 4; number <= 39; ++number)
        EXPECT_EQ(output->setFormat(number), kOk) << number;
    EXPECT_EQ(output->format(), 39);
    for (int number = 40; number <= 68; ++number) // TrueSpeech, A-law, u-law, ADPCM, GSM
        EXPECT_EQ(output->setFormat(number), kUnsupportedFormat) << number;
    EXPECT_EQ(output->setFormat(-1), kUnsupportedFormat);
    EXPECT_EQ(output->setFormat(69), kUnsupportedFormat);
    EXPECT_EQ(output->format(), 39) << "a refused format leaves the output as it was";
}

} // namespace
