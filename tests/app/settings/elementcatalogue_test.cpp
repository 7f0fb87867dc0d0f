// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "scratchsettings.h"
#include "vocalyneelementcatalogue.h"
#include "vocalynesettingskeys.h"

#include <gtest/gtest.h>

namespace {

QString key(const char *name)
{
    return QStringLiteral("SpeechElements/pause/") + QString::fromLatin1(name);
}

} // namespace

TEST(ElementCatalogue, FreshStoreGetsTheShippedPauseType)
{
    ScratchSettings s;
    EXPECT_TRUE(VocalyneElementCatalogue::ensure(*s));
    s.reopen();
    EXPECT_EQ(s->value(key("hasNumberValue")).toInt(), 1);
    EXPECT_EQ(s->value(key("hasTextValue")).toInt(), 0);
    EXPECT_EQ(s->value(key("numberValueMin")).toInt(), 1);
    EXPECT_EQ(s->value(key("numberValueMax")).toInt(), 1000000);
    EXPECT_TRUE(s->value(key("aboutText")).toString().startsWith(
        QStringLiteral("The pause speech element sets a speech pause")));
    EXPECT_TRUE(s->value(key("aboutText_de")).toString().contains(QStringLiteral("eingefügt")));
    const char *templates[] = {"<vtml_pause time=\"%d\"/>", "<break time=\"%sms\"/>",
                               "<break time=\"%sms\"/>", "<silence msec=\"%s\"/>",
                               "[[slnc %s]]"};
    for (int type = 0; type < 5; ++type)
        EXPECT_EQ(VocalyneElementCatalogue::markupTemplate(*s, QStringLiteral("pause"), type),
                  QString::fromLatin1(templates[type]));
    EXPECT_EQ(VocalyneElementCatalogue::types(*s), QStringList{QStringLiteral("pause")});

    EXPECT_FALSE(VocalyneElementCatalogue::ensure(*s));
}

TEST(ElementCatalogue, AnyMissingKeyRewritesTheShippedTypeWholeAndLeavesOtherTypes)
{
    ScratchSettings s;
    VocalyneElementCatalogue::ensure(*s);
    s->setValue(key("speechXML/3"), QStringLiteral("<silence msec=\"%s\"/><!-- mine -->"));
    s->setValue(QStringLiteral("SpeechElements/emphasis/hasTextValue"), 1);
    s->remove(key("numberValueMax"));

    EXPECT_TRUE(VocalyneElementCatalogue::ensure(*s));
    EXPECT_EQ(s->value(key("numberValueMax")).toInt(), 1000000);
    EXPECT_EQ(s->value(key("speechXML/3")).toString(), QStringLiteral("<silence msec=\"%s\"/>"));
    EXPECT_EQ(s->value(QStringLiteral("SpeechElements/emphasis/hasTextValue")).toInt(), 1);

    // A complete catalogue is left alone, changed templates included; the
    // type-4 template alone is not checked.
    s->setValue(key("speechXML/3"), QStringLiteral("<silence msec=\"%s\"/><!-- mine -->"));
    EXPECT_FALSE(VocalyneElementCatalogue::ensure(*s));
    EXPECT_EQ(s->value(key("speechXML/3")).toString(),
              QStringLiteral("<silence msec=\"%s\"/><!-- mine -->"));
    s->remove(key("speechXML/4"));
    EXPECT_FALSE(VocalyneElementCatalogue::ensure(*s));
    EXPECT_FALSE(s->contains(key("speechXML/4")));

    // Forcing restores every shipped value.
    EXPECT_TRUE(VocalyneElementCatalogue::ensure(*s, true));
    EXPECT_EQ(s->value(key("speechXML/3")).toString(), QStringLiteral("<silence msec=\"%s\"/>"));
    EXPECT_EQ(s->value(key("speechXML/4")).toString(), QStringLiteral("[[slnc %s]]"));
    EXPECT_TRUE(s->contains(QStringLiteral("SpeechElements/emphasis/hasTextValue")));
}

TEST(ElementCatalogue, TemplateFillsItsOnePlaceholderWithTheValueAsText)
{
    const auto fill = VocalyneElementCatalogue::fillTemplate;
    EXPECT_EQ(fill(QStringLiteral("<silence msec=\"%s\"/>"), QStringLiteral("500")),
              QStringLiteral("<silence msec=\"500\"/>"));
    EXPECT_EQ(fill(QStringLiteral("<vtml_pause time=\"%d\"/>"), QStringLiteral("20")),
              QStringLiteral("<vtml_pause time=\"20\"/>"));
    // A value that looks like a placeholder is not expanded again, and a
    // literal percent sign is not a placeholder.
    EXPECT_EQ(fill(QStringLiteral("[[x %% %s %s]]"), QStringLiteral("%s")),
              QStringLiteral("[[x %% %s %s]]"));
    EXPECT_EQ(fill(QStringLiteral("<emph/>"), QStringLiteral("9")), QStringLiteral("<emph/>"));
}
