// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynerecentfiles.h"

#include "vocalynesettingskeys.h"
#include "vocalynesettingslist.h"
#include "vocalynesettingsvalue.h"

#include <QSettings>

namespace K = VocalyneSettingsKeys;

int VocalyneRecentFiles::numOfItems(const QSettings &settings)
{
    const int n = VocalyneSettingsValue::readInt(settings, K::RecentFilesNumOfItems,
                                                 K::DefaultRecentFilesNumOfItems);
    if (n == -1)
        return K::DefaultRecentFilesNumOfItems;
    return qBound(0, n, K::MaxRecentFilesNumOfItems);
}

bool VocalyneRecentFiles::record(QSettings &settings, const QString &path)
{
    const int n = numOfItems(settings);
    if (n < 1)
        return false;
    QStringList list{path};
    // The older entries are taken by number, not in the store's text order,
    // so that "10" does not overtake "2".
    const QString pathKey = QString(K::RecentFilePath);
    for (int i = 0; i <= n - 2; ++i) {
        const QString stored =
            settings.value(K::listItemKey(K::RecentFilesGroup, i, K::RecentFilePath)).toString();
        if (!stored.isEmpty() && !list.contains(stored))
            list.append(stored);
    }
    while (list.size() > n)
        list.removeLast();

    QList<QVariantMap> items;
    for (const QString &p : list)
        items.append({{pathKey, p}});
    VocalyneSettingsList::write(settings, K::RecentFilesGroup, items,
                                {{QStringLiteral("numOfItems"), n}});
    return true;
}

QList<VocalyneRecentFiles::Entry> VocalyneRecentFiles::menuEntries(QSettings &settings)
{
    QList<Entry> entries;
    const auto items =
        VocalyneSettingsList::read(settings, K::RecentFilesGroup, VocalyneSettingsList::Order::Store);
    for (const auto &item : items)
        entries.append({item.name, item.values.value(QString(K::RecentFilePath)).toString()});
    return entries;
}

QStringList VocalyneRecentFiles::paths(QSettings &settings)
{
    QStringList result;
    const auto items = VocalyneSettingsList::read(settings, K::RecentFilesGroup,
                                                  VocalyneSettingsList::Order::Numeric);
    for (const auto &item : items)
        result.append(item.values.value(QString(K::RecentFilePath)).toString());
    return result;
}

void VocalyneRecentFiles::clear(QSettings &settings)
{
    const int n = numOfItems(settings);
    VocalyneSettingsList::write(settings, K::RecentFilesGroup, {},
                                {{QStringLiteral("numOfItems"), n}});
}
