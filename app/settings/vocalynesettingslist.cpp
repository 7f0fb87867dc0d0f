// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "vocalynesettingslist.h"

#include <QSettings>

#include <algorithm>

QList<VocalyneSettingsList::Item> VocalyneSettingsList::read(QSettings &settings,
                                                             QLatin1String group, Order order)
{
    QList<Item> items;
    settings.beginGroup(group);
    const QStringList names = settings.childGroups();
    for (const QString &name : names) {
        Item item{name, {}};
        settings.beginGroup(name);
        const QStringList keys = settings.childKeys();
        for (const QString &key : keys)
            item.values.insert(key, settings.value(key));
        settings.endGroup();
        items.append(item);
    }
    settings.endGroup();

    if (order == Order::Numeric) {
        auto number = [](const QString &name) {
            bool ok = false;
            const int n = name.toInt(&ok);
            return ok && n >= 0 ? qint64(n) : std::numeric_limits<qint64>::max();
        };
        std::stable_sort(items.begin(), items.end(), [&](const Item &a, const Item &b) {
            return number(a.name) < number(b.name);
        });
    }
    return items;
}

void VocalyneSettingsList::write(QSettings &settings, QLatin1String group,
                                 const QList<QVariantMap> &items, const QVariantMap &groupValues)
{
    settings.remove(group);
    settings.beginGroup(group);
    for (auto it = groupValues.cbegin(); it != groupValues.cend(); ++it)
        settings.setValue(it.key(), it.value());
    for (int i = 0; i < items.size(); ++i) {
        settings.beginGroup(QString::number(i));
        const QVariantMap &values = items.at(i);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            settings.setValue(it.key(), it.value());
        settings.endGroup();
    }
    settings.endGroup();
}
