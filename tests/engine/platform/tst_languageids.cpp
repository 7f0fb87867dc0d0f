// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "languageids.h"
#include "phonetable.h"
#include "speechplatform.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace qvsp;

namespace {

struct LocaleEnvironment
{
    LocaleEnvironment(const char *all, const char *messages, const char *lang)
    {
        set("LC_ALL", all);
        set("LC_MESSAGES", messages);
        set("LANG", lang);
    }
    static void set(const char *name, const char *value)
    {
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
};

TEST(LanguageIdsTest, LocaleEnvironmentGivesTheInterfaceLanguage)
{
    LocaleEnvironment(nullptr, nullptr, "en_US.UTF-8");
    EXPECT_EQ(userInterfaceLanguage(), 0x0409);
    LocaleEnvironment(nullptr, nullptr, "de_DE");
    EXPECT_EQ(userInterfaceLanguage(), 0x0407);
    LocaleEnvironment(nullptr, "fr_CA.UTF-8", "de_DE.UTF-8");
    EXPECT_EQ(userInterfaceLanguage(), 0x0C0C) << "LC_MESSAGES outranks LANG";
    LocaleEnvironment("pt_BR.UTF-8", "fr_FR", "de_DE");
    EXPECT_EQ(userInterfaceLanguage(), 0x0416) << "LC_ALL outranks everything";
    LocaleEnvironment("", "", "de_AT.ISO-8859-15@euro");
    EXPECT_EQ(userInterfaceLanguage(), 0x0C07) << "empty variables are skipped";
    LocaleEnvironment(nullptr, nullptr, "C");
    EXPECT_EQ(userInterfaceLanguage(), 0x0409);
    LocaleEnvironment(nullptr, nullptr, "C.UTF-8");
    EXPECT_EQ(userInterfaceLanguage(), 0x0409);
    LocaleEnvironment(nullptr, nullptr, "POSIX");
    EXPECT_EQ(userInterfaceLanguage(), 0x0409);
    LocaleEnvironment(nullptr, nullptr, nullptr);
    EXPECT_EQ(userInterfaceLanguage(), 0x0409);
    LocaleEnvironment(nullptr, nullptr, "xx_YY.UTF-8");
    EXPECT_EQ(userInterfaceLanguage(), 0x0409) << "an unknown language falls back to English";
}

TEST(LanguageIdsTest, VoiceLanguageTagsMapToIdentifiers)
{
    EXPECT_EQ(LanguageIds::fromTag("en-us"), 0x0409);
    EXPECT_EQ(LanguageIds::fromTag("en-gb-x-rp"), 0x0809) << "longest known prefix wins";
    EXPECT_EQ(LanguageIds::fromTag("en-gb-scotland"), 0x0809);
    EXPECT_EQ(LanguageIds::fromTag("es-419"), 0x580A);
    EXPECT_EQ(LanguageIds::fromTag("el"), 0x0408);
    EXPECT_EQ(LanguageIds::fromTag("ru"), 0x0419);
    EXPECT_EQ(LanguageIds::fromTag("cmn"), 0x0804);
    EXPECT_EQ(LanguageIds::fromTag("vi-vn-x-central"), 0x042A);
    EXPECT_EQ(LanguageIds::fromTag("qya"), 0) << "no identifier for an invented language";

    EXPECT_EQ(LanguageIds::hexName(0x0409), "409");
    EXPECT_EQ(LanguageIds::hexName(0x0C0C), "C0C");
    EXPECT_EQ(LanguageIds::hexName(0x580A), "580A");
    EXPECT_EQ(LanguageIds::hexName(0), "0");
}

TEST(PhoneTableTest, MarkupPhonesBecomeEspeakMnemonicsWithStressBeforeTheVowel)
{
    EXPECT_EQ(PhoneTable::markupToEspeak(u"h eh 1 l ow"), "h'EloU");
    EXPECT_EQ(PhoneTable::markupToEspeak(u"T AH 2 M EY 1 T OW"), "t,Vm'eItoU");
    EXPECT_EQ(PhoneTable::markupToEspeak(u"  "), "");
    // Not the markup's phone set: passed on, minus what would close the block.
    EXPECT_EQ(PhoneTable::markupToEspeak(u"h@l'oU]]x"), "h@l'oUx");
}

} // namespace
