// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "scratchsettings.h"
#include "vocalynefirstrundefaults.h"
#include "vocalynesettingskeys.h"
#include "vocalynesettingsvalue.h"

#include <gtest/gtest.h>

namespace K = VocalyneSettingsKeys;

namespace {

const QList<VocalyneInstalledVoice> twoVoices = {
    {QStringLiteral("English (America)"), 3, 7, 0x0409},
    {QStringLiteral("German"), 3, 8, 0x0407},
};

const QList<QLatin1String> seventeenKeys = {
    K::VoiceEngineTypeId, K::VoiceName, K::VoiceId, K::LangId, K::Pitch, K::Speed,
    K::Volume, K::SentPause, K::Highlight, K::IsXml, K::AudioFormatStrToken,
    K::AudioFormatIntToken, K::AudioFormatSamplingRate, K::AudioFormatChannels,
    K::AudioFormatBitRate, K::AudioFormatIsMP3, K::SimulBatchExpProcNum};

int intAt(ScratchSettings &s, QLatin1String key)
{
    return VocalyneSettingsValue::readInt(*s, key, -999);
}

} // namespace

TEST(FirstRunDefaults, FreshProfileGetsAllDefaultsFromTheFirstVoice)
{
    ScratchSettings s;
    const auto result = VocalyneFirstRunDefaults::apply(twoVoices, *s);
    EXPECT_TRUE(result.written);
    EXPECT_FALSE(result.repaired);
    EXPECT_FALSE(result.warningNeeded);
    s.reopen();
    for (QLatin1String key : seventeenKeys)
        EXPECT_TRUE(s->contains(key)) << key.data();
    EXPECT_FALSE(s->contains(K::VoiceOutputFormat));
    EXPECT_EQ(s->value(K::VoiceName).toString(), QStringLiteral("English (America)"));
    EXPECT_EQ(intAt(s, K::VoiceEngineTypeId), 3);
    EXPECT_EQ(intAt(s, K::VoiceId), 7);
    EXPECT_EQ(intAt(s, K::LangId), 0x0409);
    EXPECT_EQ(intAt(s, K::SentPause), 670);
    EXPECT_EQ(intAt(s, K::SimulBatchExpProcNum), 3);
    EXPECT_EQ(s->value(K::AudioFormatStrToken).toString(), QStringLiteral("pcm16"));
    EXPECT_EQ(intAt(s, K::AudioFormatSamplingRate), 16000);
    EXPECT_TRUE(VocalyneFirstRunDefaults::isComplete(*s));

    // The next start finds everything in place and changes nothing.
    s->setValue(K::Speed, 150);
    const auto again = VocalyneFirstRunDefaults::apply(twoVoices, *s);
    EXPECT_FALSE(again.written);
    EXPECT_FALSE(again.repaired);
    EXPECT_EQ(intAt(s, K::Speed), 150);
}

TEST(FirstRunDefaults, VanishedDefaultVoiceIsReplacedAndItsProsodyReset)
{
    ScratchSettings s;
    VocalyneFirstRunDefaults::apply(twoVoices, *s);
    s->setValue(K::VoiceName, QStringLiteral("German"));
    s->setValue(K::VoiceId, 8);
    s->setValue(K::Speed, 180);
    s->setValue(K::Pitch, 70);
    s->setValue(K::Volume, 40);
    s->setValue(K::SentPause, 100);
    s->setValue(K::Highlight, 0);
    s->setValue(K::AudioFormatSamplingRate, 44100);
    s->setValue(K::AudioFormatIsMP3, 0);

    // German is uninstalled.
    const QList<VocalyneInstalledVoice> remaining = {
        {QStringLiteral("French"), 3, 11, 0x040c}, twoVoices.first()};
    const auto result = VocalyneFirstRunDefaults::apply(remaining, *s);
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(result.repaired);
    EXPECT_EQ(s->value(K::VoiceName).toString(), QStringLiteral("French"));
    EXPECT_EQ(intAt(s, K::VoiceId), 11);
    EXPECT_EQ(intAt(s, K::LangId), 0x040c);
    EXPECT_EQ(intAt(s, K::Speed), 100);
    EXPECT_EQ(intAt(s, K::Pitch), 100);
    EXPECT_EQ(intAt(s, K::Volume), 100);
    EXPECT_EQ(intAt(s, K::SentPause), 670);
    EXPECT_EQ(intAt(s, K::Highlight), 1);
    // The export choices are the user's and survive.
    EXPECT_EQ(intAt(s, K::AudioFormatSamplingRate), 44100);
    EXPECT_EQ(intAt(s, K::AudioFormatIsMP3), 0);
}

TEST(FirstRunDefaults, SameNameOfAnotherEngineTypeIsNotTheDefaultVoice)
{
    ScratchSettings s;
    VocalyneFirstRunDefaults::apply(twoVoices, *s);
    s->setValue(K::VoiceEngineTypeId, 4);
    const auto result = VocalyneFirstRunDefaults::apply(twoVoices, *s);
    EXPECT_TRUE(result.repaired);
    EXPECT_EQ(intAt(s, K::VoiceEngineTypeId), 3);
}

TEST(FirstRunDefaults, WithoutVoicesNothingIsWrittenAndTheCallerWarns)
{
    ScratchSettings fresh;
    auto result = VocalyneFirstRunDefaults::apply({}, *fresh);
    EXPECT_TRUE(result.warningNeeded);
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(fresh->allKeys().isEmpty());

    ScratchSettings complete;
    VocalyneFirstRunDefaults::apply(twoVoices, *complete);
    complete->setValue(K::Speed, 130);
    result = VocalyneFirstRunDefaults::apply({}, *complete);
    EXPECT_TRUE(result.warningNeeded);
    EXPECT_FALSE(result.repaired);
    EXPECT_EQ(complete->value(K::VoiceName).toString(), QStringLiteral("English (America)"));
    EXPECT_EQ(intAt(complete, K::Speed), 130);
    EXPECT_EQ(VocalyneFirstRunDefaults::warningText(),
              QStringLiteral("Unable to set the default speech settings from the list of voices."));
}

TEST(FirstRunDefaults, OneMissingKeyDoesNotWipeTheUsersOtherChoices)
{
    ScratchSettings s;
    VocalyneFirstRunDefaults::apply(twoVoices, *s);
    s->setValue(K::VoiceName, QStringLiteral("German"));
    s->setValue(K::VoiceId, 8);
    s->setValue(K::Speed, 140);
    s->remove(K::SimulBatchExpProcNum);

    const auto result = VocalyneFirstRunDefaults::apply(twoVoices, *s);
    EXPECT_TRUE(result.written);
    EXPECT_FALSE(result.repaired);
    EXPECT_EQ(intAt(s, K::SimulBatchExpProcNum), 3);
    EXPECT_EQ(s->value(K::VoiceName).toString(), QStringLiteral("German"));
    EXPECT_EQ(intAt(s, K::Speed), 140);

    // A voice with a key missing is taken whole from the first voice.
    s->remove(K::VoiceId);
    VocalyneFirstRunDefaults::apply(twoVoices, *s);
    EXPECT_EQ(s->value(K::VoiceName).toString(), QStringLiteral("English (America)"));
    EXPECT_EQ(intAt(s, K::VoiceId), 7);
}

TEST(SettingsValue, MissingAndMistypedValues)
{
    ScratchSettings s;
    EXPECT_EQ(VocalyneSettingsValue::readInt(*s, K::VoiceOutputFormat), 18);
    EXPECT_EQ(VocalyneSettingsValue::readInt(*s, K::Speed, -2), -2);
    s->setValue(K::Speed, QStringLiteral("fast"));
    EXPECT_EQ(VocalyneSettingsValue::readInt(*s, K::Speed, -2), 0);
    s->setValue(K::Speed, QStringLiteral("120"));
    EXPECT_EQ(VocalyneSettingsValue::readInt(*s, K::Speed, -2), 120);
    EXPECT_TRUE(VocalyneSettingsValue::readBool(*s, K::FileHistoryRecord));
    s->setValue(K::FileHistoryRecord, 0);
    EXPECT_FALSE(VocalyneSettingsValue::readBool(*s, K::FileHistoryRecord));
    EXPECT_EQ(VocalyneSettingsValue::readText(*s, K::AudioFormatStrToken),
              QStringLiteral("pcm16"));
}
