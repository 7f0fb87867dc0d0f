// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QSettings;

/// The recent-documents list in the group "RecentFiles": numOfItems and one
/// subgroup per path, 0 being the newest.
class VocalyneRecentFiles
{
public:
    struct Entry
    {
        QString group; ///< the subgroup's name
        QString path;
    };

    /// The list length: 5 when missing or stored as -1, otherwise the stored
    /// value kept within 0 to 100.
    static int numOfItems(const QSettings &settings);

    /// Puts path first and keeps at most numOfItems() paths, dropping empty
    /// ones and the older copy of path. With a length below 1 nothing
    /// changes and false is returned.
    static bool record(QSettings &settings, const QString &path);

    /// The entries as the menu shows them: in the store's order of the
    /// subgroup names (sorted as text, so "10" comes before "2").
    static QList<Entry> menuEntries(QSettings &settings);

    /// The paths from newest to oldest.
    static QStringList paths(QSettings &settings);

    /// Empties the list, keeping the list length.
    static void clear(QSettings &settings);
};
