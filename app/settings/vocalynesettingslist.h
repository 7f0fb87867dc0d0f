// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QLatin1String>
#include <QList>
#include <QString>
#include <QVariantMap>

class QSettings;

/// A list kept as numbered subgroups "<group>/0/...", "<group>/1/..." (the
/// recent files, the user dictionary, the spell-check dictionaries). Lists
/// are always rewritten whole so that no stale item survives a shorter list.
class VocalyneSettingsList
{
public:
    enum class Order {
        Store,   ///< as the store lists the subgroups: sorted as text (0, 1, 10, 2, ...)
        Numeric, ///< by the subgroups' numbers (0, 1, 2, ..., 10)
    };

    struct Item
    {
        QString name;       ///< the subgroup's name ("0", "1", ...)
        QVariantMap values; ///< its keys and values
    };

    /// Every subgroup of group with its values. Numeric order puts subgroups
    /// whose names are not numbers last, in store order.
    static QList<Item> read(QSettings &settings, QLatin1String group, Order order);
    /// Removes group and writes it again: groupValues as plain keys of the
    /// group, then items[i] under the subgroup named i.
    static void write(QSettings &settings, QLatin1String group, const QList<QVariantMap> &items,
                      const QVariantMap &groupValues = {});
};
