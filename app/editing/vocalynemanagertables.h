// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvt2sbookmark.h"
#include "qvt2ssection.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class QTableWidget;
class QTableWidgetItem;

/// Writes bookmarks and sections into the main window's two manager tables,
/// one row per entity in list order: bookmark rows "From", "To", "Status";
/// section rows "From", "To", "Voice", "Speed", "Volume", "Pitch",
/// "Sent. Pause", "Status". Cells are selectable, enabled, not editable.
///
/// Writing never re-creates items that already exist and only touches cells
/// whose text changes, so keeping thousands of rows in step with typing stays
/// cheap. Bulk writes go to the model with its signals held back and end
/// with one change notification for the touched range.
class VocalyneManagerTables
{
    Q_DECLARE_TR_FUNCTIONS(VocalyneManagerTables)

public:
    static constexpr int BookmarkColumns = 3;
    static constexpr int SectionColumns = 8;
    static constexpr int BookmarkStatusColumn = 2;
    static constexpr int SectionStatusColumn = 7;

    /// Makes table show exactly the rows of bookmarks. A null table is ignored.
    static void fillBookmarks(QTableWidget *table, const QList<QVT2SBookmark> &bookmarks);
    static void fillSections(QTableWidget *table, const QList<QVT2SSection> &sections);

    /// Rewrites only the given rows (ascending, each < the list size) of a
    /// table that already has one row per entity.
    static void updateBookmarkRows(QTableWidget *table, const QList<QVT2SBookmark> &bookmarks,
                                   const QList<int> &rows);
    static void updateSectionRows(QTableWidget *table, const QList<QVT2SSection> &sections,
                                  const QList<int> &rows);

    /// The text of a Status cell: "enabled" or "disabled".
    static QString statusText(bool enabled);

private:
    class BulkWrite;
    static void writeBookmarkRow(BulkWrite &write, int row, const QVT2SBookmark &bookmark);
    static void writeSectionRow(BulkWrite &write, int row, const QVT2SSection &section);
};
