// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#pragma once

#include <QList>

class QTableWidget;
class VocalyneDocumentEdit;

/// What the bookmark and section managers do to the document whose rows
/// they show (row i is entity i of its list). None of these refreshes the
/// editor: the caller ends with markModifiedAndRefresh() once, so a command
/// on a thousand rows rebuilds the highlights and tables one time.
class VocalyneManagerCommands
{
public:
    enum class State { Enable, Disable, Toggle };

    /// The rows of the table's selected ranges, ascending, each once.
    static QList<int> selectedRows(const QTableWidget *table);

    /// Selects the text of the row's entity in edit (From to To cells) and
    /// gives edit the focus. False, changing nothing, when a cell is
    /// missing or does not hold a decimal number.
    static bool selectEntityText(VocalyneDocumentEdit *edit, const QTableWidget *table, int row);

    /// Enables, disables or toggles the bookmarks at rows. Rows outside the
    /// list are skipped. Returns how many bookmarks were visited.
    static int setBookmarkStates(VocalyneDocumentEdit *edit, const QList<int> &rows, State state);
    /// The same for sections; each section's sentence-pause elements (the
    /// first "pause" with the section's value at each of its sentence ends)
    /// follow its new state.
    static int setSectionStates(VocalyneDocumentEdit *edit, const QList<int> &rows, State state);

    /// Removes the bookmarks at rows (indexes as the table shows them).
    /// Returns how many were removed.
    static int deleteBookmarks(VocalyneDocumentEdit *edit, const QList<int> &rows);
    /// Removes the sections at rows, each with the first "pause" element
    /// (whatever its value) at each of its sentence ends.
    static int deleteSections(VocalyneDocumentEdit *edit, const QList<int> &rows);
};
