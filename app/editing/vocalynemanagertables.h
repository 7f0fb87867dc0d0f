// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include "qvt2sbookmark.h"
#include "qvt2ssection.h"

#include <QCoreApplication>
#include <QList>
#include <QSharedPointer>
#include <QString>

class QTableWidget;
class QTableWidgetItem;

/// Writes bookmarks and sections into the main window's two manager tables,
/// one row per entity in list order: bookmark rows "From", "To", "Status";
/// section rows "From", "To", "Voice", "Speed", "Volume", "Pitch",
/// "Sent. Pause", "Status". Cells are selectable, enabled, not editable.
///
/// The From and To cells read their numbers live from the editor's lists
/// (through a PositionSource), so typing, which moves the positions of
/// thousands of entities, writes no cell at all: the editor only repaints
/// the visible ones. Other cells are written only when their text changes;
/// bulk writes go to the model with its signals held back and end with one
/// change notification for the touched range.
class VocalyneManagerTables
{
    Q_DECLARE_TR_FUNCTIONS(VocalyneManagerTables)

public:
    static constexpr int BookmarkColumns = 3;
    static constexpr int SectionColumns = 8;
    static constexpr int BookmarkStatusColumn = 2;
    static constexpr int SectionStatusColumn = 7;

    /// Where the From and To cells read their numbers. The editor that fills
    /// the tables owns one and clears both pointers before its lists go
    /// away; cells of a cleared source keep showing their last written text.
    struct PositionSource
    {
        const QList<QVT2SBookmark> *bookmarks = nullptr;
        const QList<QVT2SSection> *sections = nullptr;
    };
    using SharedPositionSource = QSharedPointer<PositionSource>;

    /// Makes table show exactly the rows of bookmarks, with From and To read
    /// from source when it is given. A null table is ignored.
    static void fillBookmarks(QTableWidget *table, const QList<QVT2SBookmark> &bookmarks,
                              const SharedPositionSource &source = {});
    static void fillSections(QTableWidget *table, const QList<QVT2SSection> &sections,
                             const SharedPositionSource &source = {});

    /// After positions moved: repaints the From and To cells of the rows
    /// first to last that are on screen (live cells need no writing).
    static void repaintPositions(QTableWidget *table, int firstRow, int lastRow);

    /// The text of a Status cell: "enabled" or "disabled".
    static QString statusText(bool enabled);

private:
    class BulkWrite;
    class PositionItem;
    static void writePositions(BulkWrite &write, int row, quint32 from, quint32 to,
                               const SharedPositionSource &source, bool sections);
    static void writeSectionRow(BulkWrite &write, int row, const QVT2SSection &section,
                                const SharedPositionSource &source);
};
