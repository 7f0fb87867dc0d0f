// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "scratchsettings.h"
#include "vocalynerecentfiles.h"
#include "vocalynesettingskeys.h"
#include "vocalynesettingslist.h"

#include <gtest/gtest.h>

namespace K = VocalyneSettingsKeys;

namespace {

QStringList names(const QList<VocalyneSettingsList::Item> &items)
{
    QStringList result;
    for (const auto &item : items)
        result.append(item.name);
    return result;
}

QString recentKey(int i)
{
    return K::listItemKey(K::RecentFilesGroup, i, K::RecentFilePath);
}

} // namespace

TEST(SettingsList, RewrittenWholeAndReadInEitherOrder)
{
    ScratchSettings s;
    const QLatin1String group = K::UserDictionaryGroup;
    QList<QVariantMap> items;
    for (int i = 0; i < 12; ++i)
        items.append({{QStringLiteral("source"), QStringLiteral("w%1").arg(i)},
                      {QStringLiteral("isEnabled"), i % 2}});
    VocalyneSettingsList::write(*s, group, items);
    s.reopen();

    const auto store = VocalyneSettingsList::read(*s, group, VocalyneSettingsList::Order::Store);
    EXPECT_EQ(names(store).mid(0, 4), (QStringList{QStringLiteral("0"), QStringLiteral("1"),
                                                   QStringLiteral("10"), QStringLiteral("11")}));
    const auto numeric =
        VocalyneSettingsList::read(*s, group, VocalyneSettingsList::Order::Numeric);
    ASSERT_EQ(numeric.size(), 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(numeric.at(i).name, QString::number(i));
        EXPECT_EQ(numeric.at(i).values.value(QStringLiteral("source")).toString(),
                  QStringLiteral("w%1").arg(i));
        EXPECT_EQ(numeric.at(i).values.value(QStringLiteral("isEnabled")).toInt(), i % 2);
    }

    // A shorter list leaves nothing of the longer one behind, in neither
    // the items nor their keys.
    VocalyneSettingsList::write(*s, group, {{{QStringLiteral("target"), QStringLiteral("x")}}});
    s.reopen();
    const auto after = VocalyneSettingsList::read(*s, group, VocalyneSettingsList::Order::Numeric);
    ASSERT_EQ(after.size(), 1);
    EXPECT_EQ(after.first().values.keys(), QStringList{QStringLiteral("target")});
}

TEST(RecentFiles, ListLengthRules)
{
    ScratchSettings s;
    EXPECT_EQ(VocalyneRecentFiles::numOfItems(*s), 5);
    s->setValue(K::RecentFilesNumOfItems, -1);
    EXPECT_EQ(VocalyneRecentFiles::numOfItems(*s), 5);
    s->setValue(K::RecentFilesNumOfItems, 250);
    EXPECT_EQ(VocalyneRecentFiles::numOfItems(*s), 100);
    s->setValue(K::RecentFilesNumOfItems, QStringLiteral("many"));
    EXPECT_EQ(VocalyneRecentFiles::numOfItems(*s), 0);
}

TEST(RecentFiles, NewestFirstWithoutDuplicatesOrEmptiesAndCapped)
{
    ScratchSettings s;
    s->setValue(K::RecentFilesNumOfItems, 3);
    for (const char *p : {"/a.t2s", "/b.t2s", "/c.t2s"})
        EXPECT_TRUE(VocalyneRecentFiles::record(*s, QString::fromLatin1(p)));
    EXPECT_EQ(VocalyneRecentFiles::paths(*s),
              (QStringList{QStringLiteral("/c.t2s"), QStringLiteral("/b.t2s"),
                           QStringLiteral("/a.t2s")}));

    VocalyneRecentFiles::record(*s, QStringLiteral("/a.t2s"));
    EXPECT_EQ(VocalyneRecentFiles::paths(*s),
              (QStringList{QStringLiteral("/a.t2s"), QStringLiteral("/c.t2s"),
                           QStringLiteral("/b.t2s")}));

    s->setValue(recentKey(1), QString());
    VocalyneRecentFiles::record(*s, QStringLiteral("/d.t2s"));
    s.reopen();
    EXPECT_EQ(VocalyneRecentFiles::paths(*s),
              (QStringList{QStringLiteral("/d.t2s"), QStringLiteral("/a.t2s")}));
    EXPECT_EQ(s->value(K::RecentFilesNumOfItems).toInt(), 3);
}

TEST(RecentFiles, ZeroLengthFreezesTheListAndClearKeepsTheLength)
{
    ScratchSettings s;
    VocalyneRecentFiles::record(*s, QStringLiteral("/a.t2s"));
    s->setValue(K::RecentFilesNumOfItems, 0);
    EXPECT_FALSE(VocalyneRecentFiles::record(*s, QStringLiteral("/b.t2s")));
    EXPECT_EQ(VocalyneRecentFiles::paths(*s), QStringList{QStringLiteral("/a.t2s")});

    s->setValue(K::RecentFilesNumOfItems, 7);
    VocalyneRecentFiles::clear(*s);
    s.reopen();
    EXPECT_TRUE(VocalyneRecentFiles::paths(*s).isEmpty());
    EXPECT_EQ(s->value(K::RecentFilesNumOfItems).toInt(), 7);
}

TEST(RecentFiles, TwelveEntriesKeepTheirAgeAndTheMenuUsesStoreOrder)
{
    ScratchSettings s;
    s->setValue(K::RecentFilesNumOfItems, 12);
    for (int i = 11; i >= 0; --i)
        VocalyneRecentFiles::record(*s, QStringLiteral("/f%1.t2s").arg(i));
    const QStringList paths = VocalyneRecentFiles::paths(*s);
    ASSERT_EQ(paths.size(), 12);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(paths.at(i), QStringLiteral("/f%1.t2s").arg(i));

    // Recording past entry 9 must read entry 10 by number, not by text
    // order, or the eleventh file would be lost.
    VocalyneRecentFiles::record(*s, QStringLiteral("/new.t2s"));
    EXPECT_EQ(VocalyneRecentFiles::paths(*s).at(11), QStringLiteral("/f10.t2s"));

    const auto menu = VocalyneRecentFiles::menuEntries(*s);
    ASSERT_EQ(menu.size(), 12);
    EXPECT_EQ(menu.at(2).group, QStringLiteral("10"));
    EXPECT_EQ(menu.at(2).path, QStringLiteral("/f9.t2s"));
}
