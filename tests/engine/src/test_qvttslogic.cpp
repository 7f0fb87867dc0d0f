// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
// The engine's rules that need no synthesis: language identifiers, prosody
// mapping, slot table, result mapping, text conversion and the
// voice lists.
#include "qvttsinstalledvoices.h"
#include "qvttslanguage.h"
#include "qvttsprosody.h"
#include "qvttsresultmap.h"
#include "qvttsslottable.h"
#include "qvttstext.h"
#include "qvttsvoicecatalogue.h"
#include "qvttsvoicedescription.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <map>

namespace {

using Values = std::map<std::u16string, std::u16string>;

// A voice token with fixed values, standing for an installed voice whose
// descriptions the test chooses.
class TokenWithValues : public qvsp::VoiceToken
{
public:
    explicit TokenWithValues(Values values, qvsp::HResult otherFailure = qvsp::kOk)
        : m_values(std::move(values)), m_otherFailure(otherFailure)
    {
    }
    std::string id() const override { return "test"; }
    qvsp::HResult getStringValue(const std::u16string &name, std::u16string &out) const override
    {
        if (m_otherFailure != qvsp::kOk)
            return m_otherFailure;
        auto it = m_values.find(name);
        if (it == m_values.end())
            return qvsp::kNotFound;
        out = it->second;
        return qvsp::kOk;
    }

private:
    Values m_values;
    qvsp::HResult m_otherFailure;
};

} // namespace

TEST(QVTTSLanguageTest, BuildsAndSplitsIdentifiers)
{
    EXPECT_EQ(QVTTSLanguage::make(0x09, 0x01), 0x0409);
    EXPECT_EQ(QVTTSLanguage::primary(0x0409), 0x09);
    EXPECT_EQ(QVTTSLanguage::sub(0x0409), 1);
    // Bits beyond 16 are cut, not carried into the primary language.
    EXPECT_EQ(QVTTSLanguage::make(0x3FF, 0x7F), 0xFFFF);
    EXPECT_EQ(QVTTSLanguage::sub(0xFFFF), 0x3F);
    EXPECT_EQ(QVTTSLanguage::primary(0xFFFF), 0x3FF);

    EXPECT_EQ(QVTTSLanguage::valueName(0x0409), u"409");
    EXPECT_EQ(QVTTSLanguage::valueName(0x0C0A), u"C0A");
    EXPECT_EQ(QVTTSLanguage::valueName(0), u"0");
    EXPECT_EQ(QVTTSLanguage::valueName(0xFFFF), u"FFFF");
}

TEST(QVTTSProsodyTest, PercentagesBecomeWholeToneStepsTruncatedTowardZero)
{
    const std::pair<int, long> worked[] = {{30, -10}, {50, -6}, {70, -3}, {100, 0},
                                           {150, 3},  {200, 6}, {300, 9}, {350, 10},
                                           {99, 0},   {112, 0}, {113, 1}};
    for (const auto &[percent, steps] : worked)
        EXPECT_EQ(QVTTSProsody::percentToSteps(percent), steps) << percent;
    // No logarithm for these: the lowest step instead of undefined behaviour.
    EXPECT_EQ(QVTTSProsody::percentToSteps(0), -10);
    EXPECT_EQ(QVTTSProsody::percentToSteps(-50), -10);
}

TEST(QVTTSProsodyTest, PitchPrefixAndSpeakFlags)
{
    EXPECT_EQ(QVTTSProsody::pitchPrefix(0), "<pitch middle = '0'/>");
    EXPECT_EQ(QVTTSProsody::pitchPrefix(6), "<pitch middle = '6'/>");
    EXPECT_EQ(QVTTSProsody::pitchPrefix(-3), "<pitch middle = '-3'/>");

    EXPECT_EQ(QVTTSProsody::speakFlags(0, false), 17u);
    EXPECT_EQ(QVTTSProsody::speakFlags(0, true), 81u);
    EXPECT_EQ(QVTTSProsody::speakFlags(1, false), 9u);
    EXPECT_EQ(QVTTSProsody::speakFlags(1, true), 73u);
    // Only 1 means markup; -1, 2 and anything else are plain text.
    EXPECT_EQ(QVTTSProsody::speakFlags(-1, false), 17u);
    EXPECT_EQ(QVTTSProsody::speakFlags(2, false), 17u);
}

TEST(QVTTSSlotTableTest, EighteenEmptySlotsThenForeignFamiliesThenPlatform)
{
    const InitQVTTSEngineReturnValueEx table = QVTTSSlotTable::make(QVTTSInitNoNotifications);
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(table.engineTypes[i], 0) << i;
    EXPECT_EQ(table.engineTypes[18], 1);
    EXPECT_EQ(table.engineTypes[19], 2);
    EXPECT_EQ(table.engineTypes[20], 4);
    EXPECT_EQ(table.engineTypes[21], 3);
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(table.results[i], 9) << i;
    EXPECT_EQ(table.results[21], 33);

    QVTTSVoiceEngineType types[QVTTS_ENGINE_SLOTS] = {};
    InitQVTTSEngineReturnValue results[QVTTS_ENGINE_SLOTS] = {};
    QVTTSSlotTable::copyOut(QVTTSSlotTable::make(QVTTSInitReady), types, results);
    EXPECT_EQ(types[20], 4);
    EXPECT_EQ(results[20], 9);
    EXPECT_EQ(results[21], 0);
    QVTTSSlotTable::copyOut(table, nullptr, nullptr); // skipped, no crash
}

TEST(QVTTSResultMapTest, PlatformFailuresBecomeInterfaceResults)
{
    EXPECT_EQ(QVTTSResultMap::speakQueueFailure(qvsp::kDeviceBusy), 15);
    EXPECT_EQ(QVTTSResultMap::speakQueueFailure(qvsp::kPointer), 9);
    EXPECT_EQ(QVTTSResultMap::speakQueueFailure(qvsp::kInvalidFlags), 8);
    EXPECT_EQ(QVTTSResultMap::speakQueueFailure(qvsp::kOutOfMemory), 22);
    EXPECT_EQ(QVTTSResultMap::speakQueueFailure(qvsp::kInvalidArg), 21);
    EXPECT_EQ(QVTTSResultMap::speakQueueFailure(qvsp::kFail), 7);
    EXPECT_EQ(QVTTSResultMap::speakQueueFailure(qvsp::kUnsupportedFormat), 7);

    EXPECT_EQ(QVTTSResultMap::stop(qvsp::kOk), 0);
    EXPECT_EQ(QVTTSResultMap::stop(qvsp::kFalse), 0);
    EXPECT_EQ(QVTTSResultMap::stop(qvsp::kPointer), 1);
    EXPECT_EQ(QVTTSResultMap::stop(qvsp::kInvalidArg), 2);
    EXPECT_EQ(QVTTSResultMap::stop(qvsp::kOutOfMemory), 3);
    EXPECT_EQ(QVTTSResultMap::stop(qvsp::kInvalidFlags), 4);
    EXPECT_EQ(QVTTSResultMap::stop(qvsp::kDeviceBusy), 5);
    EXPECT_EQ(QVTTSResultMap::stop(qvsp::kFail), 6);
}

TEST(QVTTSTextTest, Utf8ToUtf16AndBack)
{
    // "é" is one UTF-16 unit, "中" one, "😀" two: positions count units.
    const std::string text = "caf\xC3\xA9 \xE4\xB8\xAD \xF0\x9F\x98\x80!";
    const std::u16string wide = QVTTSText::fromUtf8(text);
    EXPECT_EQ(wide, u"café 中 😀!");
    EXPECT_EQ(wide.size(), 10u);
    EXPECT_EQ(QVTTSText::toUtf8(wide), text);
}

TEST(QVTTSTextTest, MalformedInputCostsOneCharacterPerBadByte)
{
    // Stray continuation, overlong slash, encoded surrogate, truncated tail.
    EXPECT_EQ(QVTTSText::fromUtf8(std::string("a\x80"
                                              "b")),
              u"a\uFFFDb");
    EXPECT_EQ(QVTTSText::fromUtf8(std::string("\xC0\xAF"
                                              "x")),
              u"\uFFFD\uFFFDx");
    EXPECT_EQ(QVTTSText::fromUtf8(std::string("\xED\xA0\x80")), u"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(QVTTSText::fromUtf8(std::string("ok\xE4\xB8")), u"ok\uFFFD\uFFFD");
    // Nothing is read past the given length.
    EXPECT_EQ(QVTTSText::fromUtf8("ab\xE4\xB8\xAD", 3), u"ab\uFFFD");
    EXPECT_EQ(QVTTSText::toUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
}

TEST(QVTTSVoiceDescriptionTest, LanguageValueFirstDefaultOnlyWhenMissing)
{
    std::string description;
    TokenWithValues both(Values{{u"409", u"English Voice"}, {u"", u"Default Voice"}});
    ASSERT_TRUE(QVTTSVoiceDescription::read(both, 0x0409, description));
    EXPECT_EQ(description, "English Voice");
    ASSERT_TRUE(QVTTSVoiceDescription::read(both, 0x0407, description));
    EXPECT_EQ(description, "Default Voice");

    TokenWithValues accented(Values{{u"", u"Zoë"}});
    ASSERT_TRUE(QVTTSVoiceDescription::read(accented, 0x0409, description));
    EXPECT_EQ(description, "Zo\xC3\xAB");

    // A failure other than a missing value does not fall back.
    TokenWithValues broken(Values{{u"", u"Default"}}, qvsp::kFail);
    EXPECT_FALSE(QVTTSVoiceDescription::read(broken, 0x0409, description));
    TokenWithValues empty(Values{});
    EXPECT_FALSE(QVTTSVoiceDescription::read(empty, 0x0409, description));
}

TEST(QVTTSVoiceCatalogueTest, ListsReadableVoicesAndRefusesOutsideIndexes)
{
    const std::vector<qvsp::VoiceTokenPtr> tokens = {
        std::make_shared<TokenWithValues>(Values{{u"", u"Alpha"}}),
        std::make_shared<TokenWithValues>(Values{}),
        std::make_shared<TokenWithValues>(Values{{u"", u"Beta voice"}}),
    };
    QVTTSVoiceCatalogue catalogue;
    EXPECT_EQ(catalogue.append(tokens, 0x0409), 2u);
    ASSERT_EQ(catalogue.size(), 2u);

    QVTTSVoiceEngineType type = QVTTSEngineNone;
    char name[64];
    int32_t length = 0, attribute = 0;
    uint16_t language = 7;
    ASSERT_TRUE(catalogue.copyOut(1, &type, name, &length, &attribute, &language));
    EXPECT_EQ(type, 3);
    EXPECT_STREQ(name, "Beta voice");
    EXPECT_EQ(length, 10);
    EXPECT_EQ(attribute, -1);
    EXPECT_EQ(language, 0);

    std::memset(name, 'x', sizeof name);
    length = 99;
    EXPECT_FALSE(catalogue.copyOut(2, &type, name, &length, &attribute, &language));
    EXPECT_FALSE(catalogue.copyOut(-1, &type, name, &length, &attribute, &language));
    EXPECT_EQ(name[0], 'x');
    EXPECT_EQ(length, 99);

    // A second initialisation appends rather than replaces.
    catalogue.append(tokens, 0x0409);
    EXPECT_EQ(catalogue.size(), 4u);
    EXPECT_STREQ(catalogue.at(2)->name, "Alpha");
    catalogue.clear();
    EXPECT_EQ(catalogue.size(), 0u);
}

TEST(QVTTSInstalledVoicesTest, CallerFirstNodeThenLibraryNodesFreedByCount)
{
    std::vector<qvsp::VoiceTokenPtr> tokens;
    for (const char16_t *name : {u"One", u"Two", u"Three"})
        tokens.push_back(std::make_shared<TokenWithValues>(Values{{u"", name}}));

    auto *first =
        static_cast<QVTTSVoiceInfoCollection *>(std::malloc(sizeof(QVTTSVoiceInfoCollection)));
    std::memset(first, 0xAB, sizeof *first);
    const uint32_t count = QVTTSInstalledVoices::fill(first, tokens, 0x0409);
    ASSERT_EQ(count, 3u);
    const QVTTSVoiceInfoCollection *node = first;
    for (const char *expected : {"One", "Two", "Three"}) {
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->info->engineType, 3);
        EXPECT_STREQ(node->info->name, expected);
        EXPECT_EQ(node->info->attribute, -1);
        node = node->next;
    }
    EXPECT_EQ(node, nullptr);
    QVTTSInstalledVoices::clean(first, count); // the sanitizer build checks the frees

    // No voices: only the caller's node is freed, its info never touched.
    auto *lonely =
        static_cast<QVTTSVoiceInfoCollection *>(std::malloc(sizeof(QVTTSVoiceInfoCollection)));
    lonely->info = reinterpret_cast<QVTTSVoiceInfo *>(0x1);
    EXPECT_EQ(QVTTSInstalledVoices::fill(lonely, {}, 0x0409), 0u);
    EXPECT_EQ(lonely->info, reinterpret_cast<QVTTSVoiceInfo *>(0x1));
    QVTTSInstalledVoices::clean(lonely, 0);
}
